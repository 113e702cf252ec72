#include "lexicon/mem_lex.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include "lexicon/word_store.h"
#include "trov.h"

namespace trov {
namespace {

// Initial capacity request; the table reserves half as much again, so 24 entries fit at once.
constexpr int32_t kInitialEntries = 16;

// A heap copy of text, or null when memory is short.
std::unique_ptr<char[]> CopyString(const char* text) {
  const std::size_t size = std::strlen(text) + 1;
  std::unique_ptr<char[]> copy(new (std::nothrow) char[size]);
  if (copy != nullptr) std::memcpy(copy.get(), text, size);
  return copy;
}

class TemporaryLex final : public MemLexKind {
 public:
  int16_t Init(int16_t language) { return words_.Init(language); }
  LexType Type() const override { return LEX_TEMPORARY; }
  int16_t Add(const char* word, int16_t action, const char* otherWord) override {
    return words_.AddWord(word, action, otherWord);
  }
  int16_t Delete(const char* word) override { return words_.Delete(word); }
  int16_t Clear() override {
    words_.Clear();
    return 0;
  }
};

}  // namespace

int16_t MemLex::Init(int16_t language) {
  Clear();
  entries_.Free();
  language_ = language;
  return entries_.Reserve(kInitialEntries);
}

int32_t MemLex::IndexOf(const char* word) const { return ExactIndex(*this, word); }

int16_t MemLex::AddWord(const char* word, int32_t action, const char* otherWord) {
  if (const int16_t check = CheckStorableWord(word); check < 0) return check;
  const int32_t count = Count();
  // A word beyond the last one goes straight to the end: loading a sorted file stays linear.
  const int32_t position =
      count > 0 && ExactCompare(word, WordAt(count - 1)) > 0 ? count : InsertPosition(*this, word);
  MemLexEntry added{CopyString(word), otherWord ? CopyString(otherWord) : nullptr, action};
  if (added.word == nullptr || (otherWord != nullptr && added.otherWord == nullptr)) {
    return TROV_ERR_NO_MEMORY;
  }
  NoteWord(word);  // before the store changes: a set bit is never wrong
  if (position < count && std::strcmp(WordAt(position), word) == 0) {
    entries_[position] = std::move(added);
    return 0;
  }
  return entries_.Insert(position, std::move(added)) < 0 ? TROV_ERR_NO_MEMORY : 0;
}

int16_t MemLex::Find(const char* word, bool caseSensitive, char* otherWord,
                     int16_t otherWordSize) const {
  if (caseSensitive && !MayHold(word)) return TROV_ERR_NOT_FOUND;
  return FindInStore(*this, word, caseSensitive, otherWord, otherWordSize);
}

int16_t MemLex::Delete(const char* word) {
  const int32_t index = IndexOf(word);
  if (index < 0) return TROV_ERR_NOT_FOUND;
  entries_.Remove(index);
  return 0;
}

void MemLex::Clear() {
  entries_.Clear();
  wordFilter_.reset();
}

int32_t MemLex::List(char* buffer, int32_t bufferSize) const {
  return ListStore(*this, buffer, bufferSize);
}

int32_t MemLex::ListSize() const { return static_cast<int32_t>(ListSizeOfStore(*this)); }

void MemLex::Swap(MemLex& other) {
  std::swap(entries_, other.entries_);
  std::swap(language_, other.language_);
  std::swap(wordFilter_, other.wordFilter_);
}

int16_t MemLexKind::Find(const char* word, bool caseSensitive, char* otherWord,
                         int16_t otherWordSize) {
  return words_.Find(word, caseSensitive, otherWord, otherWordSize);
}

int32_t MemLexKind::List(char* buffer, int32_t bufferSize) {
  return words_.List(buffer, bufferSize);
}

int32_t MemLexKind::ListSize() { return words_.ListSize(); }

int16_t MemLexKind::Language() { return words_.Language(); }

int16_t MemLexKind::MatchPattern(const char* pattern, bool caseSensitive, SuggestionList& list) {
  return MatchPatternInStore(words_, pattern, caseSensitive, list);
}

int16_t MemLexKind::ScoreWords(int16_t, WordComparator& comparator, SuggestionList& list) {
  return ScoreWordsInStore(words_, comparator, list);
}

int16_t CreateTemporaryLexicon(int16_t language, LexiconSlot& slot) {
  std::unique_ptr<TemporaryLex> lexicon(new (std::nothrow) TemporaryLex);
  if (lexicon == nullptr) return TROV_ERR_NO_MEMORY;
  if (const int16_t result = lexicon->Init(language); result < 0) return result;
  slot = std::move(lexicon);
  return 0;
}

}  // namespace trov
