#include "speller.h"

#include <filesystem>
#include <system_error>

#include "native_path_style.h"

namespace vantor {
namespace {

std::vector<std::string> SplitList(const std::string& list) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= list.size() && !list.empty()) {
    const std::size_t comma = list.find(',', start);
    names.push_back(
        list.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return names;
}

std::string JoinList(const std::vector<std::string>& paths) {
  std::string text;
  for (const std::string& path : paths) text += (text.empty() ? "" : ",") + path;
  return text;
}

std::string WhyNotOpened(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return "not found";
  return "not a dictionary or not readable";
}

}  // namespace

Speller::Speller(std::string dictionaryDirectory, TextEncoding encoding, EngineCharset charset)
    : core_(dictionaryDirectory),
      listener_(core_.State()),
      loop_(core_, listener_),
      encoding_(std::move(encoding)),
      charset_(std::move(charset)),
      dictionaryDirectory_(std::move(dictionaryDirectory)) {}

Speller::~Speller() {
  core_.ReleaseCore();
  if (logging_) TROV_SetLogFile(nullptr);
}

std::string Speller::ResolveName(const std::string& name, const std::string& dictionaryDirectory) {
  std::error_code error;
  if (!name.empty() && std::filesystem::is_regular_file(name, error)) {
    return std::filesystem::absolute(name, error).string();
  }
  return trov::ExpandDictionaryName(trov::kNativePathStyle, dictionaryDirectory, name);
}

std::variant<std::unique_ptr<Speller>, std::string> Speller::Open(
    const ToolOptions& options, const std::string& dictionaryDirectory, bool needDictionaries) {
  auto encoding = TextEncoding::Named(options.encoding.empty() ? "UTF-8" : options.encoding);
  if (!encoding) return "unknown or unsupported encoding " + options.encoding;
  auto charset = EngineCharset::ForSet(options.characterSet);
  if (!charset) {
    return "character set " + std::to_string(options.characterSet) +
           " is not available on this system";
  }
  if (!options.logFile.empty()) TROV_SetLogFile(options.logFile.c_str());
  std::unique_ptr<Speller> speller(
      new Speller(dictionaryDirectory, std::move(*encoding), std::move(*charset)));
  speller->logging_ = !options.logFile.empty();
  if (speller->core_.CreateResult() < 0) {
    return "cannot start the engine (error " + std::to_string(speller->core_.CreateResult()) + ")";
  }
  speller->ApplyOptions(options);
  if (!needDictionaries) return speller;
  speller->OpenLists(options.mainDictionaries, options.userDictionaries);
  if (speller->core_.Dictionaries(trov::DictionaryKind::kMain).empty()) {
    std::string message = "no main dictionary could be opened";
    for (const std::string& warning : speller->warnings_) message += "; " + warning;
    return message;
  }
  return speller;
}

void Speller::ApplyOptions(const ToolOptions& options) {
  core_.SetCharacterSet(options.characterSet);
  for (const auto& [property, on] : options.switches) core_.SetOption(property, on ? 1 : 0);
  core_.SetAutoCorrect(options.autoCorrect ? 1 : 0);
  core_.SetMaxSuggestions(options.maxSuggestions);
  core_.SetMinSuggestionDepth(options.minSuggestionDepth);
  core_.SetSuggestionDepth(options.minSuggestionDepth);
  core_.SetSuggestionDepthIncrement(options.suggestionDepthIncrement);
  core_.SetMinSuggestionScore(options.minSuggestionScore);
  core_.SetSuggestionScoreRange(options.suggestionScoreRange);
  core_.SetMemoryBudget(-1);  // compressed dictionaries load whole, as the control does
}

void Speller::OpenLists(const std::string& mainList, const std::string& userList) {
  const std::vector<std::string> mainPaths = ResolveList(mainList);
  const std::vector<std::string> userPaths = ResolveList(userList);
  core_.SetLists(JoinList(mainPaths), JoinList(userPaths));
  WarnAboutUnopened(trov::DictionaryKind::kMain, mainPaths);
  WarnAboutUnopened(trov::DictionaryKind::kUser, userPaths);
}

std::vector<std::string> Speller::ResolveList(const std::string& list) const {
  std::vector<std::string> paths;
  for (const std::string& name : SplitList(list)) {
    paths.push_back(ResolveName(name, dictionaryDirectory_));
  }
  return paths;
}

void Speller::WarnAboutUnopened(trov::DictionaryKind kind, const std::vector<std::string>& paths) {
  const auto& opened = core_.Dictionaries(kind);
  for (const std::string& path : paths) {
    bool found = false;
    for (const auto& entry : opened)
      found = found || trov::SameIgnoringAsciiCase(entry.fileName, path);
    if (!found)
      warnings_.push_back("cannot open dictionary " + path + " (" + WhyNotOpened(path) + ")");
  }
}

std::vector<trov::SuggestedWord> Speller::SuggestFor(const std::string& word) {
  loop_.SetMisspelledWord(word.c_str());
  loop_.Suggest();
  return core_.State().suggestions;
}

}  // namespace vantor
