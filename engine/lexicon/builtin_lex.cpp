#include "lexicon/builtin_lex.h"

#include <atomic>
#include <cstring>
#include <new>
#include <string_view>

#include "lexicon/word_store.h"
#include "test_hooks.h"

namespace trov {
namespace {

constexpr BuiltinLexEntry kDeliveredTable[] = {
    {nullptr, nullptr, LEX_FREE, nullptr},
};

std::atomic<const BuiltinLexEntry*> currentTable{kDeliveredTable};

// Words and other words are kept to the 80 characters an entry's field holds.
void CopyWordField(char (&field)[TROV_WORD_BUFFER], const char* text) {
  const std::string_view source = text ? std::string_view(text).substr(0, TROV_MAX_WORD) : "";
  std::memcpy(field, source.data(), source.size());
  field[source.size()] = '\0';
}

class BuiltinWordList final : public Lexicon {
 public:
  explicit BuiltinWordList(const WordListImage& image) : image_(image) {}

  LexType Type() const override { return LEX_BUILTIN_LIST; }

  int16_t Add(const char* word, int16_t action, const char* otherWord) override;
  int16_t Delete(const char* word) override;
  int16_t Clear() override {
    image_.count = 0;
    return 0;
  }
  int16_t Find(const char* word, bool caseSensitive, char* otherWord,
               int16_t otherWordSize) override {
    char key[TROV_WORD_BUFFER];
    CopyWordField(key, word);
    return FindInStore(*this, key, caseSensitive, otherWord, otherWordSize);
  }
  int32_t List(char* buffer, int32_t bufferSize) override {
    return ListStore(*this, buffer, bufferSize);
  }
  int32_t ListSize() override { return static_cast<int32_t>(ListSizeOfStore(*this)); }
  int16_t Language() override { return image_.language; }
  int16_t MatchPattern(const char* pattern, bool caseSensitive, SuggestionList& list) override {
    return MatchPatternInStore(*this, pattern, caseSensitive, list);
  }
  int16_t ScoreWords(int16_t, WordComparator& comparator, SuggestionList& list) override {
    return ScoreWordsInStore(*this, comparator, list);
  }

  // The store interface of word_store.h.
  int32_t Count() const { return image_.count; }
  const char* WordAt(int32_t index) const { return image_.entries[index].word; }
  int32_t ActionAt(int32_t index) const { return image_.entries[index].action; }
  const char* OtherWordAt(int32_t index) const {
    const char* other = image_.entries[index].otherWord;
    return other[0] != '\0' ? other : nullptr;
  }

 private:
  WordListImage image_;
};

int16_t BuiltinWordList::Add(const char* word, int16_t action, const char* otherWord) {
  char key[TROV_WORD_BUFFER];
  CopyWordField(key, word);
  if (const int16_t check = CheckStorableWord(key); check < 0) return check;
  const int32_t position = InsertPosition(*this, key);
  const bool replaces = position < image_.count && std::strcmp(WordAt(position), key) == 0;
  if (!replaces) {
    if (image_.count >= image_.capacity) return TROV_ERR_NO_MEMORY;
    std::memmove(&image_.entries[position + 1], &image_.entries[position],
                 sizeof(WordListEntry) * static_cast<std::size_t>(image_.count - position));
    ++image_.count;
  }
  WordListEntry& entry = image_.entries[position];
  CopyWordField(entry.word, key);
  entry.action = action;
  CopyWordField(entry.otherWord, otherWord);
  return 0;
}

int16_t BuiltinWordList::Delete(const char* word) {
  char key[TROV_WORD_BUFFER];
  CopyWordField(key, word);
  const int32_t index = ExactIndex(*this, key);
  if (index < 0) return TROV_ERR_NOT_FOUND;
  std::memmove(&image_.entries[index], &image_.entries[index + 1],
               sizeof(WordListEntry) * static_cast<std::size_t>(image_.count - index - 1));
  --image_.count;
  return 0;
}

}  // namespace

Lexicon* InstantiateWordList(const void* prepared) {
  return new (std::nothrow) BuiltinWordList(*static_cast<const WordListImage*>(prepared));
}

const BuiltinLexEntry* FindBuiltinLexicon(const char* name) {
  for (const BuiltinLexEntry* row = currentTable.load(); row->name != nullptr; ++row) {
    if (std::strcmp(row->name, name) == 0) return row;
  }
  return nullptr;
}

void UseBuiltinLexiconTable(const BuiltinLexEntry* table) {
  currentTable.store(table != nullptr ? table : kDeliveredTable);
}

}  // namespace trov
