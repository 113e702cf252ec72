// The host-facing dictionary members over the control core.
#include "dictionary_members.h"

#include "bounded_copy.h"
#include "native_path_style.h"

namespace trov {

const std::string& DictionaryMembers::Directory(DictionaryKind kind) const {
  return kind == DictionaryKind::kMain ? core_.ModuleDirectory() : core_.UserDictionaryDirectory();
}

std::string DictionaryMembers::Expand(DictionaryKind kind, const char* name) const {
  return ExpandDictionaryName(kNativePathStyle, Directory(kind), TextOrEmpty(name));
}

std::string DictionaryMembers::Reduce(DictionaryKind kind, const std::string& name) const {
  return ReduceDictionaryName(kNativePathStyle, Directory(kind), name);
}

std::string DictionaryMembers::UserFile(const char* name) const {
  return Expand(DictionaryKind::kUser, core_.RestrictedMode() ? kRestrictedUserDictionary : name);
}

bool DictionaryMembers::RefusedByRestriction() {
  if (!core_.RestrictedMode()) return false;
  core_.SetErrorCode(TROV_ERR_UNSUPPORTED);
  return true;
}

std::string DictionaryMembers::MainDictionaryFiles() const {
  return ReduceDictionaryList(kNativePathStyle, Directory(DictionaryKind::kMain),
                              core_.ListText(DictionaryKind::kMain));
}

void DictionaryMembers::SetMainDictionaryFiles(const char* list) {
  const std::string expanded =
      ExpandDictionaryList(kNativePathStyle, Directory(DictionaryKind::kMain), TextOrEmpty(list));
  core_.SetErrorCode(core_.SetList(DictionaryKind::kMain, expanded));
}

std::string DictionaryMembers::UserDictionaryFiles() const {
  return ReduceDictionaryList(kNativePathStyle, Directory(DictionaryKind::kUser),
                              core_.ListText(DictionaryKind::kUser));
}

bool DictionaryMembers::SetUserDictionaryFiles(const char* list) {
  if (RefusedByRestriction()) return false;
  const std::string expanded =
      ExpandDictionaryList(kNativePathStyle, Directory(DictionaryKind::kUser), TextOrEmpty(list));
  core_.SetErrorCode(core_.SetList(DictionaryKind::kUser, expanded));
  return true;
}

int16_t DictionaryMembers::MainDictionaryCount() const {
  return static_cast<int16_t>(core_.Dictionaries(DictionaryKind::kMain).size());
}

int16_t DictionaryMembers::UserDictionaryCount() const {
  return static_cast<int16_t>(core_.Dictionaries(DictionaryKind::kUser).size());
}

std::string DictionaryMembers::DictionaryAt(DictionaryKind kind, int16_t index) const {
  const std::vector<DictionaryEntry>& entries = core_.Dictionaries(kind);
  if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return {};
  return Reduce(kind, entries[static_cast<std::size_t>(index)].fileName);
}

std::string DictionaryMembers::MainDictionary(int16_t index) const {
  return DictionaryAt(DictionaryKind::kMain, index);
}

std::string DictionaryMembers::UserDictionary(int16_t index) const {
  return DictionaryAt(DictionaryKind::kUser, index);
}

void DictionaryMembers::AddMainDictionary(const char* fileName) {
  core_.SetErrorCode(
      core_.AddDictionary(DictionaryKind::kMain, Expand(DictionaryKind::kMain, fileName)));
}

bool DictionaryMembers::AddUserDictionary(const char* fileName) {
  if (RefusedByRestriction()) return false;
  core_.SetErrorCode(
      core_.AddDictionary(DictionaryKind::kUser, Expand(DictionaryKind::kUser, fileName)));
  return true;
}

void DictionaryMembers::RemoveMainDictionary(const char* fileName) {
  core_.SetErrorCode(
      core_.RemoveDictionary(DictionaryKind::kMain, Expand(DictionaryKind::kMain, fileName)));
}

void DictionaryMembers::RemoveUserDictionary(const char* fileName) {
  if (RefusedByRestriction()) return;
  core_.SetErrorCode(
      core_.RemoveDictionary(DictionaryKind::kUser, Expand(DictionaryKind::kUser, fileName)));
}

int16_t DictionaryMembers::CreateUserDictionary(const char* fileName, int16_t language) {
  if (RefusedByRestriction()) return TROV_ERR_UNSUPPORTED;
  const int16_t result =
      core_.CreateUserDictionary(Expand(DictionaryKind::kUser, fileName).c_str(), language);
  core_.SetErrorCode(result);
  return result;
}

int16_t DictionaryMembers::AddToUserDictionary(const char* userDict, const char* word,
                                               int16_t action, const char* otherWord) {
  const std::string file = UserFile(userDict);
  if (core_.RestrictedMode() &&
      core_.UserDictionaryWordCountOf(file.c_str()) > kRestrictedWordLimit) {
    core_.SetErrorCode(TROV_ERR_BUFFER_FULL);
    return TROV_ERR_BUFFER_FULL;
  }
  const int16_t result = core_.AddToUserDictionary(file.c_str(), word, action, otherWord);
  core_.SetErrorCode(result);
  return result;
}

void DictionaryMembers::DeleteFromUserDictionary(const char* userDictFile, const char* word) {
  core_.SetErrorCode(core_.DeleteFromUserDictionary(UserFile(userDictFile).c_str(), word));
}

int16_t DictionaryMembers::UserDictionaryWordAction(const char* userDict, const char* word) {
  std::array<char, TROV_WORD_BUFFER> otherWord;
  const int16_t result = core_.FindUserDictionaryWord(
      Expand(DictionaryKind::kUser, userDict).c_str(), word, otherWord);
  core_.SetErrorCode(result);
  return result;
}

std::string DictionaryMembers::UserDictionaryOtherWord(const char* userDict, const char* word) {
  std::array<char, TROV_WORD_BUFFER> otherWord;
  const int16_t result = core_.FindUserDictionaryWord(
      Expand(DictionaryKind::kUser, userDict).c_str(), word, otherWord);
  core_.SetErrorCode(result);
  return result < 0 ? std::string() : std::string(otherWord.data());
}

std::string DictionaryMembers::UserDictionaryWord(const char* userDict, int32_t index) {
  return core_.UserDictionaryWordAt(Expand(DictionaryKind::kUser, userDict).c_str(), index);
}

int32_t DictionaryMembers::UserDictionaryWordCount(const char* userDict) const {
  return core_.UserDictionaryWordCountOf(Expand(DictionaryKind::kUser, userDict).c_str());
}

std::vector<std::string> DictionaryMembers::UserDictionaryWords(const char* userDict) const {
  return core_.UserDictionaryWordsOf(Expand(DictionaryKind::kUser, userDict).c_str());
}

int16_t DictionaryMembers::LookUpUserDictionaryWord(
    const char* userDict, const char* word, std::array<char, TROV_WORD_BUFFER>& otherWord) const {
  return core_.FindUserDictionaryWord(Expand(DictionaryKind::kUser, userDict).c_str(), word,
                                      otherWord);
}

void DictionaryMembers::ClearTempDictionary() {
  core_.ClearTempDictionary();
  core_.SetErrorCode(0);
}

}  // namespace trov
