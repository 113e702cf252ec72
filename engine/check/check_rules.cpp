#include "check/check_rules.h"

#include <cstring>
#include <string>
#include <unordered_map>

#include "text/charset.h"
#include "text/word_forms.h"
#include "trov.h"

namespace trov {
namespace {

constexpr int16_t kChangeFlags = TROV_RESULT_AUTO_CHANGE | TROV_RESULT_COND_CHANGE;

int16_t FlagsOfAction(int16_t action) {
  switch (action) {
    case 'a':
    case 'A':
      return TROV_RESULT_AUTO_CHANGE;
    case 'c':
    case 'C':
      return TROV_RESULT_COND_CHANGE;
    case 'e':
      return TROV_RESULT_EXCLUDED;
    default:
      return 0;
  }
}

bool IsChangeAction(int16_t action) { return FlagsOfAction(action) & kChangeFlags; }

unsigned char ByteAt(const char* word, size_t i) { return static_cast<unsigned char>(word[i]); }

// The upper-case letters after own, in code order, built on the same base letter; none for a
// letter without base letter.
int32_t AccentedCapitalsAfter(unsigned char own, unsigned char (&out)[256]) {
  const unsigned char base = BaseLetter(own);
  int32_t count = 0;
  if (base == 0) return 0;
  for (int code = NextWithSameBase(base, own); code != 0; code = NextWithSameBase(base, code)) {
    if (IsUpper(static_cast<unsigned char>(code))) out[count++] = static_cast<unsigned char>(code);
  }
  return count;
}

// The accented forms of an all-capitals word, fewest changed letters first, each a lookup with
// accented capitals allowed. Every combination of a long word of vowels runs to astronomical
// numbers, so the search draws its forms from a budget that one whole check shares (the split
// word search may look up many parts); a real word carries few accents and is met long before.
class AccentSearch {
 public:
  AccentSearch(const char* word, Lexicon* const* lexicons, uint32_t options, char* replacement,
               int32_t replacementSize, int32_t& trialsLeft)
      : trialsLeft_(trialsLeft),
        lexicons_(lexicons),
        options_(options | TROV_OPT_ALLOW_ACCENTED_CAPS),
        replacement_(replacement),
        replacementSize_(replacementSize) {
    CopyBounded(trial_, sizeof trial_, word);
    for (int32_t i = 0; trial_[i] != '\0'; ++i) {
      Position& position = positions_[positionCount_];
      position.index = i;
      position.variantCount = AccentedCapitalsAfter(ByteAt(trial_, i), position.variants);
      if (position.variantCount > 0) ++positionCount_;
    }
  }

  int16_t Run() {
    for (int32_t changes = 0; changes <= positionCount_; ++changes) {
      if (TryChanges(0, changes)) return result_;
    }
    return TROV_RESULT_MISSPELLED;
  }

 private:
  struct Position {
    int32_t index;
    int32_t variantCount;
    unsigned char variants[256];
  };

  // Varies `changes` more positions from the first'th on; true once the search is over.
  bool TryChanges(int32_t first, int32_t changes) {
    if (changes == 0) return TryTrial();
    for (int32_t p = first; p + changes <= positionCount_; ++p) {
      Position& position = positions_[p];
      const char own = trial_[position.index];
      for (int32_t v = 0; v < position.variantCount; ++v) {
        trial_[position.index] = static_cast<char>(position.variants[v]);
        if (TryChanges(p + 1, changes - 1)) return true;
      }
      trial_[position.index] = own;
    }
    return false;
  }

  bool TryTrial() {
    if (trialsLeft_ <= 0) return true;
    --trialsLeft_;
    result_ = LookupWord(trial_, lexicons_, options_, replacement_, replacementSize_);
    return !(result_ & TROV_RESULT_MISSPELLED);
  }

  int32_t& trialsLeft_;
  Lexicon* const* lexicons_;
  uint32_t options_;
  char* replacement_;
  int32_t replacementSize_;
  char trial_[TROV_WORD_BUFFER];
  Position positions_[TROV_MAX_WORD];
  int32_t positionCount_ = 0;
  int16_t result_ = TROV_RESULT_MISSPELLED;
};

// Capitals are often written without their accents: tries the accented forms of word, each a
// lookup with accented capitals allowed, and returns the first that is not misspelled.
int16_t RestoreAccents(const char* word, Lexicon* const* lexicons, uint32_t options,
                       char* replacement, int32_t replacementSize, int32_t& trialsLeft) {
  if (word[0] == '\0') return TROV_RESULT_MISSPELLED;
  if (IsAllCapitals(word)) {
    return AccentSearch(word, lexicons, options, replacement, replacementSize, trialsLeft).Run();
  }
  // A capitalised word: only its first letter is varied.
  const uint32_t trialOptions = options | TROV_OPT_ALLOW_ACCENTED_CAPS;
  const unsigned char first = ByteAt(word, 0);
  if (!IsUpper(first)) return TROV_RESULT_MISSPELLED;
  char trial[TROV_WORD_BUFFER];
  CopyBounded(trial, sizeof trial, word);
  int16_t result = LookupWord(trial, lexicons, trialOptions, replacement, replacementSize);
  if (!(result & TROV_RESULT_MISSPELLED)) return result;
  const unsigned char base = BaseLetter(first);
  if (base == 0) return TROV_RESULT_MISSPELLED;
  for (int code = NextWithSameBase(base, first); code != 0; code = NextWithSameBase(base, code)) {
    trial[0] = static_cast<char>(code);
    result = LookupWord(trial, lexicons, trialOptions, replacement, replacementSize);
    if (!(result & TROV_RESULT_MISSPELLED)) return result;
  }
  return TROV_RESULT_MISSPELLED;
}

// The lookup, its accent restoration drawing on accentTrialsLeft.
int16_t LookupWithin(const char* word, Lexicon* const* lexicons, uint32_t options,
                     char* replacement, int32_t replacementSize, int32_t& accentTrialsLeft) {
  const bool caseSensitive = (options & TROV_OPT_CASE_SENSITIVE) != 0;
  int16_t action =
      FindInLexicons(word, word, lexicons, options, caseSensitive, replacement, replacementSize);
  if (action >= 0) return FlagsOfAction(action);
  if (caseSensitive && IsUpper(ByteAt(word, 0))) {
    // The word itself stays the pattern, so a change keeps its capital.
    char lowered[TROV_WORD_BUFFER];
    CopyBounded(lowered, sizeof lowered, word);
    lowered[0] = static_cast<char>(ToLower(ByteAt(lowered, 0)));
    action = FindInLexicons(lowered, word, lexicons, options, true, replacement, replacementSize);
    if (action >= 0) return FlagsOfAction(action);
  }
  if (caseSensitive && !HasLowerCaseLetter(word)) {
    action = FindInLexicons(word, word, lexicons, options, false, replacement, replacementSize);
    if (action >= 0) return FlagsOfAction(action);
  }
  if (options & TROV_OPT_ALLOW_ACCENTED_CAPS) return TROV_RESULT_MISSPELLED;
  return RestoreAccents(word, lexicons, options, replacement, replacementSize, accentTrialsLeft);
}

// What one top-level check shares across its recursive calls.
struct CheckContext {
  explicit CheckContext(Lexicon* const* slots) : lexicons(slots) {}

  Lexicon* const* lexicons;
  int32_t accentTrialsLeft = kMaxAccentTrials;
  // Whether a part of a split word checks clean, by options and part. Split points nest, so
  // without it a long word could check the same suffix exponentially often.
  std::unordered_map<std::string, bool> cleanParts;
};

int16_t CheckWordIn(CheckContext& context, const char* word, uint32_t options, char* replacement,
                    int32_t replacementSize, int32_t* offsetAdjustment);

bool ChecksClean(CheckContext& context, const char* part, uint32_t options) {
  std::string key(reinterpret_cast<const char*>(&options), sizeof options);
  key += part;
  if (const auto found = context.cleanParts.find(key); found != context.cleanParts.end()) {
    return found->second;
  }
  const bool clean = CheckWordIn(context, part, options, nullptr, 0, nullptr) == 0;
  context.cleanParts.emplace(std::move(key), clean);
  return clean;
}

// A word made of two words that both check clean (the second one may be capitalised).
bool SplitsIntoKnownWords(CheckContext& context, const char* word, uint32_t options) {
  const size_t length = std::strlen(word);
  char left[TROV_WORD_BUFFER];
  char right[TROV_WORD_BUFFER];
  for (size_t split = 2; split + 2 <= length; ++split) {
    std::memcpy(left, word, split);
    left[split] = '\0';
    if (!ChecksClean(context, left, options & ~TROV_OPT_SPLIT_WORDS)) continue;
    CopyBounded(right, sizeof right, word + split);
    if (ChecksClean(context, right, options)) return true;
    right[0] = static_cast<char>(ToUpper(ByteAt(right, 0)));
    if (ChecksClean(context, right, options)) return true;
  }
  return false;
}

// Checks the parts of a word split at its first hyphen or apostrophe; flags replaces the whole
// word's misspelling by what the parts say.
int16_t CheckParts(CheckContext& context, const char* word, uint32_t options, int16_t flags,
                   char* replacement, int32_t replacementSize, int32_t* offsetAdjustment) {
  char first[TROV_WORD_BUFFER];
  const char* rest = SplitOff(word, options, first);
  if (*rest == '\0') return flags;
  char partReplacement[TROV_WORD_BUFFER];
  const int16_t firstFlags =
      CheckWordIn(context, first, options, partReplacement, sizeof partReplacement, nullptr);
  const int16_t withoutMisspelling = static_cast<int16_t>(flags & ~TROV_RESULT_MISSPELLED);
  if (firstFlags == 0) {
    int32_t restAdjustment = static_cast<int32_t>(rest - word);
    const int16_t restFlags = CheckWordIn(context, rest, options, partReplacement,
                                          sizeof partReplacement, &restAdjustment);
    if (restFlags == 0) return withoutMisspelling;
    if (offsetAdjustment != nullptr) *offsetAdjustment += restAdjustment;
    CopyBounded(replacement, replacementSize, partReplacement);
    return static_cast<int16_t>(withoutMisspelling | restFlags);
  }
  if (firstFlags == TROV_RESULT_AUTO_CHANGE || firstFlags == TROV_RESULT_COND_CHANGE) {
    CopyBounded(replacement, replacementSize, partReplacement);
    return static_cast<int16_t>(withoutMisspelling | firstFlags);
  }
  return flags;
}

// The suggested spelling of a mixed-case word: lower case, capitalised if it began so
// (McDonald gives Mcdonald).
void WriteRegularCase(const char* word, char* replacement, int32_t replacementSize) {
  if (replacement == nullptr || replacementSize < 1) return;
  CopyBounded(replacement, replacementSize, word);
  for (size_t i = 0; replacement[i] != '\0'; ++i) {
    replacement[i] = static_cast<char>(ToLower(ByteAt(replacement, i)));
  }
  if (IsUpper(ByteAt(word, 0))) replacement[0] = static_cast<char>(ToUpper(ByteAt(replacement, 0)));
}

// Separates digits from letters with blanks (abc123 gives abc 123, 4th gives 4 th).
void WriteDigitsApart(const char* word, char* replacement, int32_t replacementSize) {
  if (replacement == nullptr || replacementSize < 1) return;
  const int32_t limit = replacementSize - 1;
  int32_t length = 0;
  for (size_t i = 0; word[i] != '\0' && length < limit; ++i) {
    const unsigned char c = ByteAt(word, i);
    if (i > 0) {
      const unsigned char before = ByteAt(word, i - 1);
      const bool blank = (IsDigit(c) && IsLetter(before)) || (IsLetter(c) && !IsLetter(before));
      if (blank) {
        replacement[length++] = ' ';
        if (length == limit) break;
      }
    }
    replacement[length++] = static_cast<char>(c);
  }
  replacement[length] = '\0';
}

bool HasLetterAndDigit(const char* word) {
  bool letter = false;
  bool digit = false;
  for (size_t i = 0; word[i] != '\0'; ++i) {
    letter = letter || IsLetter(ByteAt(word, i));
    digit = digit || IsDigit(ByteAt(word, i));
  }
  return letter && digit;
}

// A lower-case word that the lexicons know capitalised or in capitals; writes that form.
bool FindOtherCapitalisation(const char* word, Lexicon* const* lexicons, uint32_t options,
                             char* replacement, int32_t replacementSize) {
  char form[TROV_WORD_BUFFER];
  CopyBounded(form, sizeof form, word);
  form[0] = static_cast<char>(ToUpper(ByteAt(form, 0)));
  bool found = FindInLexicons(form, word, lexicons, options, true, nullptr, 0) >= 0;
  if (!found) {
    for (size_t i = 0; form[i] != '\0'; ++i) form[i] = static_cast<char>(ToUpper(ByteAt(form, i)));
    found = FindInLexicons(form, word, lexicons, options, true, nullptr, 0) >= 0;
  }
  if (found) CopyBounded(replacement, replacementSize, form);
  return found;
}

bool HasAccentedCapital(const char* word) {
  for (size_t i = 0; word[i] != '\0'; ++i) {
    const unsigned char c = ByteAt(word, i);
    if (IsUpper(c) && BaseLetter(c) != 0 && c != ToUpper(BaseLetter(c))) return true;
  }
  return false;
}

int16_t CheckWordIn(CheckContext& context, const char* word, uint32_t options, char* replacement,
                    int32_t replacementSize, int32_t* offsetAdjustment) {
  const bool mixedCase = HasMixedCase(word);
  char normal[TROV_WORD_BUFFER];
  if (NormaliseWord(word, options, normal) == 0) return 0;
  CopyBounded(replacement, replacementSize, word);
  if (IsIgnoredWord(normal, options)) return 0;

  int16_t flags = 0;
  if (options & TROV_OPT_CHECK_SPELLING) {
    flags = LookupWithin(normal, context.lexicons, options, replacement, replacementSize,
                         context.accentTrialsLeft);
    if (flags & TROV_RESULT_EXCLUDED) flags = TROV_RESULT_MISSPELLED;
    if ((flags & TROV_RESULT_MISSPELLED) && (options & TROV_OPT_SPLIT_WORDS) &&
        SplitsIntoKnownWords(context, normal, options)) {
      flags &= ~TROV_RESULT_MISSPELLED;
    }
    if ((flags & TROV_RESULT_MISSPELLED) &&
        (options & (TROV_OPT_SPLIT_HYPHENATED_WORDS | TROV_OPT_SPLIT_CONTRACTED_WORDS))) {
      flags = CheckParts(context, normal, options, flags, replacement, replacementSize,
                         offsetAdjustment);
    }
  }
  if ((options & TROV_OPT_CATCH_MIXED_CASE_WORDS) && mixedCase) {
    flags |= TROV_RESULT_MIXED_CASE;
    if (!(flags & kChangeFlags)) WriteRegularCase(normal, replacement, replacementSize);
  }
  if ((options & TROV_OPT_CATCH_WORDS_WITH_DIGITS) && HasLetterAndDigit(normal)) {
    flags |= TROV_RESULT_MIXED_DIGITS;
    if (!(flags & kChangeFlags)) WriteDigitsApart(normal, replacement, replacementSize);
  }
  if ((options & TROV_OPT_CATCH_CAPITALIZATION_ERRORS) && (options & TROV_OPT_CASE_SENSITIVE) &&
      (flags & TROV_RESULT_MISSPELLED) && IsLower(ByteAt(normal, 0)) &&
      FindOtherCapitalisation(normal, context.lexicons, options, replacement, replacementSize)) {
    flags |= TROV_RESULT_CAPITALIZATION;
  }
  if (!(options & TROV_OPT_ALLOW_ACCENTED_CAPS) && !(flags & TROV_RESULT_MISSPELLED) &&
      HasAccentedCapital(normal)) {
    flags |= TROV_RESULT_MISSPELLED;
  }
  RestorePossessive(word, options, replacement, replacementSize);
  return flags;
}

}  // namespace

int16_t FindInLexicons(const char* word, const char* pattern, Lexicon* const* lexicons,
                       uint32_t options, bool caseSensitive, char* replacement,
                       int32_t replacementSize) {
  for (Lexicon* const* lexicon = lexicons; *lexicon != nullptr; ++lexicon) {
    // The other word goes to a buffer of our own: only a change action makes it the
    // replacement, so an ignore or exclude entry never blanks the word shown to the user.
    char otherWord[TROV_WORD_BUFFER];
    otherWord[0] = '\0';
    const int16_t action = (*lexicon)->Find(word, caseSensitive, otherWord, sizeof otherWord);
    if (action < 0) continue;
    if (replacement != nullptr && replacementSize >= 1 && IsChangeAction(action)) {
      CopyBounded(replacement, replacementSize, otherWord);
      if (action == 'A' || action == 'C') {
        TransferCase(pattern, (options & TROV_OPT_ALLOW_ACCENTED_CAPS) != 0, replacement);
      }
    }
    return action;
  }
  return TROV_ERR_NOT_FOUND;
}

int16_t LookupWord(const char* word, Lexicon* const* lexicons, uint32_t options, char* replacement,
                   int32_t replacementSize) {
  int32_t accentTrials = kMaxAccentTrials;
  return LookupWithin(word, lexicons, options, replacement, replacementSize, accentTrials);
}

int16_t CheckWord(const char* word, Lexicon* const* lexicons, uint32_t options, char* replacement,
                  int32_t replacementSize, int32_t* offsetAdjustment) {
  CheckContext context(lexicons);
  return CheckWordIn(context, word, options, replacement, replacementSize, offsetAdjustment);
}

}  // namespace trov
