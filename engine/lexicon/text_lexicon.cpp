#include "lexicon/text_lexicon.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <system_error>
#include <utility>

#include "lexicon/lex_file.h"
#include "lexicon/mem_lex.h"
#include "base/log.h"
#include "text/charset.h"

namespace trov {
namespace {

struct LocaleLanguage {
  int32_t locale;
  int16_t language;
};

constexpr int16_t Code(char first, char second) {
  return static_cast<int16_t>((static_cast<unsigned char>(first) << 8) |
                              static_cast<unsigned char>(second));
}

constexpr std::array<LocaleLanguage, 20> kLocaleLanguages{{
    {1033, Code('a', 'm')}, {2057, Code('b', 'r')}, {4105, Code('c', 'a')}, {1027, Code('s', 'c')},
    {1029, Code('c', 's')}, {1030, Code('d', 'a')}, {1043, Code('d', 'u')}, {1035, Code('f', 'i')},
    {1036, Code('f', 'r')}, {1031, Code('g', 'e')}, {1038, Code('h', 'u')}, {1040, Code('i', 't')},
    {1044, Code('n', 'b')}, {2068, Code('n', 'n')}, {1045, Code('p', 'l')}, {1046, Code('p', 'b')},
    {2070, Code('p', 'o')}, {1049, Code('r', 'u')}, {1034, Code('s', 'p')}, {1053, Code('s', 'w')},
}};

// A header token is read up to this many characters.
constexpr int kHeaderTokenLength = 9;
// An other word read from a file is cut to a word's length.
constexpr std::size_t kMaxOtherWord = TROV_MAX_WORD;
// A written entry line is cut to a problem word's length.
constexpr std::size_t kMaxWrittenLine = TROV_PROBLEM_BUFFER;
// A temporary name is the target's name plus a dot, 16 hex digits and ".tmp".
constexpr std::size_t kTemporaryNameBuffer = kBackupNameBuffer + 32;

// Frees a heap string copy.
struct FreeDeleter {
  void operator()(char* text) const { std::free(text); }
};
using HeapString = std::unique_ptr<char, FreeDeleter>;

HeapString CopyOrNull(const char* text) {
  if (text == nullptr) return nullptr;
  const std::size_t size = std::strlen(text) + 1;
  HeapString copy(static_cast<char*>(std::malloc(size)));
  if (copy) std::memcpy(copy.get(), text, size);
  return copy;
}

// Copies text into a fixed buffer, cut to its size; false when it had to be cut.
template <std::size_t N>
bool CopyBounded(char (&to)[N], const char* text) {
  const std::size_t length = std::strlen(text);
  const std::size_t kept = length < N - 1 ? length : N - 1;
  std::memcpy(to, text, kept);
  to[kept] = '\0';
  return kept == length;
}

// The second white-space separated token of a header line, up to 9 characters, read as an
// optional '-' and decimal digits; 0 when there is no such token or no digits.
int32_t HeaderNumber(const char* line) {
  const char* p = line;
  auto skipSpace = [&p] {
    while (*p != '\0' && IsSpace(static_cast<unsigned char>(*p))) ++p;
  };
  auto skipToken = [&p] {
    while (*p != '\0' && !IsSpace(static_cast<unsigned char>(*p))) ++p;
  };
  skipSpace();
  skipToken();
  skipSpace();
  char token[kHeaderTokenLength + 1] = {};
  for (int i = 0; i < kHeaderTokenLength && *p != '\0' && !IsSpace(static_cast<unsigned char>(*p));
       ++i, ++p) {
    token[i] = *p;
  }
  const char* digit = token;
  const bool negative = *digit == '-';
  if (negative) ++digit;
  int32_t number = 0;  // nine characters cannot overflow 32 bits
  for (; *digit >= '0' && *digit <= '9'; ++digit) number = number * 10 + (*digit - '0');
  return negative ? -number : number;
}

// Splits an entry line in place and adds it: the word up to the first tab, the letter after it
// (a line without a tab, or whose tab ends it, is an ignore entry), the rest as other word.
int16_t AddEntryLine(MemLex& words, char* line) {
  char* tab = std::strchr(line, '\t');
  if (tab == nullptr) return words.AddWord(line, 'i', nullptr);
  *tab = '\0';
  const auto letter = static_cast<unsigned char>(tab[1]);
  if (letter == '\0') return words.AddWord(line, 'i', nullptr);
  char* other = tab + 2;
  if (std::strlen(other) > kMaxOtherWord) other[kMaxOtherWord] = '\0';
  return words.AddWord(line, letter, *other != '\0' ? other : nullptr);
}

// One entry as written: word, tab, letter, other word (or the word alone in an external file).
void FormatEntryLine(const MemLex& words, int32_t index, bool external,
                     char (&line)[kMaxWrittenLine + 1]) {
  std::size_t length = 0;
  auto append = [&](const char* text, std::size_t count) {
    const std::size_t room = kMaxWrittenLine - length;
    const std::size_t kept = count < room ? count : room;
    std::memcpy(line + length, text, kept);
    length += kept;
  };
  const char* word = words.WordAt(index);
  append(word, std::strlen(word));
  if (!external) {
    const char tabAndLetter[2] = {'\t', static_cast<char>(words.ActionAt(index))};
    append(tabAndLetter, 2);
    if (const char* other = words.OtherWordAt(index)) append(other, std::strlen(other));
  }
  line[length] = '\0';
}

// A name beside target, in the same directory, that no other writer is using.
void MakeTemporaryName(const char* target, char (&name)[kTemporaryNameBuffer]) {
  static std::atomic<uint64_t> counter{0};
  const auto ticks =
      static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  const uint64_t unique = ticks * 0x9E3779B97F4A7C15ull + counter.fetch_add(1);
  std::snprintf(name, sizeof name, "%s.%016" PRIx64 ".tmp", target, unique);
}

// Writes the header (unless external) and every entry to an open file; false on a short write.
bool WriteEntries(LexFile& file, const MemLex& words, bool external) {
  if (!external) {
    char header[24];
    std::snprintf(header, sizeof header, "#LID %d", static_cast<int>(words.Language()));
    if (file.WriteLine(header) < 0) return false;
  }
  char line[kMaxWrittenLine + 1];
  for (int32_t i = 0; i < words.Count(); ++i) {
    FormatEntryLine(words, i, external, line);
    if (file.WriteLine(line) < 0) return false;
  }
  return true;
}

// Writes the whole list to name. The list goes to a new file beside it, which then replaces
// name in one rename, so name holds either its old list or the new one, never a partial list.
int16_t WriteWholeFile(const char* name, const MemLex& words, bool external) {
  char temporary[kTemporaryNameBuffer];
  MakeTemporaryName(name, temporary);
  std::unique_ptr<LexFile> file = LexFile::Open(temporary, kLexFileWriteText);
  if (!file) {
    LogLine("Can't open %s for writing", name);
    return TROV_ERR_CREATE;
  }
  const bool written = WriteEntries(*file, words, external);
  // Closing writes the last buffered bytes, so its failure is a write failure too.
  const bool closed = LexFile::Close(std::move(file)) == 0;
  std::error_code error;
  if (!written || !closed) {
    LogLine("%s: file write err", name);
    std::filesystem::remove(temporary, error);
    return TROV_ERR_WRITE;
  }
  std::filesystem::rename(temporary, name, error);
  if (error) {
    LogLine("Can't open %s for writing", name);
    std::filesystem::remove(temporary, error);
    return TROV_ERR_CREATE;
  }
  return 0;
}

// Reads a whole text lexicon into words (emptied first); on failure logs "Can't load", leaves
// words empty and answers the error.
int16_t LoadWords(LexFile& file, const char* path, MemLex& words, bool& external) {
  words.Clear();
  char line[kLexLineBuffer];
  const int32_t firstLength = file.ReadLine(line, sizeof line);
  external = firstLength < 0 || line[0] != '#';
  if (external) {
    words.SetLanguage(TROV_LANGUAGE_ANY);
    if (file.Seek(0, 0) < 0) return TROV_ERR_READ;
  } else {
    words.SetLanguage(LanguageFromHeaderNumber(HeaderNumber(line)));
  }
  for (int32_t length; (length = file.ReadLine(line, sizeof line)) >= 0;) {
    if (length == 0 || line[0] == '#') continue;
    if (const int16_t result = AddEntryLine(words, line); result < 0) {
      LogLine("Can't load %s", path);
      words.Clear();
      return result;
    }
  }
  return 0;
}

class TextLexicon final : public MemLexKind {
 public:
  int16_t Open(const char* path);
  int16_t Create(const char* path, int16_t language);

  LexType Type() const override { return LEX_TEXT_FILE; }
  int16_t Add(const char* word, int16_t action, const char* otherWord) override;
  int16_t Delete(const char* word) override;
  int16_t Clear() override;
  int16_t FileName(char* buffer, int16_t bufferSize) override;
  int16_t SaveCopy(const char* fileName) override;

 private:
  // Before a change: reloads the file when another writer changed it since we last read or
  // wrote it. A failed load leaves the words as they were and refuses the change, so the file
  // is never rewritten from a partial list.
  int16_t TakeInOtherWriters();
  int16_t WriteFile(const char* name) const { return WriteWholeFile(name, words_, external_); }
  void NoteFileTime() { knownTime_ = FileModificationTime(path_); }

  int64_t knownTime_ = 0;
  char path_[TROV_MAX_PATH + 1] = {};
  bool external_ = false;
};

int16_t TextLexicon::Open(const char* path) {
  // A cut path would name another file, which later rewrites would then create.
  std::unique_ptr<LexFile> file =
      std::strlen(path) <= TROV_MAX_PATH ? LexFile::Open(path, kLexFileReadText) : nullptr;
  if (!file) {
    LogLine("%s: file open error", path);
    return TROV_ERR_FILE_OPEN;
  }
  knownTime_ = CurrentFileTime();
  CopyBounded(path_, path);
  if (const int16_t result = words_.Init(TROV_LANGUAGE_ANY); result < 0) return result;
  return LoadWords(*file, path_, words_, external_);
}

int16_t TextLexicon::Create(const char* path, int16_t language) {
  knownTime_ = CurrentFileTime();
  external_ = false;
  if (!CopyBounded(path_, path)) return TROV_ERR_CREATE;
  if (const int16_t result = words_.Init(language); result < 0) return result;
  if (LexFile::Open(path, kLexFileReadText)) {
    LogLine("%s already exists", path);
    return TROV_ERR_EXISTS;
  }
  if (!LexFile::Open(path, kLexFileWriteText)) return TROV_ERR_CREATE;
  if (const int16_t result = WriteFile(path_); result < 0) return result;
  NoteFileTime();
  LogLine("%s created", path);
  return 0;
}

int16_t TextLexicon::TakeInOtherWriters() {
  const int64_t fileTime = FileModificationTime(path_);
  if (fileTime <= knownTime_) return 0;
  std::unique_ptr<LexFile> file = LexFile::Open(path_, kLexFileReadText);
  if (!file) {
    LogLine("%s: Can't open", path_);
    return 0;
  }
  MemLex fresh;
  bool external = false;
  int16_t result = fresh.Init(TROV_LANGUAGE_ANY);
  if (result == 0) result = LoadWords(*file, path_, fresh, external);
  if (result < 0) return result;
  words_.Swap(fresh);
  external_ = external;
  knownTime_ = fileTime;
  return 0;
}

int16_t TextLexicon::Add(const char* word, int16_t action, const char* otherWord) {
  if (external_ && action != 'i') {
    LogLine("Can't use action %c with external lexicon %s", static_cast<char>(action), path_);
    return TROV_ERR_UNSUPPORTED;
  }
  if (const int16_t result = TakeInOtherWriters(); result < 0) return result;
  // A failed write must leave memory as the file still is: the entry this one replaces is kept.
  const int32_t replaced = words_.IndexOf(word);
  const int32_t replacedAction = replaced >= 0 ? words_.ActionAt(replaced) : 0;
  HeapString replacedOther = replaced >= 0 ? CopyOrNull(words_.OtherWordAt(replaced)) : nullptr;
  if (replaced >= 0 && words_.OtherWordAt(replaced) != nullptr && !replacedOther) {
    return TROV_ERR_NO_MEMORY;
  }
  if (const int16_t result = words_.AddWord(word, action, otherWord); result < 0) {
    LogLine("Can't add word to %s (%ld)", path_, static_cast<long>(result));
    return result;
  }
  if (const int16_t result = WriteFile(path_); result < 0) {
    LogLine("Can't write %s (%ld)", path_, static_cast<long>(result));
    if (replaced >= 0) {
      words_.AddWord(word, replacedAction, replacedOther.get());
    } else {
      words_.Delete(word);
    }
    return result;
  }
  NoteFileTime();
  return 0;
}

int16_t TextLexicon::Delete(const char* word) {
  if (words_.IndexOf(word) < 0) {
    LogLine("%s doesn't exist in %s", word, path_);
    return TROV_ERR_NOT_FOUND;
  }
  if (const int16_t result = TakeInOtherWriters(); result < 0) return result;
  // Noted after the reload: the entry to restore is the one the file still holds.
  const int32_t index = words_.IndexOf(word);
  const int32_t action = index >= 0 ? words_.ActionAt(index) : 0;
  HeapString other = index >= 0 ? CopyOrNull(words_.OtherWordAt(index)) : nullptr;
  if (index >= 0 && words_.OtherWordAt(index) != nullptr && !other) return TROV_ERR_NO_MEMORY;
  if (const int16_t result = words_.Delete(word); result < 0) {
    LogLine("Can't delete %s from %s", word, path_);
    return result;
  }
  if (const int16_t result = WriteFile(path_); result < 0) {
    LogLine("Can't save %s (%ld)", path_, static_cast<long>(result));
    words_.AddWord(word, action, other.get());
    return result;
  }
  NoteFileTime();
  return 0;
}

int16_t TextLexicon::Clear() {
  words_.Clear();
  const int16_t result = WriteFile(path_);
  if (result < 0) LogLine("Can't write %s (%ld)", path_, static_cast<long>(result));
  NoteFileTime();
  return result;
}

int16_t TextLexicon::FileName(char* buffer, int16_t bufferSize) {
  if (buffer == nullptr || bufferSize < 1) return 0;
  const std::size_t length = std::strlen(path_);
  const std::size_t kept = length < static_cast<std::size_t>(bufferSize - 1)
                               ? length
                               : static_cast<std::size_t>(bufferSize - 1);
  std::memcpy(buffer, path_, kept);
  buffer[kept] = '\0';
  return 0;
}

int16_t TextLexicon::SaveCopy(const char* fileName) {
  if (fileName == nullptr) return TROV_ERR_CREATE;
  return WriteFile(fileName);
}

// Runs one of the two ways a text lexicon comes to be and hands it to the slot on success.
template <typename Start>
int16_t FillSlot(LexiconSlot& slot, Start start) {
  std::unique_ptr<TextLexicon> lexicon(new (std::nothrow) TextLexicon);
  if (lexicon == nullptr) return TROV_ERR_NO_MEMORY;
  if (const int16_t result = start(*lexicon); result < 0) return result;
  slot = std::move(lexicon);
  return 0;
}

}  // namespace

int16_t OpenTextLexicon(const char* path, LexiconSlot& slot) {
  return FillSlot(slot, [path](TextLexicon& lexicon) { return lexicon.Open(path); });
}

int16_t CreateTextLexicon(const char* path, int16_t language, LexiconSlot& slot) {
  return FillSlot(
      slot, [path, language](TextLexicon& lexicon) { return lexicon.Create(path, language); });
}

int16_t LanguageFromHeaderNumber(int32_t number) {
  for (const LocaleLanguage& row : kLocaleLanguages) {
    if (row.locale == number) return row.language;
  }
  return static_cast<int16_t>(number);
}

void MakeBackupFileName(const char* path, char (&backupName)[kBackupNameBuffer]) {
  CopyBounded(backupName, path);
  char* dot = std::strrchr(backupName, '.');
  const std::size_t stem =
      dot ? static_cast<std::size_t>(dot - backupName) : std::strlen(backupName);
  const std::size_t kept = stem < sizeof backupName - 5 ? stem : sizeof backupName - 5;
  std::memcpy(backupName + kept, ".bak", 5);
}

}  // namespace trov
