// The memory lexicon: the engine's editable word store, the whole of a temporary lexicon and the
// in-memory half of a text lexicon file.
#ifndef TROV_MEM_LEX_H
#define TROV_MEM_LEX_H

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "base/grow_table.h"
#include "lexicon/lexicon.h"

namespace trov {

struct MemLexEntry {
  std::unique_ptr<char[]> word;
  std::unique_ptr<char[]> otherWord;  // null when the entry has none
  int32_t action = 0;                 // the action letter's character code
};

// Entries stay in strictly ascending byte order of their words, one entry per exact spelling,
// so exact lookups and deletes can binary-search while case-blind lookups answer with the first
// spelling in that order.
class MemLex {
 public:
  // Empty store with room for 24 entries; 0 or -12.
  int16_t Init(int16_t language);
  // Inserts word, or replaces the entry of the same spelling; 0, -19 (logged) or -12, unchanged
  // on failure. The other word is stored at its full length.
  int16_t AddWord(const char* word, int32_t action, const char* otherWord);
  int16_t Find(const char* word, bool caseSensitive, char* otherWord, int16_t otherWordSize) const;
  // Byte-exact whatever the session's case option; 0 or -3.
  int16_t Delete(const char* word);
  // Frees every entry; the storage stays.
  void Clear();
  int32_t List(char* buffer, int32_t bufferSize) const;
  int32_t ListSize() const;
  void Swap(MemLex& other);

  int16_t Language() const { return language_; }
  void SetLanguage(int16_t language) { language_ = language; }
  int32_t Count() const { return entries_.Count(); }
  const char* WordAt(int32_t index) const { return entries_[index].word.get(); }
  int32_t ActionAt(int32_t index) const { return entries_[index].action; }
  const char* OtherWordAt(int32_t index) const { return entries_[index].otherWord.get(); }
  // Index of the entry holding exactly word, or -1.
  int32_t IndexOf(const char* word) const;

 private:
  // A filter over the words added since the last Clear: two bits of each word's hash. Most
  // exact finds, which word lists get for every word of a text, ask for a word that no entry
  // has, and a clear bit answers at once. Deleting leaves the bits, which only costs a search.
  static uint32_t WordHash(const char* word) {
    uint32_t hash = 2166136261u;
    for (; *word != '\0'; ++word) hash = (hash ^ static_cast<unsigned char>(*word)) * 16777619u;
    return hash;
  }
  void NoteWord(const char* word) {
    const uint32_t hash = WordHash(word);
    wordFilter_.set(hash & 0xFFFF);
    wordFilter_.set(hash >> 16);
  }
  bool MayHold(const char* word) const {
    const uint32_t hash = WordHash(word);
    return wordFilter_.test(hash & 0xFFFF) && wordFilter_.test(hash >> 16);
  }

  GrowTable<MemLexEntry> entries_;
  int16_t language_ = 0;
  std::bitset<65536> wordFilter_;
};

// The operations every kind built on one MemLex answers from memory alone.
class MemLexKind : public Lexicon {
 public:
  int16_t Find(const char* word, bool caseSensitive, char* otherWord,
               int16_t otherWordSize) override;
  int32_t List(char* buffer, int32_t bufferSize) override;
  int32_t ListSize() override;
  int16_t Language() override;
  int16_t MatchPattern(const char* pattern, bool caseSensitive, SuggestionList& list) override;
  int16_t ScoreWords(int16_t depth, WordComparator& comparator, SuggestionList& list) override;

 protected:
  MemLex words_;
};

// Fills slot with an empty temporary lexicon (LEX_TEMPORARY) of that language; 0 or -12.
int16_t CreateTemporaryLexicon(int16_t language, LexiconSlot& slot);

}  // namespace trov

#endif  // TROV_MEM_LEX_H
