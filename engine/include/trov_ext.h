// 32-bit entry points for the engine's own callers that keep long texts: the check loop, the
// control core and the command-line tool. The functions of trov.h keep their 16-bit results for
// the callers that rely on them; these give the same answers with 32-bit offsets and counts.
//
// The string functions take the text's length from the caller instead of measuring the text, and
// read it only from the word before the offset on, so a call costs what it scans, however long the
// text: a caller may pass any tail of its text that begins at or before TROV_ScanContextStartExt
// of the offset (with the offsets shifted) and get the same results.
//
// Same frame as every API function: lock, check the session, copy the options, release, work.
//
// Besides trov.h this is the only engine header the layers above may include: what they need of
// the engine's character classes and log is here too. Like trov.h it is C11 as well as C++.
// The character-set conversions at the end take no session and no lock: they read constant tables.
#ifndef TROV_EXT_H
#define TROV_EXT_H

#include "trov.h"

// ---- Character classes of the selected character set (bits of TROV_CharClassExt) ----
#define TROV_CHAR_LETTER 0x01
#define TROV_CHAR_DIGIT 0x02
#define TROV_CHAR_PUNCTUATION 0x04
#define TROV_CHAR_SPACE 0x08
#define TROV_CHAR_LOWER 0x10
#define TROV_CHAR_UPPER 0x20
#define TROV_CHAR_VOWEL 0x40

#ifdef __cplusplus
extern "C" {
#endif

// TROV_GetStringWord on a text of textLength bytes: the word's start offset, -3 when no word
// remains at or after offset (also for an offset outside 0..textLength), -2.
int32_t TROV_GetStringWordExt(int16_t session, const char* text, int32_t textLength, int32_t offset,
                              char* word, int16_t wordSize);

// TROV_CheckString on a text of textLength bytes, with the same results.
int16_t TROV_CheckStringExt(int16_t session, const char* text, int32_t textLength, int32_t* offset,
                            char* word, int16_t wordSize, char* replacement,
                            int16_t replacementSize);

// What TROV_DelStringWord would delete at offset, without deleting it: where the deletion would
// begin (the white space before the word), with the number of bytes in *count; -3 when no word
// remains (also for an offset outside 0..textLength), -2.
int32_t TROV_StringWordSpanExt(int16_t session, const char* text, int32_t textLength,
                               int32_t offset, int32_t* count);

// The first byte that a scan from offset reads: the start of the word before offset (as the
// doubled-word test finds it, across the white space between), or 0 when only white space stands
// before offset or offset is 0 or less. TROV_CheckStringExt, TROV_GetStringWordExt and
// TROV_StringWordSpanExt read nothing before it. Reads only the bytes before offset, so text needs
// to hold no more than those. -2.
int32_t TROV_ScanContextStartExt(int16_t session, const char* text, int32_t offset);

// TROV_GetLex with the number of entries in 32 bits.
int32_t TROV_GetLexExt(int16_t session, int16_t lex, char* buffer, int32_t bufferSize);

// Reads a word frequency file (lines of word TAB count) for the session's ranked suggestions
// (TROV_OPT_RANKED_SUGGESTIONS); a null or empty name drops the session's table. 0, -2, -4 (cannot
// be opened), -22, -26 (malformed: the session keeps the table it had), -12.
int16_t TROV_LoadWordFrequencies(int16_t session, const char* fileName);

// The class bits (TROV_CHAR_*) of code in the selected character set; takes no session and no
// lock, like TROV_GetCharSet.
int32_t TROV_CharClassExt(uint8_t code);

// Writes "HH:MM:SS " plus the printf-formatted message and a newline to the log file set by
// TROV_SetLogFile, when one is set: the callers' own failures go in the same log as the engine's.
void TROV_LogLineExt(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// The Unicode code point that byte stands for in character set charSet (1..10; set 1 is
// Windows-1252, set N ISO 8859-N); -1 where the set defines no character or charSet is outside
// 1..10. Bytes below 0x80 are ASCII in every set.
int32_t TROV_CharSetByteToUnicodeExt(int16_t charSet, uint8_t byte);

// The byte (0..255) that stands for codePoint in character set charSet; -1 when the set has no
// such character or charSet is outside 1..10.
int32_t TROV_UnicodeToCharSetByteExt(int16_t charSet, uint32_t codePoint);

// The class bits (TROV_CHAR_*) of byte in character set charSet, whichever set is selected; -1
// when charSet is outside 1..10.
int32_t TROV_CharSetClassExt(int16_t charSet, uint8_t byte);

#ifdef __cplusplus
}  // extern "C"
#endif

#endif  // TROV_EXT_H
