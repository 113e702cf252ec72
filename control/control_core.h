// The control core: the one object through which a control (or the command-line tool) uses the
// engine. It owns one engine session with its temporary dictionary, the main and user dictionary
// lists, the suggestion parameters and the checking state. Portable C++: the Windows control and
// the native tool share it unchanged.
#ifndef VANTOR_CONTROL_CORE_H
#define VANTOR_CONTROL_CORE_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "check_state.h"
#include "trov.h"

namespace trov {

// The control's Boolean option properties; each is a view of one bit of the session's option word.
enum class OptionProperty : uint32_t {
  kIgnoreCapitalizedWords = TROV_OPT_IGNORE_CAPITALIZED_WORDS,
  kIgnoreMixedCaseWords = TROV_OPT_IGNORE_MIXED_CASE_WORDS,
  kIgnoreWordsWithDigits = TROV_OPT_IGNORE_WORDS_WITH_DIGITS,
  kIgnoreAllCapsWords = TROV_OPT_IGNORE_ALL_CAPS_WORDS,
  kCatchMixedCaseWords = TROV_OPT_CATCH_MIXED_CASE_WORDS,
  kCatchWordsWithDigits = TROV_OPT_CATCH_WORDS_WITH_DIGITS,
  kCatchDoubledWords = TROV_OPT_CATCH_DOUBLED_WORDS,
  kCaseSensitive = TROV_OPT_CASE_SENSITIVE,  // a write also sets CatchCapitalizationErrors
  kSplitHyphenatedWords = TROV_OPT_SPLIT_HYPHENATED_WORDS,
  kSplitContractedWords = TROV_OPT_SPLIT_CONTRACTED_WORDS,
  kSplitWords = TROV_OPT_SPLIT_WORDS,
  kSuggestSplitWords = TROV_OPT_SUGGEST_SPLIT_WORDS,
  kPhoneticSuggestions = TROV_OPT_PHONETIC_SUGGESTIONS,
  kTypographicalSuggestions = TROV_OPT_TYPOGRAPHICAL_SUGGESTIONS,
  kStripPossessives = TROV_OPT_STRIP_POSSESSIVES,
  kIgnoreNonAlphaWords = TROV_OPT_IGNORE_NON_ALPHA_WORDS,
  kIgnoreDomainNames = TROV_OPT_IGNORE_DOMAIN_NAMES,
  kAllowAccentedCaps = TROV_OPT_ALLOW_ACCENTED_CAPS,
  kIgnoreHTMLMarkups = TROV_OPT_IGNORE_HTML_MARKUPS,
  kBackupUserDictionary = TROV_OPT_BACKUP_USER_DICTIONARY,
  kRankedSuggestions = TROV_OPT_RANKED_SUGGESTIONS,  // switching it on reads kWordFrequencyFile
};

// The word frequencies of the ranked suggestions, beside the default dictionaries. Without it the
// ranking still works, on the other signs alone.
inline constexpr const char* kWordFrequencyFile = "trovam.frq";

enum class DictionaryKind { kMain, kUser };

struct DictionaryEntry {
  std::string fileName;  // as opened, at most TROV_MAX_PATH characters
  int16_t lexicon;
};

inline constexpr std::size_t kDictionaryListLimit = 1023;  // longest list text

inline constexpr int16_t kDefaultMaxSuggestions = 16;
inline constexpr int16_t kDefaultMinSuggestionDepth = 50;
inline constexpr int16_t kDefaultMinSuggestionScore = 50;
inline constexpr int16_t kDefaultSuggestionDepthIncrement = 10;
// A bare core (a new control before its properties are loaded) keeps only suggestions within 20
// of the best. The persisted property's default is 50 on purpose: every control a host creates
// loads its property set, where a missing value reads as 50, so hosts see the wider range. Both
// values are observable, so neither may be made to follow the other.
inline constexpr int16_t kDefaultSuggestionScoreRange = 20;

class ControlCore {
 public:
  // Creates the core: opens the session and the temporary dictionary, with empty lists. Bare
  // dictionary names resolve against moduleDirectory (the owner's own directory, no trailing
  // separator). CreateResult() tells how it went.
  explicit ControlCore(std::string moduleDirectory);
  ~ControlCore();
  ControlCore(const ControlCore&) = delete;
  ControlCore& operator=(const ControlCore&) = delete;

  // The session id, or the failure that left the core without one.
  int16_t CreateResult() const { return createResult_; }
  // Closes the dictionaries and the session and frees the text and the tables. Afterwards the core
  // is inert: engine calls made through it fail with the bad-session result. Repeating it does
  // nothing.
  void ReleaseCore();
  // The Close member: ReleaseCore, then ErrorCode 0.
  void Close();

  int16_t Session() const { return session_; }
  int16_t TempLexicon() const { return tempLexicon_; }
  const std::string& ModuleDirectory() const { return moduleDirectory_; }
  // Where bare user-dictionary names live: the module directory unless an installation gave each
  // user a folder of their own (the module directory may not be writable for them).
  const std::string& UserDictionaryDirectory() const {
    return userDictionaryDirectory_.empty() ? moduleDirectory_ : userDictionaryDirectory_;
  }
  void SetUserDictionaryDirectory(std::string directory) {
    userDictionaryDirectory_ = std::move(directory);
  }
  // Budget for every dictionary opened; the control sets -1 so compressed files load whole.
  int32_t MemoryBudget() const { return memoryBudget_; }
  void SetMemoryBudget(int32_t budget) { memoryBudget_ = budget; }
  // While on, user-dictionary files are limited to "userdic.tlx" in the module directory.
  bool RestrictedMode() const { return restricted_; }
  void SetRestrictedMode(bool on) { restricted_ = on; }
  // The 16-bit result of the last member that reports one.
  int16_t ErrorCode() const { return errorCode_; }
  void SetErrorCode(int16_t code) { errorCode_ = code; }

  // ---- Option properties (they leave ErrorCode alone) ----
  int16_t Option(OptionProperty property) const;  // 1 or 0
  void SetOption(OptionProperty property, int32_t value);
  // Process-wide: a change affects every core in the process.
  int16_t CharacterSet() const;
  int16_t SetCharacterSet(int16_t charSet);  // 0, or -13 for an unknown set
  int16_t AutoCorrect() const { return state_.autoCorrect; }
  void SetAutoCorrect(int32_t value) { state_.autoCorrect = value != 0 ? 1 : 0; }

  // ---- Suggestion parameters, limited on the way in ----
  int16_t MaxSuggestions() const { return maxSuggestions_; }
  void SetMaxSuggestions(int16_t value);
  int16_t MinSuggestionDepth() const { return minSuggestionDepth_; }
  void SetMinSuggestionDepth(int16_t value);
  int16_t SuggestionDepth() const { return state_.suggestDepth; }
  void SetSuggestionDepth(int16_t value);
  int16_t SuggestionDepthIncrement() const { return suggestionDepthIncrement_; }
  void SetSuggestionDepthIncrement(int16_t value);
  int16_t MinSuggestionScore() const { return minSuggestionScore_; }
  void SetMinSuggestionScore(int16_t value);
  int16_t SuggestionScoreRange() const { return suggestionScoreRange_; }
  void SetSuggestionScoreRange(int16_t value);

  CheckState& State() { return state_; }
  const CheckState& State() const { return state_; }

  // ---- Dictionary lists (dictionary_lists.cpp). Names are full paths. Results: 0 or more is
  // success, negative values are engine result codes. ----
  // Closes everything, then opens both lists anew, keeping in each list text only the names that
  // opened; the last failure, or 0.
  int16_t OpenDictionaryLists();
  // Closes every listed dictionary; the list texts stay.
  void CloseDictionaries();
  int16_t SetList(DictionaryKind kind, std::string_view listText);
  // Both lists with one opening, where two SetList calls would open the main list twice.
  int16_t SetLists(std::string_view mainText, std::string_view userText);
  // 0 without change when the name is listed already; -8 when the list text would grow too long.
  int16_t AddDictionary(DictionaryKind kind, std::string_view name);
  int16_t RemoveDictionary(DictionaryKind kind, std::string_view name);
  const std::string& ListText(DictionaryKind kind) const { return List(kind).text; }
  const std::vector<DictionaryEntry>& Dictionaries(DictionaryKind kind) const {
    return List(kind).entries;
  }

  // ---- Words of user dictionaries (user_dictionary.cpp) ----
  // Null or empty: the temporary dictionary; else a listed user dictionary; -4 when not listed.
  int16_t FindUserDictionary(const char* name) const;
  // Creates a new text lexicon file and adds it to the user list.
  int16_t CreateUserDictionary(const char* name, int16_t language);
  // On a listed dictionary: the engine's result. On any other file, opened for this call only:
  // the open's failure, else 0 (a rejected word is only logged).
  int16_t AddToUserDictionary(const char* name, const char* word, int16_t action,
                              const char* otherWord);
  // As AddToUserDictionary, but a file opened for the call returns the delete's result.
  int16_t DeleteFromUserDictionary(const char* name, const char* word);
  // The word's action code with its other word, -3 when absent, or the lookup's failure; the
  // other word is empty unless the word was found.
  int16_t FindUserDictionaryWord(const char* name, const char* word,
                                 std::array<char, TROV_WORD_BUFFER>& otherWord) const;
  // The index-th word (a negative index gives the first; past the end, ""). The text lives in the
  // core until the next call.
  const char* UserDictionaryWordAt(const char* name, int32_t index);
  // Number of words, or a negative result code.
  int32_t UserDictionaryWordCountOf(const char* name) const;
  // Every word in the dictionary's order from one listing (walking by index lists it once per
  // word); empty when it cannot be read.
  std::vector<std::string> UserDictionaryWordsOf(const char* name) const;
  void ClearTempDictionary();

 private:
  struct DictionaryList {
    std::string text;                      // comma-separated, at most kDictionaryListLimit
    std::vector<DictionaryEntry> entries;  // the open ones, in list order
  };
  enum class ListingStep { kInfo, kAllocate, kList };
  struct Listing;

  int16_t Create();
  void FreeTables();
  DictionaryList& List(DictionaryKind kind) {
    return kind == DictionaryKind::kMain ? main_ : user_;
  }
  const DictionaryList& List(DictionaryKind kind) const {
    return kind == DictionaryKind::kMain ? main_ : user_;
  }
  int16_t OpenList(DictionaryList& list);
  int16_t ListedUserDictionary(std::string_view name) const;
  int16_t OpenForOneCall(const char* name) const;
  int16_t ReadListing(int16_t lexicon, Listing& listing, ListingStep& failedStep) const;
  // Reads kWordFrequencyFile from the module directory into the session; a failure is logged.
  void LoadWordFrequencies();

  std::string moduleDirectory_;
  std::string userDictionaryDirectory_;  // empty: the module directory
  int16_t session_ = -1;
  int16_t tempLexicon_ = -1;
  int16_t createResult_ = -1;
  DictionaryList main_;
  DictionaryList user_;
  int32_t memoryBudget_ = 0;
  bool restricted_ = false;
  int16_t errorCode_ = 0;
  int16_t maxSuggestions_ = kDefaultMaxSuggestions;
  int16_t minSuggestionDepth_ = kDefaultMinSuggestionDepth;
  int16_t minSuggestionScore_ = kDefaultMinSuggestionScore;
  int16_t suggestionDepthIncrement_ = kDefaultSuggestionDepthIncrement;
  int16_t suggestionScoreRange_ = kDefaultSuggestionScoreRange;
  CheckState state_;
  std::array<char, TROV_WORD_BUFFER> listedWord_{};  // UserDictionaryWordAt's result
};

}  // namespace trov

#endif  // VANTOR_CONTROL_CORE_H
