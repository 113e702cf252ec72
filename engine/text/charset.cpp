// The ten character sets. Each set is written down as the readable lists it is defined by, and its
// four 256-entry tables are generated from those lists at compile time, so every table can be
// checked against its list line by line and no table is ever built or copied at run time.
#include "text/charset.h"

#include <algorithm>

namespace trov {
namespace {

// The lists of one set. A code list is "CODE, FIRST-LAST, ..." in hex; a pair list is
// "FROM to TO, ..."; base letters are "L: code list; L: code list". "" is an empty list.
struct CharSetLists {
  const char* space = "";         // class 0x08
  const char* digits = "";        // class 0x02
  const char* punctuation = "";   // class 0x04
  const char* upperLetters = "";  // class 0x21
  const char* upperVowels = "";   // class 0x61
  const char* lowerLetters = "";  // class 0x11
  const char* lowerVowels = "";   // class 0x51
  const char* lowerPlus20 = "";   // to-lower: code + 0x20
  const char* lowerPairs = "";    // to-lower: single pairs
  const char* upperMinus20 = "";  // to-upper: code - 0x20
  const char* upperPairs = "";    // to-upper: single pairs
  const char* baseLetters = "";
};

// Codes 00-7F, the same in every set. The letters are their own base letters (added by
// BuildCharSet rather than listed 26 times).
constexpr CharSetLists kSharedAscii = {
    .space = "09, 0A, 0D, 20",
    .digits = "30-39",
    .punctuation = "21-2F, 3A-40, 5B-60, 7B-7F",
    .upperLetters = "42-44, 46-48, 4A-4E, 50-54, 56-5A",
    .upperVowels = "41, 45, 49, 4F, 55",
    .lowerLetters = "62-64, 66-68, 6A-6E, 70-74, 76-7A",
    .lowerVowels = "61, 65, 69, 6F, 75",
    .lowerPlus20 = "41-5A",
    .upperMinus20 = "61-7A",
};

// Codes 80-FF of sets 1 to 10 (ISO 8859-1 to -10; set 1 adds the letters of Windows code page
// 1252 at 8A, 8C, 8E, 9A, 9C, 9E and 9F).
constexpr CharSetLists kSet1 = {
    .punctuation = "92-99, 9B, A1-BF, D7, F7",
    .upperLetters = "8A, 8E, 9F, C7, D0-D1, DD-DE",
    .upperVowels = "8C, C0-C6, C8-CF, D2-D6, D8-DC",
    .lowerLetters = "9A, 9E, DF, E7, F1, FD-FF",
    .lowerVowels = "9C, E0-E6, E8-F0, F2-F6, F8-FC",
    .lowerPlus20 = "C0-D6, D8-DE",
    .lowerPairs = "8A to 9A, 8C to 9C, 8E to 9E, 9F to FF",
    .upperMinus20 = "E0-F6, F8-FE",
    .upperPairs = "9A to 8A, 9C to 8C, 9E to 8E, FF to 9F",
    .baseLetters =
        "A: C0-C6, E0-E6; C: C7, E7; E: C8-CB, E8-EB; I: CC-CF, EC-EF; N: D1, F1; "
        "O: D2-D6, D8, F2-F6, F8; S: DF; U: D9-DC, F9-FC; Y: DD, FD, FF",
};

constexpr CharSetLists kSet2 = {
    .punctuation = "A2, A4, A7-A8, AD, B0, B2, B4, B7-B8, BD, D7, F7",
    .upperLetters = "A3, A5-A6, A9-AC, AE-AF, C0, C5-C8, CF-D2, D8, DD-DF",
    .upperVowels = "A1, C1-C4, C9-CE, D3-D6, D9-DC",
    .lowerLetters = "B3, B5-B6, B9-BC, BE-BF, E0, E5-E8, EF-F2, F8, FD-FF",
    .lowerVowels = "B1, E1-E4, E9-EE, F3-F6, F9-FC",
    .lowerPlus20 = "C0-D6, D8-DE",
    .lowerPairs =
        "A1 to B1, A3 to B3, A5 to B5, A6 to B6, A9 to B9, AA to BA, AB to BB, "
        "AC to BC, AE to BE, AF to BF",
    .upperMinus20 = "E0-F6, F8-FF",
    .upperPairs =
        "B1 to A1, B3 to A3, B5 to A5, B6 to A6, B9 to A9, BA to AA, BB to AB, "
        "BC to AC, BE to AE, BF to AF",
    .baseLetters =
        "A: A1, B1, C1-C4, E1-E4; C: C6-C8, E6-E8; D: CF-D0, EF-F0; E: C9-CC, E9-EC; "
        "I: CD-CE, ED-EE; L: A3, A5, B3, B5, C5, E5; N: D1-D2, F1-F2; "
        "O: D3-D6, F3-F6; R: C0, D8, E0, F8; S: A6, A9-AA, B6, B9-BA, DF; "
        "T: AB, BB, FE; U: D9-DC, F9-FC; Y: DD-DE, FD; Z: AC, AE-AF, BC, BE-BF",
};

constexpr CharSetLists kSet3 = {
    .punctuation = "A2-A4, A7-A8, AD, B0, B2-B5, B7-B8, BD, D7, F7",
    .upperLetters = "A1, A6, AA-AC, AF, C5-C7, D1, D5-D6, D8, DE-DF",
    .upperVowels = "A9, C0-C2, C4, C8-CF, D2-D4, D9-DD",
    .lowerLetters = "B1, B6, BA-BC, BF, E5-E7, F1, F5-F6, F8, FE",
    .lowerVowels = "B9, E0-E2, E4, E8-EF, F2-F4, F9-FD",
    .lowerPlus20 = "C0-C2, C4-CF, D1-D6, D8-DE",
    .lowerPairs = "A1 to B1, A6 to B6, A9 to B9, AA to BA, AB to BB, AC to BC, AF to BF",
    .upperMinus20 = "E0-E2, E4-EF, F1-F6, F8-FE",
    .upperPairs = "B1 to A1, B6 to A6, B9 to A9, BA to AA, BB to AB, BC to AC, BF to AF",
    .baseLetters =
        "A: C0-C2, C4, E0-E2, E4; C: C5-C7, E5-E7; E: C8-CB, E8-EB; "
        "G: AB, BB, D5, D8, F5, F8; H: A1, A6, B1, B6; I: A9, B9, CC-CF, EC-EF; "
        "J: AC, BC; N: D1, F1; O: D2-D4, D6, F2-F4, F6; S: AA, BA, DE-DF, FE; "
        "U: D9-DD, F9-FD; Z: AF, BF",
};

// F7 is division-sign punctuation in this set, so it has no base letter although it sits in the
// middle of the run of U letters F8-FC.
constexpr CharSetLists kSet4 = {
    .punctuation = "A4, A7-A8, AD, AF-B0, B2, B4, B7-B8, D7, F7, FF",
    .upperLetters = "A2-A3, A6, A9, AB-AC, AE, C8, D0-D1, D3, DF",
    .upperVowels = "A1, A5, AA, C0-C7, C9-CF, D2, D4-D6, D8-DE",
    .lowerLetters = "B3, B6, B9, BB-BF, E8, F0-F1, F3",
    .lowerVowels = "B1, B5, BA, E0-E7, E9-EF, F2, F4-F6, F8-FE",
    .lowerPlus20 = "C0-D6, D8-DE",
    .lowerPairs =
        "A1 to B1, A3 to B3, A5 to B5, A6 to B6, A9 to B9, AA to BA, AB to BB, "
        "AC to BC, AE to BE",
    .upperMinus20 = "E0-F6, F8-FE",
    .upperPairs =
        "B1 to A1, B3 to A3, B5 to A5, B6 to A6, B9 to A9, BA to AA, BB to AB, "
        "BC to AC, BE to AE",
    .baseLetters =
        "A: A1, B1, C0-C6, DF-E5; C: C8, E7; D: D0, EF; E: AA, BA, C9-CC, E8-EB; "
        "G: AB, BB; I: A5, B5, C7, CD-CF, E6, EC-EE; K: A2, D3, F2; L: A6, B6; "
        "N: BD, BF, D1, F0; O: D2, D4-D6, F1, F3-F5; R: A3, B3; S: A9, B9, DE; "
        "T: AC, BC; U: D8-DD, F8-FC; Z: AE, BE",
};

constexpr CharSetLists kSet5 = {
    .punctuation = "AD, F0, F7",
    .upperLetters = "A1-AC, AE-BF, C7",
    .upperVowels = "C0-C6, C8-CF",
    .lowerLetters = "D0-D1, DD-DF, E7, F1, FD-FF",
    .lowerVowels = "D2-DC, E0-E6, E8-EF, F2-F6, F8-FC",
    .lowerPlus20 = "B0-CF",
    .lowerPairs =
        "A1 to F1, A2 to F2, A3 to F3, A4 to F4, A5 to F5, A6 to F6, A8 to F8, "
        "A9 to F9, AA to FA, AB to FB, AC to FC, AE to FE, AF to FF",
    .upperMinus20 = "D0-EF",
    .upperPairs =
        "F1 to A1, F2 to A2, F3 to A3, F4 to A4, F5 to A5, F6 to A6, F8 to A8, "
        "F9 to A9, FA to AA, FB to AB, FC to AC, FE to AE, FF to AF",
};

constexpr CharSetLists kSet6 = {
    .punctuation = "A4, AC-AD, BB, BF, EB-F0",
    .upperLetters = "C1-DA, E0-EA, F1-F2",
};

constexpr CharSetLists kSet7 = {
    .punctuation = "A1-A3, A6-A9, AB-AD, AF-B5, B7, BB-BD",
    .upperLetters = "B9, BE, C0, C2-C4, C6-C8, CA-CE, D0-D1, D3-DB",
    .upperVowels = "B6, B8, BA, BF, C1, C5, C9, CF",
    .lowerLetters = "DE, E0, E2-E4, E6-E8, EA-EE, F0-FE",
    .lowerVowels = "DC-DD, DF, E1, E5, E9, EF",
    .lowerPlus20 = "C0-D1, D3-D6, D8-DB",
    .upperMinus20 = "DF-F1, F3-F6, F8-FB",
};

constexpr CharSetLists kSet8 = {
    .punctuation = "A2-BE, DF",
    .upperLetters = "E0-FA",
};

constexpr CharSetLists kSet9 = {
    .punctuation = "A1-BF, D7, F7",
    .upperLetters = "C7, CF-D1, DE-DF",
    .upperVowels = "C0-C6, C8-CE, D2-D6, D8-DD",
    .lowerLetters = "E7, F0-F1, FE-FF",
    .lowerVowels = "E0-E6, E8-EF, F2-F6, F8-FD",
    .lowerPlus20 = "C0-D6, D8-DE",
    .upperMinus20 = "E0-F6, F8-FF",
    .baseLetters =
        "A: C0-C6, E0-E6; C: C7, E7; E: C8-CB, E8-EB; G: D0, F0; "
        "I: CC-CF, DD, EC-EF, FD; N: D1, F1; O: D2-D6, D8, F2-F6, F8; "
        "S: DE-DF, FE; U: D9-DC, F9-FC; Y: FF",
};

constexpr CharSetLists kSet10 = {
    .punctuation = "A7, AD, B0, B7",
    .upperLetters = "A3, A6, A8-AC, AF, C8, D0-D1, DD-DF",
    .upperVowels = "A1-A2, A4-A5, AE, C0-C7, C9-CF, D2-DC",
    .lowerLetters = "B3, B6, B8-BD, BF, F1, FD-FF",
    .lowerVowels = "B1-B2, B4-B5, BE, E0-F0, F2-FC",
    .lowerPlus20 = "C0-D6, D8-DE",
    .lowerPairs =
        "A1 to B1, A3 to B3, A5 to B5, A6 to B6, A9 to B9, AA to BA, AB to BB, "
        "AC to BC, AE to BE, AF to BF",
    .upperMinus20 = "E0-F6, F8-FF",
    .upperPairs =
        "B1 to A1, B3 to A3, B5 to A5, B6 to A6, B9 to A9, BA to AA, BB to AB, "
        "BC to AC, BE to AE, BF to AF",
    .baseLetters =
        "A: A1, B1, C0-C6, E0-E6; C: C8, E8; D: A9, B9, D0, F0; "
        "E: A2, B2, C9-CC, E9-EC; G: A3, B3; I: A4-A5, B4-B5, C7, CD-CF, E7, ED-EF; "
        "K: A6, B6, FF; L: A8, B8; N: AF, BF, D1, F1; O: D2-D6, D8, F2-F6, F8; "
        "P: DE, FE; S: AA, BA, DF; T: AB, BB; U: AE, BE, D7, D9-DC, F7, F9-FC; "
        "Y: DD, FD; Z: AC, BC",
};

// Deliberately not constexpr: reaching one of these while the tables are generated stops the
// compilation, so a slip in a list can never become wrong table data.
void ListIsMalformed() {}
void CodeListedTwice() {}
void MapOrBaseOnNonLetter() {}

// Reads the list syntax above, one token at a time.
class ListReader {
 public:
  constexpr explicit ListReader(const char* text) : next_(text) {}

  constexpr bool AtEnd() {
    SkipBlanks();
    return *next_ == '\0';
  }
  constexpr bool Accept(char c) {
    SkipBlanks();
    if (*next_ != c) return false;
    ++next_;
    return true;
  }
  constexpr void Expect(const char* word) {
    SkipBlanks();
    for (; *word != '\0'; ++word, ++next_) {
      if (*next_ != *word) ListIsMalformed();
    }
  }
  constexpr char Letter() {
    SkipBlanks();
    if (*next_ < 'A' || *next_ > 'Z') ListIsMalformed();
    return *next_++;
  }
  constexpr int Code() {
    SkipBlanks();
    const int high = HexDigit(*next_++);
    const int low = HexDigit(*next_++);
    return high * 16 + low;
  }
  // Calls visit for every code of a code list, up to the end of the text or a ';'.
  template <typename Visit>
  constexpr void Codes(Visit visit) {
    if (AtEnd() || Accept(';')) ListIsMalformed();
    do {
      const int first = Code();
      const int last = Accept('-') ? Code() : first;
      if (last < first) ListIsMalformed();
      for (int code = first; code <= last; ++code) visit(static_cast<uint8_t>(code));
    } while (Accept(','));
  }

 private:
  static constexpr int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    ListIsMalformed();
    return 0;
  }
  constexpr void SkipBlanks() {
    while (*next_ == ' ') ++next_;
  }

  const char* next_;
};

template <typename Visit>
constexpr void ForEachCode(const char* list, Visit visit) {
  ListReader reader(list);
  if (reader.AtEnd()) return;
  reader.Codes(visit);
  if (!reader.AtEnd()) ListIsMalformed();
}

template <typename Visit>
constexpr void ForEachPair(const char* list, Visit visit) {
  ListReader reader(list);
  if (reader.AtEnd()) return;
  do {
    const int from = reader.Code();
    reader.Expect("to");
    const int to = reader.Code();
    visit(static_cast<uint8_t>(from), static_cast<uint8_t>(to));
  } while (reader.Accept(','));
  if (!reader.AtEnd()) ListIsMalformed();
}

// Every code belongs to at most one class line.
constexpr void AssignClass(CharSetTables& set, const char* list, uint8_t classBits) {
  ForEachCode(list, [&](uint8_t code) {
    if (set.classes[code] != 0) CodeListedTwice();
    set.classes[code] = classBits;
  });
}

// A case map only ever turns a letter of one case into a letter of the other.
constexpr void MapCase(std::array<uint8_t, 256>& map, const CharSetTables& set, uint8_t code,
                       int target, uint8_t fromCase, uint8_t toCase) {
  if (target < 0 || target > 255) ListIsMalformed();
  if (map[code] != code) CodeListedTwice();
  if (!(set.classes[code] & fromCase) || !(set.classes[target] & toCase)) MapOrBaseOnNonLetter();
  map[code] = static_cast<uint8_t>(target);
}

constexpr void AddLists(CharSetTables& set, const CharSetLists& lists) {
  AssignClass(set, lists.space, kClassSpace);
  AssignClass(set, lists.digits, kClassDigit);
  AssignClass(set, lists.punctuation, kClassPunctuation);
  AssignClass(set, lists.upperLetters, kClassLetter | kClassUpper);
  AssignClass(set, lists.upperVowels, kClassLetter | kClassUpper | kClassVowel);
  AssignClass(set, lists.lowerLetters, kClassLetter | kClassLower);
  AssignClass(set, lists.lowerVowels, kClassLetter | kClassLower | kClassVowel);

  ForEachCode(lists.lowerPlus20, [&](uint8_t code) {
    MapCase(set.lower, set, code, code + 0x20, kClassUpper, kClassLower);
  });
  ForEachPair(lists.lowerPairs, [&](uint8_t from, uint8_t to) {
    MapCase(set.lower, set, from, to, kClassUpper, kClassLower);
  });
  ForEachCode(lists.upperMinus20, [&](uint8_t code) {
    MapCase(set.upper, set, code, code - 0x20, kClassLower, kClassUpper);
  });
  ForEachPair(lists.upperPairs, [&](uint8_t from, uint8_t to) {
    MapCase(set.upper, set, from, to, kClassLower, kClassUpper);
  });

  ListReader reader(lists.baseLetters);
  if (reader.AtEnd()) return;
  do {
    const char letter = reader.Letter();
    reader.Expect(":");
    reader.Codes([&](uint8_t code) {
      if (set.base[code] != 0) CodeListedTwice();
      if (!(set.classes[code] & kClassLetter)) MapOrBaseOnNonLetter();
      set.base[code] = static_cast<uint8_t>(letter);
    });
  } while (reader.Accept(';'));
  if (!reader.AtEnd()) ListIsMalformed();
}

constexpr CharSetTables BuildCharSet(const CharSetLists& upperHalf) {
  CharSetTables set{};
  for (int code = 0; code < 256; ++code) {
    set.lower[code] = static_cast<uint8_t>(code);
    set.upper[code] = static_cast<uint8_t>(code);
  }
  AddLists(set, kSharedAscii);
  for (int letter = 'A'; letter <= 'Z'; ++letter) {
    set.base[letter] = static_cast<uint8_t>(letter);
    set.base[letter + 0x20] = static_cast<uint8_t>(letter);
  }
  AddLists(set, upperHalf);
  return set;
}

constexpr std::array<CharSetTables, kLastCharSet> kCharSets = {
    BuildCharSet(kSet1), BuildCharSet(kSet2),  BuildCharSet(kSet3), BuildCharSet(kSet4),
    BuildCharSet(kSet5), BuildCharSet(kSet6),  BuildCharSet(kSet7), BuildCharSet(kSet8),
    BuildCharSet(kSet9), BuildCharSet(kSet10),
};

bool IsCharSetId(int id) { return id >= kFirstCharSet && id <= kLastCharSet; }

template <typename Fold>
int CompareBytes(const char* a, const char* b, Fold fold) {
  const auto* x = reinterpret_cast<const unsigned char*>(a);
  const auto* y = reinterpret_cast<const unsigned char*>(b);
  while (*x != '\0' && fold(*x) == fold(*y)) {
    ++x;
    ++y;
  }
  const unsigned char fx = fold(*x);
  const unsigned char fy = fold(*y);
  return fx < fy ? -1 : (fx > fy ? 1 : 0);
}

template <typename Fold>
int MatchPattern(const char* pattern, const char* word, Fold fold) {
  const auto* p = reinterpret_cast<const unsigned char*>(pattern);
  const auto* w = reinterpret_cast<const unsigned char*>(word);
  for (; *p != '\0' && *w != '\0'; ++p, ++w) {
    if (*p != '?' && fold(*p) != fold(*w)) return 0;
  }
  return *p == '\0' && *w == '\0' ? 100 : 0;
}

unsigned char Unchanged(unsigned char c) { return c; }

}  // namespace

namespace detail {
constinit std::atomic<const CharSetTables*> selectedCharSet{&kCharSets[0]};
}  // namespace detail

const CharSetTables& CharSetById(int id) {
  // Callers pass validated ids; clamping keeps a stray one from reading outside the array.
  return kCharSets[std::clamp(id, kFirstCharSet, kLastCharSet) - 1];
}

bool SelectCharSet(int id) {
  if (!IsCharSetId(id)) return false;
  detail::selectedCharSet.store(&kCharSets[id - 1], std::memory_order_relaxed);
  return true;
}

int SelectedCharSetId() {
  return static_cast<int>(&SelectedCharSet() - kCharSets.data()) + kFirstCharSet;
}

int NextWithSameBase(unsigned char base, int after) {
  const CharSetTables& set = SelectedCharSet();
  // Code 0 is the answer "none", so the search never returns it.
  for (int code = std::max(after + 1, 1); code < 256; ++code) {
    if (set.base[code] == base) return code;
  }
  return 0;
}

int ExactCompare(const char* a, const char* b) { return CompareBytes(a, b, Unchanged); }

int CaselessCompare(const char* a, const char* b) { return CompareBytes(a, b, ToLower); }

int PatternMatch(const char* pattern, const char* word) {
  return MatchPattern(pattern, word, Unchanged);
}

int CaselessPatternMatch(const char* pattern, const char* word) {
  return MatchPattern(pattern, word, ToLower);
}

}  // namespace trov
