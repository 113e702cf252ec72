// The lexicon compiler: turns a plain word list into a compressed lexicon file (sorted segments
// keyed by their first three characters, front-coded, with suffix tables chosen to make the file
// small), and reads one back for dumping and verification through the engine's own reader.
#ifndef TROV_LEXICON_COMPILER_H
#define TROV_LEXICON_COMPILER_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trov::lexcompile {

struct CompileOptions {
  int16_t language = 0x616D;  // "am"
  // Tables to use as given; when absent the compiler chooses them from the words.
  std::optional<std::vector<std::string>> simpleSuffixes;
  std::optional<std::vector<std::string>> extendedSuffixes;
};

struct CompileStats {
  int32_t words = 0;        // distinct words stored
  int32_t segments = 0;     // index entries with a segment
  int32_t wordEntries = 0;  // one- and two-letter words held by the index alone
  int32_t simpleSuffixes = 0;
  int32_t extendedSuffixes = 0;
  int64_t fileBytes = 0;
};

// Builds the bytes of a compressed lexicon holding words (in any order; repeats are dropped).
// False with error set when a word cannot be stored: empty, longer than 80 characters, or
// holding a byte below 0x20; or when a given suffix table is too long or holds such a suffix.
bool CompileLexicon(const std::vector<std::string>& words, const CompileOptions& options,
                    std::string& fileBytes, CompileStats& stats, std::string& error);

// Whether this build can convert UTF-8 word lists (it needs the platform's iconv).
bool CanConvertUtf8();

// Reads a word list: one word per line (LF or CR LF), empty lines skipped. With a character set
// name, the file is UTF-8 and every word is converted to that 8-bit set; a word that has no
// form in it is an error.
bool ReadWordList(const std::string& path, const std::string& utf8ToCharset,
                  std::vector<std::string>& words, std::string& error);

// Writes words one per line (LF), converted from the 8-bit set to UTF-8 when a set is named.
bool WriteWordList(const std::string& path, const std::vector<std::string>& words,
                   const std::string& charsetToUtf8, std::string& error);

// What reading a UTF-8 word list into one of the engine's character sets left out. Words are never
// changed to fit: a word the set cannot hold is counted here and not returned.
struct SetConversion {
  int32_t words = 0;             // non-empty lines read
  int32_t missingCharacter = 0;  // words with a character that has no byte in the set
  int32_t notLetter = 0;  // words with a non-ASCII character the set does not class as a letter
  std::vector<std::string> examples;  // the first few words left out, as UTF-8

  int32_t LeftOut() const { return missingCharacter + notLetter; }
};

// Reads a UTF-8 word list (LF or CR LF, empty lines skipped) into the engine's character set
// charSet (1..10). False with error set when the file cannot be read or is not UTF-8.
bool ReadWordListInSet(const std::string& path, int charSet, std::vector<std::string>& words,
                       SetConversion& conversion, std::string& error);

// Writes words of set charSet one per line (LF) as UTF-8.
bool WriteWordListFromSet(const std::string& path, const std::vector<std::string>& words,
                          int charSet, std::string& error);

bool WriteFileBytes(const std::string& path, const std::string& bytes, std::string& error);

// Every word of a compressed lexicon file, in the file's (ascending byte) order.
bool DumpLexicon(const std::string& path, std::vector<std::string>& words, std::string& error);

// The words of list that the lexicon file does not hold, exactly as spelled.
bool FindMissingWords(const std::string& path, const std::vector<std::string>& list,
                      std::vector<std::string>& missing, std::string& error);

// A language id from two lower-case letters ("am") or a decimal number; false if neither.
bool ParseLanguage(const std::string& text, int16_t& language);

}  // namespace trov::lexcompile

#endif  // TROV_LEXICON_COMPILER_H
