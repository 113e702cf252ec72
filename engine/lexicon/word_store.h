// What the two sorted word stores (the memory lexicon and the built-in word list) have in common:
// the words a store may hold, lookup, listing and the two suggestion traversals.
//
// A store offers Count(), WordAt(i), ActionAt(i) and OtherWordAt(i) (null when the entry has no
// other word). Its entries are in strictly ascending byte order of their words, which is what
// lets exact lookups binary-search and case-sensitive pattern scans stop early.
#ifndef TROV_WORD_STORE_H
#define TROV_WORD_STORE_H

#include <cstdint>
#include <cstring>

#include "lexicon/lexicon.h"
#include "scan/suggestion_list.h"
#include "text/charset.h"
#include "trov.h"

namespace trov {

// 0 when every byte of word is at least 0x20 and has a class in the selected character set;
// otherwise logs "AddWord: <word> contains invalid character (0x<byte>)" and answers -19.
int16_t CheckStorableWord(const char* word);

// Score given to the other word of a change entry whose word is the one being corrected.
inline constexpr int16_t kChangeEntryScore = 99;

// Index of the entry whose word is byte for byte word, or -1.
template <typename Store>
int32_t ExactIndex(const Store& store, const char* word) {
  int32_t low = 0;
  int32_t high = store.Count() - 1;
  while (low <= high) {
    const int32_t middle = low + (high - low) / 2;
    // Most probes differ in the first byte: settle those without the call.
    const char* entry = store.WordAt(middle);
    const auto wordFirst = static_cast<unsigned char>(word[0]);
    const auto entryFirst = static_cast<unsigned char>(entry[0]);
    const int order =
        wordFirst != entryFirst ? (wordFirst < entryFirst ? -1 : 1) : ExactCompare(word, entry);
    if (order == 0) return middle;
    if (order < 0) {
      high = middle - 1;
    } else {
      low = middle + 1;
    }
  }
  return -1;
}

// Where word belongs: the first entry whose word is not below it, or Count(). A binary search
// finds the same place a scan from the start would.
template <typename Store>
int32_t InsertPosition(const Store& store, const char* word) {
  int32_t low = 0;
  int32_t high = store.Count();
  while (low < high) {
    const int32_t middle = low + (high - low) / 2;
    if (ExactCompare(store.WordAt(middle), word) < 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

// Case-sensitive: the entry holding exactly word. Otherwise the first entry, in byte order,
// whose word equals it through the to-lower table. Copies the other word (empty when none) into
// otherWord when given; answers the action code or -3, leaving otherWord untouched on -3.
template <typename Store>
int16_t FindInStore(const Store& store, const char* word, bool caseSensitive, char* otherWord,
                    int16_t otherWordSize) {
  int32_t index = -1;
  if (caseSensitive) {
    index = ExactIndex(store, word);
  } else {
    // The first letters, compared first, settle nearly every entry of the scan.
    const unsigned char first = ToLower(static_cast<unsigned char>(word[0]));
    for (int32_t i = 0; i < store.Count() && index < 0; ++i) {
      const char* entry = store.WordAt(i);
      if (ToLower(static_cast<unsigned char>(entry[0])) != first) continue;
      if (CaselessCompare(word, entry) == 0) index = i;
    }
  }
  if (index < 0) return TROV_ERR_NOT_FOUND;
  if (otherWord != nullptr && otherWordSize > 0) {
    const char* other = store.OtherWordAt(index);
    const std::size_t length = other ? std::strlen(other) : 0;
    const std::size_t kept = length < static_cast<std::size_t>(otherWordSize - 1)
                                 ? length
                                 : static_cast<std::size_t>(otherWordSize - 1);
    if (kept > 0) std::memcpy(otherWord, other, kept);
    otherWord[kept] = '\0';
  }
  return static_cast<int16_t>(store.ActionAt(index));
}

// Bytes one entry takes in a listing: word, tab, action letter, other word, NUL.
template <typename Store>
int64_t ListedEntrySize(const Store& store, int32_t index) {
  const char* other = store.OtherWordAt(index);
  const std::size_t otherLength = other ? std::strlen(other) : 0;
  return static_cast<int64_t>(std::strlen(store.WordAt(index)) + otherLength + 3);
}

// The listing's size: every entry plus the closing NUL.
template <typename Store>
int64_t ListSizeOfStore(const Store& store) {
  int64_t size = 1;
  for (int32_t i = 0; i < store.Count(); ++i) size += ListedEntrySize(store, i);
  return size;
}

// Writes every entry as word, tab, action letter, other word and NUL, then one more NUL; the
// number of entries, or -8 when the buffer cannot take the next entry and the closing NUL.
template <typename Store>
int32_t ListStore(const Store& store, char* buffer, int32_t bufferSize) {
  if (buffer == nullptr || bufferSize < 1) return TROV_ERR_BUFFER_FULL;
  int64_t used = 0;
  for (int32_t i = 0; i < store.Count(); ++i) {
    if (used + ListedEntrySize(store, i) + 1 > bufferSize) return TROV_ERR_BUFFER_FULL;
    const std::size_t wordLength = std::strlen(store.WordAt(i));
    std::memcpy(buffer + used, store.WordAt(i), wordLength);
    used += static_cast<int64_t>(wordLength);
    buffer[used++] = '\t';
    buffer[used++] = static_cast<char>(store.ActionAt(i));
    if (const char* other = store.OtherWordAt(i)) {
      const std::size_t otherLength = std::strlen(other);
      std::memcpy(buffer + used, other, otherLength);
      used += static_cast<int64_t>(otherLength);
    }
    buffer[used++] = '\0';
  }
  buffer[used] = '\0';
  return store.Count();
}

// Candidates matching pattern ('?' = any one character) go on the list with 100; an excluded
// entry takes its word off the list. Case-sensitive scans stop once the pattern's fixed prefix
// sorts before the entry's.
template <typename Store>
int16_t MatchPatternInStore(const Store& store, const char* pattern, bool caseSensitive,
                            SuggestionList& list) {
  const std::size_t prefixLength = std::strcspn(pattern, "?");
  int32_t first = 0;
  if (caseSensitive) {
    // Entries that begin below the pattern's fixed prefix cannot match, so of those only the
    // exclusions act; a binary search finds where the others begin.
    int32_t high = store.Count();
    while (first < high) {
      const int32_t middle = first + (high - first) / 2;
      if (std::strncmp(store.WordAt(middle), pattern, prefixLength) < 0) {
        first = middle + 1;
      } else {
        high = middle;
      }
    }
    for (int32_t i = 0; i < first; ++i) {
      if (store.ActionAt(i) == 'e') list.Remove(store.WordAt(i));
    }
  }
  for (int32_t i = first; i < store.Count(); ++i) {
    const char* word = store.WordAt(i);
    if (caseSensitive && std::strncmp(pattern, word, prefixLength) < 0) break;
    const int32_t action = store.ActionAt(i);
    if (action == 'e') {
      list.Remove(word);
    } else if (action == 'i') {
      const int match =
          caseSensitive ? PatternMatch(pattern, word) : CaselessPatternMatch(pattern, word);
      if (match == 100) list.Insert(word, 100);
    }
  }
  return 0;
}

// Scores every accepted word with comparator; a change entry for the comparator's word itself
// puts its other word on the list with 99; an excluded entry takes its word off the list.
template <typename Store>
int16_t ScoreWordsInStore(const Store& store, WordComparator& comparator, SuggestionList& list) {
  const char* word = comparator.Word();
  for (int32_t i = 0; i < store.Count(); ++i) {
    const char* entryWord = store.WordAt(i);
    switch (store.ActionAt(i)) {
      case 'a':
      case 'A':
      case 'c':
      case 'C':
        if (const char* other = store.OtherWordAt(i); other && std::strcmp(entryWord, word) == 0) {
          list.Remove(other);
          list.Insert(other, kChangeEntryScore);
        }
        break;
      case 'e':
        list.Remove(entryWord);
        break;
      case 'i': {
        const auto length = static_cast<int>(std::strlen(entryWord));
        if (const int16_t score = comparator.Score(entryWord, length, 0, list.ScanFloor());
            score > 0) {
          list.Insert(entryWord, score);
        }
        break;
      }
      default:
        break;
    }
  }
  return 0;
}

}  // namespace trov

#endif  // TROV_WORD_STORE_H
