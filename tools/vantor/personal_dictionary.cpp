#include "personal_dictionary.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "engine_error.h"
#include "speller.h"
#include "trov.h"

namespace vantor {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// The budget the tool opens every dictionary with (Speller::ApplyOptions): a file loads whole.
constexpr int32_t kWholeFile = -1;

std::string Refusal(const std::string& path, int16_t code) {
  return "cannot use " + path +
         " as the personal dictionary, left as it is: " + EngineErrorText(code);
}

}  // namespace

std::string DefaultPersonalDictionaryPath() {
  std::filesystem::path data = Environment("XDG_DATA_HOME");
  if (data.empty() && !Environment("HOME").empty()) {
    data = std::filesystem::path(Environment("HOME")) / ".local" / "share";
  }
  if (data.empty()) data = Environment("APPDATA");
  if (data.empty()) return {};
  return (data / "vantor" / "personal.tlx").string();
}

std::optional<PersonalDictionary> PersonalDictionary::Open(Speller& speller, std::string path,
                                                           std::string& error) {
  std::error_code ignored;
  path = std::filesystem::absolute(path, ignored).string();
  int16_t lexicon = -1;
  if (std::filesystem::exists(path, ignored)) {
    lexicon = TROV_OpenLex(speller.Session(), path.c_str(), kWholeFile);
    if (lexicon < 0) {
      error = Refusal(path, lexicon);
      return std::nullopt;
    }
  }
  return PersonalDictionary(speller, std::move(path), lexicon);
}

void PersonalDictionary::Add(const std::string& word) {
  TROV_AddToLex(speller_->Session(), speller_->Core().TempLexicon(), word.c_str(), 'i', "");
  unsaved_.push_back(word);
}

std::optional<std::string> PersonalDictionary::Save() {
  if (unsaved_.empty()) return std::nullopt;
  if (lexicon_ < 0) {
    if (auto error = OpenOrCreateFile()) return error;
  }
  while (!unsaved_.empty()) {
    const int16_t added =
        TROV_AddToLex(speller_->Session(), lexicon_, unsaved_.back().c_str(), 'i', "");
    if (added < 0) return path_ + ": cannot add a word: " + EngineErrorText(added);
    unsaved_.pop_back();
  }
  return std::nullopt;
}

std::optional<std::string> PersonalDictionary::OpenOrCreateFile() {
  const int16_t session = speller_->Session();
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), error);
  const auto language = static_cast<int16_t>(TROV_GetOption(session, TROV_OPT_LANGUAGE));
  int16_t lexicon = TROV_CreateLex(session, path_.c_str(), language);
  // Another program may have made it since this session started.
  if (lexicon == TROV_ERR_EXISTS) lexicon = TROV_OpenLex(session, path_.c_str(), kWholeFile);
  if (lexicon < 0) return Refusal(path_, lexicon);
  lexicon_ = lexicon;
  return std::nullopt;
}

}  // namespace vantor
