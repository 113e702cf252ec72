// The dictionary members as the host calls them: file names are expanded against the module
// directory on the way in and reduced on the way out, results land in ErrorCode, and restricted
// mode pins user-dictionary access to one file. The automation layer only translates to these.
#ifndef VANTOR_DICTIONARY_MEMBERS_H
#define VANTOR_DICTIONARY_MEMBERS_H

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "control_core.h"

namespace trov {

// The only user dictionary a restricted control may touch, in the user-dictionary directory.
inline constexpr char kRestrictedUserDictionary[] = "userdic.tlx";
// Above this many words the restricted dictionary takes no more.
inline constexpr int32_t kRestrictedWordLimit = 32768;

class DictionaryMembers {
 public:
  explicit DictionaryMembers(ControlCore& core) : core_(core) {}

  std::string MainDictionaryFiles() const;
  void SetMainDictionaryFiles(const char* list);
  std::string UserDictionaryFiles() const;
  // False when restricted mode refused it (the control then stays unmodified).
  bool SetUserDictionaryFiles(const char* list);
  int16_t MainDictionaryCount() const;
  int16_t UserDictionaryCount() const;
  // The reduced name; "" for an index outside the list.
  std::string MainDictionary(int16_t index) const;
  std::string UserDictionary(int16_t index) const;

  void AddMainDictionary(const char* fileName);
  bool AddUserDictionary(const char* fileName);  // false when restricted mode refused it
  void RemoveMainDictionary(const char* fileName);
  void RemoveUserDictionary(const char* fileName);
  int16_t CreateUserDictionary(const char* fileName, int16_t language);
  int16_t AddToUserDictionary(const char* userDict, const char* word, int16_t action,
                              const char* otherWord);
  void DeleteFromUserDictionary(const char* userDictFile, const char* word);
  int16_t UserDictionaryWordAction(const char* userDict, const char* word);
  std::string UserDictionaryOtherWord(const char* userDict, const char* word);
  std::string UserDictionaryWord(const char* userDict, int32_t index);
  int32_t UserDictionaryWordCount(const char* userDict) const;
  // For the User Dictionaries dialog: every word at once, and a word's action code (or a negative
  // result) with its other word; neither touches ErrorCode.
  std::vector<std::string> UserDictionaryWords(const char* userDict) const;
  int16_t LookUpUserDictionaryWord(const char* userDict, const char* word,
                                   std::array<char, TROV_WORD_BUFFER>& otherWord) const;
  void ClearTempDictionary();

 private:
  // Bare names of main dictionaries live beside the module, those of user dictionaries in the
  // user-dictionary directory.
  std::string Expand(DictionaryKind kind, const char* name) const;
  std::string Reduce(DictionaryKind kind, const std::string& name) const;
  const std::string& Directory(DictionaryKind kind) const;
  std::string DictionaryAt(DictionaryKind kind, int16_t index) const;
  // The restricted file while restricted mode is on, else the expanded argument.
  std::string UserFile(const char* name) const;
  // Restricted mode refuses changes to the user list: ErrorCode -13, true.
  bool RefusedByRestriction();

  ControlCore& core_;
};

}  // namespace trov

#endif  // VANTOR_DICTIONARY_MEMBERS_H
