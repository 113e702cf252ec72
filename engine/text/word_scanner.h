// Where words begin and end in 8-bit text. The rules follow the selected character set and four
// options of the session: IgnoreHTMLMarkups, IgnoreDomainNames, SlashJoinsWords and
// AmpersandJoinsWords.
//
// Every function takes a zero-terminated text and an offset at or before its terminating zero
// (InsideText tells); scans stop at that zero, so they read no further than they need, whatever
// the text's length.
#ifndef TROV_WORD_SCANNER_H
#define TROV_WORD_SCANNER_H

#include <cstdint>

namespace trov {

// The byte 0x27 or the byte 0x92 (the right single quotation mark of code page 1252).
inline bool IsApostrophe(unsigned char c) { return c == 0x27 || c == 0x92; }

// True when offset lies within text or on its terminating zero. Reads offset bytes at most.
bool InsideText(const char* text, int32_t offset);

// The first offset at or after offset where a word begins, or the text's length when none does;
// -3 for a negative offset.
int32_t FindWordStart(const char* text, int32_t offset, uint32_t options);

// Copies the word found from offset into word (at most size - 1 bytes, always zero-terminated
// when size >= 1); its start offset, or -3 when no word remains. sameInEngineBuffer, when given,
// tells whether the engine's own 81-byte buffer would have received the same word: the copy
// ended before 80 bytes, and not because of size.
int32_t GetWord(const char* text, int32_t offset, uint32_t options, char* word, int32_t size,
                bool* sameInEngineBuffer = nullptr);

// The start of the word after the one found from offset, scanning with the engine's 81-byte word
// buffer; -3 when there is none.
int32_t NextWordStart(const char* text, int32_t offset, uint32_t options);
// The same when the word at start is already known as the engine's buffer holds it.
int32_t WordStartAfter(const char* text, int32_t start, const char* engineWord, uint32_t options);

// Where the word before offset begins, for the doubled-word test: back over the white space
// before offset, then back over the bytes a word may hold. -1 when only white space stands before
// offset. Reads only bytes before offset.
int32_t PreviousWordStart(const char* text, int32_t offset);
// The word that ends before offset, for the doubled-word test; word is empty when none does.
void PreviousWord(const char* text, int32_t offset, uint32_t options, char* word, int32_t size);

}  // namespace trov

#endif  // TROV_WORD_SCANNER_H
