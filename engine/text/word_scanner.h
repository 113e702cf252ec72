// Where words begin and end in 8-bit text. The rules follow the selected character set and four
// options of the session: IgnoreHTMLMarkups, IgnoreDomainNames, SlashJoinsWords and
// AmpersandJoinsWords.
//
// Every function takes the text as a view that ends where the string's terminating zero stands;
// bytes at or past its end read as that zero, so no offset can lead a scan out of the text.
#ifndef TROV_WORD_SCANNER_H
#define TROV_WORD_SCANNER_H

#include <cstdint>
#include <string_view>

namespace trov {

// The byte 0x27 or the byte 0x92 (the right single quotation mark of code page 1252).
inline bool IsApostrophe(unsigned char c) { return c == 0x27 || c == 0x92; }

// text up to its terminating zero, as the functions below take it: empty for null, and cut
// where 32-bit offsets end.
std::string_view TextToScan(const char* text);

// The first offset at or after offset where a word begins, or the text's length when none does;
// -3 for a negative offset.
int32_t FindWordStart(std::string_view text, int32_t offset, uint32_t options);

// Copies the word found from offset into word (at most size - 1 bytes, always zero-terminated
// when size >= 1); its start offset, or -3 when no word remains.
int32_t GetWord(std::string_view text, int32_t offset, uint32_t options, char* word, int32_t size);

// The start of the word after the one found from offset, scanning with the engine's 81-byte word
// buffer; -3 when there is none.
int32_t NextWordStart(std::string_view text, int32_t offset, uint32_t options);

// The word that ends before offset, for the doubled-word test; word is empty when none does.
void PreviousWord(std::string_view text, int32_t offset, uint32_t options, char* word,
                  int32_t size);

}  // namespace trov

#endif  // TROV_WORD_SCANNER_H
