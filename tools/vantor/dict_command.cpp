// vantor dict: list, add, delete and create user dictionaries; compile word lists into
// compressed main dictionaries.
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>
#include <variant>

#include "engine_error.h"
#include "input_file.h"
#include "language.h"
#include "lexicon_compiler.h"
#include "speller.h"
#include "tool.h"
#include "trov_ext.h"

namespace vantor {
namespace {

constexpr std::string_view kActions = "ieaAcC";

int16_t LanguageCode(const std::string& letters) {
  return static_cast<int16_t>((static_cast<unsigned char>(letters[0]) << 8) |
                              static_cast<unsigned char>(letters[1]));
}

std::string FullPath(const std::string& name) {
  std::error_code error;
  const auto path = std::filesystem::absolute(name, error);
  return error ? name : path.string();
}

class DictionaryTool {
 public:
  DictionaryTool(Speller& speller, const ToolContext& context)
      : speller_(speller), context_(context), operands_(context.options.operands) {}

  int Run() {
    const std::string& action = operands_[0];
    if (action == "list" && operands_.size() == 1) return ListLanguages();
    if (action == "list") return Expect(2, 2) ? List() : kExitError;
    if (action == "add") return Expect(3, 5) ? Add() : kExitError;
    if (action == "delete") return Expect(3, 3) ? Delete() : kExitError;
    if (action == "create") return Expect(2, 2) ? Create() : kExitError;
    if (action == "compile") return Expect(3, 3) ? Compile() : kExitError;
    return Fail("unknown dict action '" + action + "' (list, add, delete, create, compile)");
  }

 private:
  bool Expect(std::size_t least, std::size_t most) {
    if (operands_.size() >= least && operands_.size() <= most) return true;
    Fail("wrong number of operands for 'dict " + operands_[0] + "' (see 'vantor dict --help')");
    return false;
  }

  int Fail(const std::string& message) {
    ReportError(context_.streams.err, message);
    return kExitError;
  }

  // The file as the one listed user dictionary, so word operations report the engine's result.
  int16_t OpenAsUserDictionary(const std::string& path) {
    trov::ControlCore& core = speller_.Core();
    const int16_t result = core.SetList(trov::DictionaryKind::kUser, path);
    if (result < 0) return result;
    return core.FindUserDictionary(path.c_str());
  }

  std::optional<std::string> EngineWord(const std::string& word) {
    auto engine = speller_.Charset().FromEncoding(word, speller_.Encoding());
    if (!engine || engine->empty()) {
      std::string message = speller_.Encoding().ToUtf8(word);
      message.insert(0, 1, '\'');
      message += "' cannot be put in character set " + std::to_string(speller_.Charset().Set());
      Fail(message);
      return std::nullopt;
    }
    return engine;
  }

  // The languages whose dictionary is in the dictionary folder: code, tag, name, set, file and
  // the Debian package of its word list.
  int ListLanguages() {
    for (const Language& language : Languages()) {
      const std::string file = MainDictionaryFile(language);
      std::error_code error;
      if (!std::filesystem::is_regular_file(
              std::filesystem::path(context_.dictionaryDirectory) / file, error)) {
        continue;
      }
      context_.streams.out << language.code << '\t' << language.tag << '\t' << language.name
                           << "\tset " << language.characterSet << '\t' << file << '\t'
                           << language.package << '\n';
    }
    return kExitClean;
  }

  int List() {
    const std::string path = FullPath(operands_[1]);
    const int16_t lexicon = OpenAsUserDictionary(path);
    if (lexicon < 0) return Fail(operands_[1] + ": " + EngineErrorText(lexicon));
    const int16_t session = speller_.Session();
    int32_t size = 0;
    int16_t result = TROV_GetLexInfo(session, lexicon, &size, nullptr, nullptr);
    if (result < 0) return Fail(operands_[1] + ": " + EngineErrorText(result));
    if (size <= 0) return kExitClean;
    const auto listing = std::make_unique<char[]>(static_cast<std::size_t>(size));
    // The 32-bit count: the 16-bit one wraps negative from 32768 entries on.
    const int32_t listed = TROV_GetLexExt(session, lexicon, listing.get(), size);
    if (listed < 0) {
      return Fail(operands_[1] + ": " + EngineErrorText(static_cast<int16_t>(listed)));
    }
    // Entries: word, tab, action letter, other word; ended by an empty string.
    for (const char* entry = listing.get(); *entry != '\0' && entry < listing.get() + size;
         entry += std::string_view(entry).size() + 1) {
      const std::string_view text(entry);
      const std::size_t tab = text.find('\t');
      const auto part = [&](std::string_view piece) {
        return speller_.Charset().ToEncoding(piece, speller_.Encoding());
      };
      std::ostream& out = context_.streams.out;
      if (tab == std::string_view::npos || tab + 1 >= text.size()) {
        out << part(text) << '\n';
        continue;
      }
      out << part(text.substr(0, tab)) << '\t' << text[tab + 1];
      if (tab + 2 < text.size()) out << '\t' << part(text.substr(tab + 2));
      out << '\n';
    }
    return kExitClean;
  }

  int Add() {
    const std::string action = operands_.size() > 3 ? operands_[3] : "i";
    if (action.size() != 1 || kActions.find(action[0]) == std::string_view::npos) {
      return Fail("action must be one of i e a A c C, not '" + action + "'");
    }
    const bool needsOther = action != "i" && action != "e";
    if (needsOther != (operands_.size() == 5)) {
      return Fail(needsOther ? "action " + action + " needs the other word"
                             : "action " + action + " takes no other word");
    }
    const auto word = EngineWord(operands_[2]);
    if (!word) return kExitError;
    std::optional<std::string> other = std::string();
    if (needsOther && !(other = EngineWord(operands_[4]))) return kExitError;
    const std::string path = FullPath(operands_[1]);
    const int16_t lexicon = OpenAsUserDictionary(path);
    if (lexicon < 0) return Fail(operands_[1] + ": " + EngineErrorText(lexicon));
    const int16_t result =
        speller_.Core().AddToUserDictionary(path.c_str(), word->c_str(), action[0], other->c_str());
    if (result < 0)
      return Fail(operands_[1] + ": " + operands_[2] + ": " + EngineErrorText(result));
    return kExitClean;
  }

  int Delete() {
    const auto word = EngineWord(operands_[2]);
    if (!word) return kExitError;
    const std::string path = FullPath(operands_[1]);
    const int16_t lexicon = OpenAsUserDictionary(path);
    if (lexicon < 0) return Fail(operands_[1] + ": " + EngineErrorText(lexicon));
    const int16_t result = speller_.Core().DeleteFromUserDictionary(path.c_str(), word->c_str());
    if (result < 0)
      return Fail(operands_[1] + ": " + operands_[2] + ": " + EngineErrorText(result));
    return kExitClean;
  }

  int Create() {
    const std::string path = FullPath(operands_[1]);
    const int16_t result =
        speller_.Core().CreateUserDictionary(path.c_str(), LanguageCode(context_.options.language));
    if (result < 0) return Fail(operands_[1] + ": " + EngineErrorText(result));
    return kExitClean;
  }

  int Compile() {
    namespace lex = trov::lexcompile;
    std::vector<std::string> words;
    if (!ReadWordList(operands_[1], words)) return kExitError;
    lex::CompileOptions compileOptions;
    compileOptions.language = LanguageCode(context_.options.language);
    std::string bytes;
    lex::CompileStats stats;
    std::string error;
    if (!lex::CompileLexicon(words, compileOptions, bytes, stats, error)) {
      return Fail(operands_[1] + ": " + error);
    }
    if (!lex::WriteFileBytes(operands_[2], bytes, error)) return Fail(operands_[2] + ": " + error);
    context_.streams.out << operands_[2] << ": " << stats.words << " words, " << stats.fileBytes
                         << " bytes\n";
    return kExitClean;
  }

  // One word a line in the text encoding (empty lines skipped), put into the character set here
  // so that every platform reads lists alike.
  bool ReadWordList(const std::string& name, std::vector<std::string>& words) {
    std::string bytes;
    std::string error;
    if (!ReadInput(name, context_.streams.in, bytes, error)) {
      Fail(name + ": " + error);
      return false;
    }
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < bytes.size();) {
      std::size_t end = bytes.find('\n', start);
      if (end == std::string::npos) end = bytes.size();
      std::string_view line(bytes.data() + start, end - start);
      start = end + 1;
      ++lineNumber;
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      if (line.empty()) continue;
      auto word = speller_.Charset().FromEncoding(line, speller_.Encoding());
      if (!word) {
        Fail(name + ": line " + std::to_string(lineNumber) + ": not a word of character set " +
             std::to_string(speller_.Charset().Set()));
        return false;
      }
      words.push_back(std::move(*word));
    }
    return true;
  }

  Speller& speller_;
  const ToolContext& context_;
  const std::vector<std::string>& operands_;
};

}  // namespace

int RunDict(const ToolContext& context) {
  if (context.options.operands.empty()) {
    ReportError(context.streams.err, "dict needs an action: list, add, delete, create, compile");
    return kExitError;
  }
  auto opened = Speller::Open(context.options, context.dictionaryDirectory, false);
  if (const auto* message = std::get_if<std::string>(&opened)) {
    ReportError(context.streams.err, *message);
    return kExitError;
  }
  return DictionaryTool(*std::get<std::unique_ptr<Speller>>(opened), context).Run();
}

}  // namespace vantor
