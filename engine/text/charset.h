// The ten 8-bit character sets and the operations every Part that looks at characters goes
// through. One set is selected for the whole process; the tables are constant data.
#ifndef TROV_CHARSET_H
#define TROV_CHARSET_H

#include <array>
#include <atomic>
#include <cstdint>

namespace trov {

// Class-table bits.
inline constexpr uint8_t kClassLetter = 0x01;
inline constexpr uint8_t kClassDigit = 0x02;
inline constexpr uint8_t kClassPunctuation = 0x04;
inline constexpr uint8_t kClassSpace = 0x08;
inline constexpr uint8_t kClassLower = 0x10;
inline constexpr uint8_t kClassUpper = 0x20;
inline constexpr uint8_t kClassVowel = 0x40;

inline constexpr int kFirstCharSet = 1;
inline constexpr int kLastCharSet = 10;

struct CharSetTables {
  std::array<uint8_t, 256> classes;  // bit mask per code
  std::array<uint8_t, 256> base;     // unaccented upper-case base letter A-Z, or 0
  std::array<uint8_t, 256> lower;    // to-lower map
  std::array<uint8_t, 256> upper;    // to-upper map
};

// The tables of set id (1..10); id must be valid.
const CharSetTables& CharSetById(int id);
// Selects set id for the process; false (selection unchanged) for an id outside 1..10.
bool SelectCharSet(int id);
int SelectedCharSetId();

namespace detail {
// Read without the lock by every scan; changed only while no other call runs.
extern std::atomic<const CharSetTables*> selectedCharSet;
}  // namespace detail

inline const CharSetTables& SelectedCharSet() {
  return *detail::selectedCharSet.load(std::memory_order_relaxed);
}

inline uint8_t CharClass(unsigned char c) { return SelectedCharSet().classes[c]; }
inline uint8_t BaseLetter(unsigned char c) { return SelectedCharSet().base[c]; }
inline unsigned char ToLower(unsigned char c) { return SelectedCharSet().lower[c]; }
inline unsigned char ToUpper(unsigned char c) { return SelectedCharSet().upper[c]; }
inline bool IsLetter(unsigned char c) { return CharClass(c) & kClassLetter; }
inline bool IsDigit(unsigned char c) { return CharClass(c) & kClassDigit; }
inline bool IsAlphanumeric(unsigned char c) { return CharClass(c) & (kClassLetter | kClassDigit); }
inline bool IsSpace(unsigned char c) { return CharClass(c) & kClassSpace; }
inline bool IsUpper(unsigned char c) { return CharClass(c) & kClassUpper; }
inline bool IsLower(unsigned char c) { return CharClass(c) & kClassLower; }
inline bool IsVowel(unsigned char c) { return CharClass(c) & kClassVowel; }

// The smallest code above after whose base letter is base, or 0 when there is none.
int NextWithSameBase(unsigned char base, int after);
// Byte-wise comparison as unsigned bytes: -1, 0 or 1.
int ExactCompare(const char* a, const char* b);
// The same on the to-lower form of every byte.
int CaselessCompare(const char* a, const char* b);
// 100 when pattern ('?' = any one character) matches the whole word, else 0.
int PatternMatch(const char* pattern, const char* word);
int CaselessPatternMatch(const char* pattern, const char* word);

}  // namespace trov

#endif  // TROV_CHARSET_H
