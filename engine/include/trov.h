// The spelling engine's whole public contract: every function, result code, check-result flag and
// option id. Callers never need another header.
//
// Conventions: every function takes the session id first (except the character-set, log and raw
// text helpers), returns a 16-bit signed result unless noted, and never throws. Strings are
// zero-terminated 8-bit text in the selected character set; buffers come with their size in bytes,
// terminating zero included.
//
// The header is C11 as well as C++: constants are macros of the stated types, so C callers get
// them as constant expressions and C++ callers see the types they always had.
//
// Threads: any thread may call any function. Every function that takes a session id takes one
// process-wide engine lock only while it checks its ids and copies the session's option word and
// lexicon addresses, and does its work (checking, scanning, suggestion search, lexicon lookups and
// changes) after releasing it. Hence:
// - calls on different sessions may run at once on as many threads as the caller likes;
// - one session, and every lexicon open in it, is used by one thread at a time: the lexicons take
//   no lock of their own, and a suggestion search keeps per-lexicon scan state between calls;
// - no session or lexicon may be opened, created or closed while another thread is inside a call
//   that works on that session's lexicons, since the tables move when they grow;
// - TROV_SetCharSet changes the process-wide character set, read without the lock by every scan,
//   so it is called only while no other call runs; TROV_SetLogFile's name is process-wide too, and
//   lines from two threads may interleave in the log.
#ifndef TROV_H
#define TROV_H

#ifdef __cplusplus
#include <cstdint>
#else
#include <stdint.h>
#endif

// ---- Result codes (negative results are errors) ----
#define TROV_ERR_BAD_SESSION ((int16_t)-2)   // session id not open
#define TROV_ERR_NOT_FOUND ((int16_t)-3)     // word not in lexicon / no further word in text
#define TROV_ERR_FILE_OPEN ((int16_t)-4)     // file cannot be opened
#define TROV_ERR_BAD_ACTION ((int16_t)-6)    // action code is not one of a A c C i e
#define TROV_ERR_BAD_LEX ((int16_t)-7)       // lexicon id not open
#define TROV_ERR_BUFFER_FULL ((int16_t)-8)   // result does not fit, or index past the end
#define TROV_ERR_NO_MEMORY ((int16_t)-12)    // allocation failed
#define TROV_ERR_UNSUPPORTED ((int16_t)-13)  // value not recognised / operation not supported
#define TROV_ERR_EXISTS ((int16_t)-14)       // file to be created already exists
#define TROV_ERR_BAD_CHAR ((int16_t)-19)     // word holds a character a lexicon cannot store
#define TROV_ERR_READ ((int16_t)-22)         // read error
#define TROV_ERR_WRITE ((int16_t)-23)        // file cannot be locked or written
#define TROV_ERR_CREATE ((int16_t)-24)       // file cannot be created or opened for writing
#define TROV_ERR_BAD_FORMAT ((int16_t)-26)   // not a valid compressed lexicon file

// ---- Check-result flags (0 = the word is acceptable) ----
#define TROV_RESULT_MISSPELLED ((int16_t)0x0001)      // not acceptable
#define TROV_RESULT_AUTO_CHANGE ((int16_t)0x0002)     // auto-change; replacement returned
#define TROV_RESULT_COND_CHANGE ((int16_t)0x0004)     // conditional change; replacement returned
#define TROV_RESULT_CAPITALIZATION ((int16_t)0x0008)  // known only with other capitalisation
#define TROV_RESULT_MIXED_CASE ((int16_t)0x0010)      // irregular mix of upper and lower case
#define TROV_RESULT_MIXED_DIGITS ((int16_t)0x0020)    // letters mixed with digits
#define TROV_RESULT_END_OF_TEXT ((int16_t)0x0040)     // no further problem word
#define TROV_RESULT_DOUBLED_WORD ((int16_t)0x0080)    // repeats the word before it
// Internal to the check: a lookup found the word with the exclude action; leaves the check as 0x1.
#define TROV_RESULT_EXCLUDED ((int16_t)0x1000)

// ---- Option ids: a flag option's id is its bit in the session's option word ----
#define TROV_OPT_IGNORE_CAPITALIZED_WORDS ((uint32_t)0x1)      // IgnoreCapitalizedWords
#define TROV_OPT_IGNORE_MIXED_CASE_WORDS ((uint32_t)0x2)       // IgnoreMixedCaseWords
#define TROV_OPT_IGNORE_WORDS_WITH_DIGITS ((uint32_t)0x4)      // IgnoreWordsWithDigits
#define TROV_OPT_IGNORE_ALL_CAPS_WORDS ((uint32_t)0x8)         // IgnoreAllCapsWords
#define TROV_OPT_CATCH_CAPITALIZATION_ERRORS ((uint32_t)0x10)  // CatchCapitalizationErrors
#define TROV_OPT_CATCH_MIXED_CASE_WORDS ((uint32_t)0x20)       // CatchMixedCaseWords
#define TROV_OPT_CATCH_WORDS_WITH_DIGITS ((uint32_t)0x40)      // CatchWordsWithDigits
#define TROV_OPT_CHECK_SPELLING ((uint32_t)0x80)               // CheckSpelling
#define TROV_OPT_CATCH_DOUBLED_WORDS ((uint32_t)0x100)         // CatchDoubledWords
#define TROV_OPT_CASE_SENSITIVE ((uint32_t)0x200)              // CaseSensitive
#define TROV_OPT_SPLIT_HYPHENATED_WORDS ((uint32_t)0x400)      // SplitHyphenatedWords
#define TROV_OPT_SPLIT_CONTRACTED_WORDS ((uint32_t)0x800)      // SplitContractedWords
#define TROV_OPT_SPLIT_WORDS ((uint32_t)0x1000)                // SplitWords
#define TROV_OPT_SUGGEST_SPLIT_WORDS ((uint32_t)0x2000)        // SuggestSplitWords
#define TROV_OPT_PHONETIC_SUGGESTIONS ((uint32_t)0x4000)       // PhoneticSuggestions
#define TROV_OPT_TYPOGRAPHICAL_SUGGESTIONS ((uint32_t)0x8000)  // TypographicalSuggestions
#define TROV_OPT_STRIP_POSSESSIVES ((uint32_t)0x10000)         // StripPossessives
#define TROV_OPT_IGNORE_NON_ALPHA_WORDS ((uint32_t)0x20000)    // IgnoreNonAlphaWords
#define TROV_OPT_IGNORE_DOMAIN_NAMES ((uint32_t)0x40000)       // IgnoreDomainNames
#define TROV_OPT_ALLOW_ACCENTED_CAPS ((uint32_t)0x80000)       // AllowAccentedCaps
#define TROV_OPT_SINGLE_WORD_MODE ((uint32_t)0x100000)         // SingleWordMode
#define TROV_OPT_IGNORE_HTML_MARKUPS ((uint32_t)0x200000)      // IgnoreHTMLMarkups
#define TROV_OPT_BACKUP_USER_DICTIONARY ((uint32_t)0x400000)   // BackupUserDictionary
#define TROV_OPT_AMPERSAND_JOINS_WORDS ((uint32_t)0x800000)    // AmpersandJoinsWords
#define TROV_OPT_SLASH_JOINS_WORDS ((uint32_t)0x1000000)       // SlashJoinsWords
// RankedSuggestions: suggestions re-ranked by how likely each is the word meant (word frequencies
// from TROV_LoadWordFrequencies, typing slips, sound); off keeps the default ranking.
#define TROV_OPT_RANKED_SUGGESTIONS ((uint32_t)0x2000000)
#define TROV_OPT_LANGUAGE ((uint32_t)0x80000002)  // Language (16-bit code)

#define TROV_DEFAULT_OPTIONS ((uint32_t)0xB8690)  // option word of a new session
#define TROV_LANGUAGE_AM ((int16_t)0x616D)        // "am", a new session's language
#define TROV_LANGUAGE_ANY ((int16_t)0x7878)       // "xx", any language

// ---- Sizes of the engine's fixed word buffers ----
#define TROV_MAX_WORD 80         // longest word, in characters
#define TROV_WORD_BUFFER 81      // buffer for one word
#define TROV_PROBLEM_BUFFER 162  // buffer for a reported problem word
#define TROV_MAX_PATH 515        // longest file name kept by the engine

#ifdef __cplusplus
extern "C" {
#endif

// ---- Sessions ----
int16_t TROV_OpenSession(void);              // new session id (>= 0) or -12
int16_t TROV_CloseSession(int16_t session);  // closes its lexicons; 0 or -2

// ---- Options and character sets ----
// Sets (value != 0) or clears every bit of option; 1 if any was set before, else 0. For
// TROV_OPT_LANGUAGE the low 16 bits become the language and the old one is returned.
int32_t TROV_SetOption(int16_t session, uint32_t option, int32_t value);
// 1 if any bit of option is set, else 0; the language for TROV_OPT_LANGUAGE.
int32_t TROV_GetOption(int16_t session, uint32_t option);
int16_t TROV_SetCharSet(int32_t charSet);  // selects set 1..10 process-wide; 0 or -13
int16_t TROV_GetCharSet(void);             // id of the selected set

// ---- Diagnostic log ----
void TROV_SetLogFile(const char* fileName);  // name starts logging; null stops it

// ---- String-word operations ----
// Copies the word at or after offset; its start offset, or -3 when no word remains.
int16_t TROV_GetStringWord(int16_t session, const char* text, int32_t offset, char* word,
                           int16_t wordSize);
int32_t TROV_CountWords(int16_t session, const char* text);  // number of words
// Replaces the word at offset with newWord; the new text length, -3 or -8.
int16_t TROV_ReplaceStringWord(int16_t session, char* text, int32_t textSize, int32_t offset,
                               const char* newWord);
// Deletes the word at offset and the white space before it; where the deletion began, or -3.
int16_t TROV_DelStringWord(int16_t session, char* text, int32_t offset, char* deleted,
                           int16_t deletedSize);
// Deletes up to count bytes at offset (no session test); the number deleted.
int32_t TROV_DeleteText(int16_t session, char* text, int32_t offset, int32_t count);
// Inserts insertion at offset (no session test); the new text length, or -8.
int32_t TROV_InsertText(int16_t session, char* text, int32_t textSize, int32_t offset,
                        const char* insertion);

// ---- Checking ----
// Walks text from *offset to the next problem word; its flags, or 0x40 at the end of the text.
int16_t TROV_CheckString(int16_t session, const char* text, int32_t* offset, char* word,
                         int16_t wordSize, char* replacement, int16_t replacementSize);
// Checks one word without scanning; its flags, 0 when acceptable.
int16_t TROV_CheckText(int16_t session, const char* word, char* replacement,
                       int16_t replacementSize);

// ---- Suggestions ----
// Ranked replacements for word, best first, as consecutive zero-terminated strings closed by an
// empty one, with their scores; 0 or an error.
int16_t TROV_Suggest(int16_t session, const char* word, int16_t depth, char* suggestions,
                     int32_t suggestionsSize, int16_t* scores, int16_t scoresSize);

// ---- Lexicons ----
// Opens a lexicon file (budget < 0: compressed file whole; 0: paged unbounded; > 0: paged bound).
int16_t TROV_OpenLex(int16_t session, const char* fileName, int32_t memoryBudget);
// Creates a text lexicon file, or a temporary lexicon when fileName is null or empty.
int16_t TROV_CreateLex(int16_t session, const char* fileName, int16_t language);
int16_t TROV_CloseLex(int16_t session, int16_t lex);
int16_t TROV_AddToLex(int16_t session, int16_t lex, const char* word, int16_t action,
                      const char* otherWord);
int16_t TROV_DelFromLex(int16_t session, int16_t lex, const char* word);
int16_t TROV_ClearLex(int16_t session, int16_t lex);
// The word's action code (>= 0) with its other word copied to otherWord, or an error.
int16_t TROV_FindLexWord(int16_t session, int16_t lex, const char* word, char* otherWord,
                         int16_t otherWordSize);
// Lists the lexicon's entries into buffer; their number or an error.
int16_t TROV_GetLex(int16_t session, int16_t lex, char* buffer, int32_t bufferSize);
// Size, format (type tag) and language of a lexicon; each out pointer may be null.
int16_t TROV_GetLexInfo(int16_t session, int16_t lex, int32_t* size, int16_t* format,
                        int16_t* language);

#ifdef __cplusplus
}  // extern "C"
#endif

#endif  // TROV_H
