#include "suggest/collect_suggestions.h"

#include <cstring>
#include <string>

#include "suggest/phonetic.h"
#include "suggest/typo_score.h"
#include "text/charset.h"
#include "check/check_driver.h"
#include "text/word_forms.h"
#include "trov.h"

namespace trov {
namespace {

constexpr int16_t kProvisionalScore = 100;

// What every step needs: the lexicons, the options, the list and the words it works from.
struct Search {
  const char* word;  // the caller's word, cut to 80 characters
  char key[TROV_WORD_BUFFER];
  int16_t depth;
  Lexicon* const* lexicons;
  int32_t lexiconCount;
  uint32_t options;
  SuggestionList& list;
  int32_t countAtEntry;

  bool Has(uint32_t option) const { return (options & option) != 0; }
};

// A candidate passes when the check driver finds no problem word in it.
bool Passes(const Search& search, const char* candidate, uint32_t options) {
  char word[TROV_WORD_BUFFER];
  int32_t offset = 0;
  return RunCheck(candidate, kLengthUnknown, search.lexicons, options, &offset, word, sizeof word,
                  nullptr, 0) == TROV_RESULT_END_OF_TEXT;
}

// The lexicons are visited from the last slot to the first in every step.
template <typename Visit>
void ForEachLexiconBackwards(const Search& search, Visit visit) {
  for (int32_t i = search.lexiconCount - 1; i >= 0; --i) visit(*search.lexicons[i]);
}

void InsertIfPasses(Search& search, const std::string& candidate, uint32_t checkOptions) {
  // An empty candidate (the deletion of a one-letter word) is no suggestion: callers end the
  // returned list at the first empty word.
  if (candidate.empty()) return;
  if (Passes(search, candidate.c_str(), checkOptions)) {
    search.list.Insert(candidate.c_str(), kProvisionalScore);
  }
}

void TypographicalEdits(Search& search) {
  const uint32_t checkOptions =
      (search.options & ~TROV_OPT_SPLIT_WORDS) | TROV_OPT_SINGLE_WORD_MODE;
  const std::string key = search.key;
  if (!search.list.Full()) {
    for (size_t i = 1; i < key.size(); ++i) {
      std::string candidate = key;
      std::swap(candidate[i - 1], candidate[i]);
      const auto before = static_cast<unsigned char>(candidate[i - 1]);
      const auto after = static_cast<unsigned char>(candidate[i]);
      // A leading capital stays in front: 'Teh' gives 'Eth'.
      if (IsLower(before) && IsUpper(after)) {
        candidate[i - 1] = static_cast<char>(ToUpper(before));
        candidate[i] = static_cast<char>(ToLower(after));
      }
      InsertIfPasses(search, candidate, checkOptions);
    }
  }
  if (!search.list.Full()) {
    for (size_t i = 0; i < key.size(); ++i) {
      InsertIfPasses(search, std::string(key).erase(i, 1), checkOptions);
    }
  }
  if (!search.list.Full() && search.Has(TROV_OPT_STRIP_POSSESSIVES) && key.size() >= 2) {
    const char last = key.back();
    const auto beforeLast = static_cast<unsigned char>(key[key.size() - 2]);
    if ((last == 's' || last == 'S') && beforeLast != 0x27 && beforeLast != 0x92) {
      InsertIfPasses(search, std::string(key).insert(key.size() - 1, 1, '\''), checkOptions);
    }
  }
}

void MatchEverywhere(Search& search, const std::string& pattern) {
  const bool caseSensitive = search.Has(TROV_OPT_CASE_SENSITIVE);
  ForEachLexiconBackwards(search, [&](Lexicon& lexicon) {
    lexicon.MatchPattern(pattern.c_str(), caseSensitive, search.list);
  });
}

void WildcardEdits(Search& search) {
  const std::string key = search.key;
  if (!search.list.Full()) {
    for (size_t i = 0; i < key.size(); ++i) {
      std::string pattern = key;
      pattern[i] = '?';
      MatchEverywhere(search, pattern);
    }
  }
  if (!search.list.Full()) {
    for (size_t i = 0; i <= key.size(); ++i) {
      MatchEverywhere(search, std::string(key).insert(i, 1, '?'));
    }
  }
}

// Candidates of the edit steps were collected with a provisional score; score them once here.
void ScoreEdits(Search& search) {
  if (search.list.Count() <= search.countAtEntry) return;
  for (int32_t i = 0; i < search.list.Count(); ++i) {
    SuggestionEntry& entry = search.list[i];
    if (entry.score == kProvisionalScore) entry.score = TypoScore(search.key, entry.word);
  }
  search.list.SortByScore();
}

bool IsCompressedFile(const Lexicon& lexicon) {
  return lexicon.Type() == LEX_COMPRESSED_RESIDENT || lexicon.Type() == LEX_COMPRESSED_PAGED;
}

void Scans(Search& search) {
  // One scorer of each kind serves every lexicon: the word is prepared once.
  TypoScorer typo(search.key);
  PhoneticScorer phonetic(search.key);
  const auto scan = [&](Lexicon& lexicon) {
    if (search.Has(TROV_OPT_TYPOGRAPHICAL_SUGGESTIONS)) {
      lexicon.ScoreWords(search.depth, typo, search.list);
    }
    if (search.Has(TROV_OPT_PHONETIC_SUGGESTIONS)) {
      lexicon.ScoreWords(search.depth, phonetic, search.list);
    }
  };
  if (search.depth <= 30) {
    // Shallow calls try the small editable lexicons first and reach the main dictionaries only
    // when those offered nothing.
    if (search.list.Count() == search.countAtEntry) {
      ForEachLexiconBackwards(search, [&](Lexicon& lexicon) {
        if (!IsCompressedFile(lexicon)) scan(lexicon);
      });
    }
    if (search.list.Count() != search.countAtEntry && !search.Has(TROV_OPT_PHONETIC_SUGGESTIONS)) {
      return;
    }
  }
  ForEachLexiconBackwards(search, scan);
}

bool MeetsAt(const std::string& left, const std::string& right, bool (*is)(unsigned char)) {
  return is(static_cast<unsigned char>(left.back())) ||
         is(static_cast<unsigned char>(right.front()));
}

bool IsHyphen(unsigned char c) { return c == '-'; }
bool IsApostropheByte(unsigned char c) { return c == 0x27 || c == 0x92; }

void SplitWords(Search& search) {
  const uint32_t checkOptions = search.options & ~TROV_OPT_SPLIT_WORDS;
  const std::string key = search.key;
  for (size_t cut = 2; cut + 2 <= key.size(); ++cut) {
    const std::string left = key.substr(0, cut);
    const std::string right = key.substr(cut);
    if (search.Has(TROV_OPT_SPLIT_HYPHENATED_WORDS) && MeetsAt(left, right, IsHyphen)) continue;
    if (search.Has(TROV_OPT_SPLIT_CONTRACTED_WORDS) && MeetsAt(left, right, IsApostropheByte)) {
      continue;
    }
    if (!Passes(search, left.c_str(), checkOptions) ||
        !Passes(search, right.c_str(), checkOptions)) {
      continue;
    }
    const std::string candidate = left + " " + right;
    search.list.Insert(candidate.c_str(), TypoScore(search.word, candidate.c_str()));
  }
}

void InsertSpaced(Search& search, const std::string& candidate) {
  if (Passes(search, candidate.c_str(), search.options)) {
    search.list.Insert(candidate.c_str(), TypoScore(search.word, candidate.c_str()));
  }
}

void SpacesAtPunctuationAndDigits(Search& search) {
  const std::string word = search.word;
  size_t punctuationCount = 0;
  size_t punctuationAt = 0;
  bool hasDigit = false;
  for (size_t i = 0; i < word.size(); ++i) {
    const uint8_t type = CharClass(static_cast<unsigned char>(word[i]));
    if (type & kClassPunctuation) {
      ++punctuationCount;
      punctuationAt = i;
    }
    if (type & kClassDigit) hasDigit = true;
  }
  if (punctuationCount == 1 && word.size() <= 79) {
    InsertSpaced(search, std::string(word).insert(punctuationAt + 1, 1, ' '));
  }
  if (!hasDigit) return;
  std::string candidate;
  size_t spaces = 0;
  for (size_t i = 0; i < word.size(); ++i) {
    const auto c = static_cast<unsigned char>(word[i]);
    if (i > 0 && word.size() + spaces < TROV_MAX_WORD) {
      const auto previous = static_cast<unsigned char>(word[i - 1]);
      const bool digitAfterLetter = IsDigit(c) && IsLetter(previous);
      const bool letterAfterOther = IsLetter(c) && !IsLetter(previous);
      if (digitAfterLetter || letterAfterOther) {
        candidate += ' ';
        ++spaces;
      }
    }
    candidate += static_cast<char>(c);
  }
  InsertSpaced(search, candidate);
}

bool SameWord(const char* a, const char* b, bool caseSensitive) {
  return caseSensitive ? std::strcmp(a, b) == 0 : CaselessCompare(a, b) == 0;
}

void Finish(Search& search) {
  SuggestionList& list = search.list;
  const bool keepAccents = search.Has(TROV_OPT_ALLOW_ACCENTED_CAPS);
  for (int32_t i = 0; i < list.Count(); ++i) {
    TransferCase(search.word, keepAccents, list[i].word);
    RestorePossessive(search.word, search.options, list[i].word, sizeof list[i].word);
  }
  // Case transfer can make two suggestions equal; the better-ranked one stays.
  const bool caseSensitive = search.Has(TROV_OPT_CASE_SENSITIVE);
  for (int32_t i = 0; i < list.Count(); ++i) {
    for (int32_t j = i + 1; j < list.Count();) {
      if (SameWord(list[i].word, list[j].word, caseSensitive)) {
        list.RemoveAt(j);
      } else {
        ++j;
      }
    }
  }
}

int32_t CountLexicons(Lexicon* const* lexicons) {
  int32_t count = 0;
  while (lexicons[count] != nullptr) ++count;
  return count;
}

}  // namespace

int32_t CollectSuggestions(const char* word, int16_t depth, Lexicon* const* lexicons,
                           uint32_t options, SuggestionList& list) {
  char cutWord[TROV_WORD_BUFFER];
  std::strncpy(cutWord, word, TROV_MAX_WORD);
  cutWord[TROV_MAX_WORD] = '\0';
  Search search{cutWord, {}, depth, lexicons, CountLexicons(lexicons), options, list, list.Count()};
  if (NormaliseWord(cutWord, options, search.key) == 0) return list.Count();

  const bool typographical = search.Has(TROV_OPT_TYPOGRAPHICAL_SUGGESTIONS);
  if (typographical && depth >= 10) TypographicalEdits(search);
  if (typographical && depth >= 30) WildcardEdits(search);
  if (typographical) ScoreEdits(search);
  Scans(search);
  if (search.Has(TROV_OPT_SUGGEST_SPLIT_WORDS)) SplitWords(search);
  SpacesAtPunctuationAndDigits(search);
  Finish(search);
  return list.Count();
}

}  // namespace trov
