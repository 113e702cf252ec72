// The spelling engine's whole public contract: every function, result code, check-result flag and
// option id. Callers never need another header.
//
// Conventions: every function takes the session id first (except the character-set, log and raw
// text helpers), returns a 16-bit signed result unless noted, and never throws. Strings are
// zero-terminated 8-bit text in the selected character set; buffers come with their size in bytes,
// terminating zero included.
#ifndef TROV_H
#define TROV_H

#include <cstdint>

// ---- Result codes (negative results are errors) ----
inline constexpr int16_t TROV_ERR_BAD_SESSION = -2;   // session id not open
inline constexpr int16_t TROV_ERR_NOT_FOUND = -3;     // word not in lexicon / no further word in text
inline constexpr int16_t TROV_ERR_FILE_OPEN = -4;     // file cannot be opened
inline constexpr int16_t TROV_ERR_BAD_ACTION = -6;    // action code is not one of a A c C i e
inline constexpr int16_t TROV_ERR_BAD_LEX = -7;       // lexicon id not open
inline constexpr int16_t TROV_ERR_BUFFER_FULL = -8;   // result does not fit, or index past the end
inline constexpr int16_t TROV_ERR_NO_MEMORY = -12;    // allocation failed
inline constexpr int16_t TROV_ERR_UNSUPPORTED = -13;  // value not recognised / operation not supported
inline constexpr int16_t TROV_ERR_EXISTS = -14;       // file to be created already exists
inline constexpr int16_t TROV_ERR_BAD_CHAR = -19;     // word holds a character a lexicon cannot store
inline constexpr int16_t TROV_ERR_READ = -22;         // read error
inline constexpr int16_t TROV_ERR_WRITE = -23;        // file cannot be locked or written
inline constexpr int16_t TROV_ERR_CREATE = -24;       // file cannot be created or opened for writing
inline constexpr int16_t TROV_ERR_BAD_FORMAT = -26;   // not a valid compressed lexicon file

// ---- Check-result flags (0 = the word is acceptable) ----
inline constexpr int16_t TROV_RESULT_MISSPELLED = 0x0001;      // not acceptable
inline constexpr int16_t TROV_RESULT_AUTO_CHANGE = 0x0002;     // auto-change; replacement returned
inline constexpr int16_t TROV_RESULT_COND_CHANGE = 0x0004;     // conditional change; replacement returned
inline constexpr int16_t TROV_RESULT_CAPITALIZATION = 0x0008;  // known only with other capitalisation
inline constexpr int16_t TROV_RESULT_MIXED_CASE = 0x0010;      // irregular mix of upper and lower case
inline constexpr int16_t TROV_RESULT_MIXED_DIGITS = 0x0020;    // letters mixed with digits
inline constexpr int16_t TROV_RESULT_END_OF_TEXT = 0x0040;     // no further problem word
inline constexpr int16_t TROV_RESULT_DOUBLED_WORD = 0x0080;    // repeats the word before it
// Internal to the check: a lookup found the word with the exclude action; leaves the check as 0x1.
inline constexpr int16_t TROV_RESULT_EXCLUDED = 0x1000;

// ---- Option ids: a flag option's id is its bit in the session's option word ----
inline constexpr uint32_t TROV_OPT_IGNORE_CAPITALIZED_WORDS = 0x1;      // IgnoreCapitalizedWords
inline constexpr uint32_t TROV_OPT_IGNORE_MIXED_CASE_WORDS = 0x2;       // IgnoreMixedCaseWords
inline constexpr uint32_t TROV_OPT_IGNORE_WORDS_WITH_DIGITS = 0x4;      // IgnoreWordsWithDigits
inline constexpr uint32_t TROV_OPT_IGNORE_ALL_CAPS_WORDS = 0x8;         // IgnoreAllCapsWords
inline constexpr uint32_t TROV_OPT_CATCH_CAPITALIZATION_ERRORS = 0x10;  // CatchCapitalizationErrors
inline constexpr uint32_t TROV_OPT_CATCH_MIXED_CASE_WORDS = 0x20;       // CatchMixedCaseWords
inline constexpr uint32_t TROV_OPT_CATCH_WORDS_WITH_DIGITS = 0x40;      // CatchWordsWithDigits
inline constexpr uint32_t TROV_OPT_CHECK_SPELLING = 0x80;               // CheckSpelling
inline constexpr uint32_t TROV_OPT_CATCH_DOUBLED_WORDS = 0x100;         // CatchDoubledWords
inline constexpr uint32_t TROV_OPT_CASE_SENSITIVE = 0x200;              // CaseSensitive
inline constexpr uint32_t TROV_OPT_SPLIT_HYPHENATED_WORDS = 0x400;      // SplitHyphenatedWords
inline constexpr uint32_t TROV_OPT_SPLIT_CONTRACTED_WORDS = 0x800;      // SplitContractedWords
inline constexpr uint32_t TROV_OPT_SPLIT_WORDS = 0x1000;                // SplitWords
inline constexpr uint32_t TROV_OPT_SUGGEST_SPLIT_WORDS = 0x2000;        // SuggestSplitWords
inline constexpr uint32_t TROV_OPT_PHONETIC_SUGGESTIONS = 0x4000;       // PhoneticSuggestions
inline constexpr uint32_t TROV_OPT_TYPOGRAPHICAL_SUGGESTIONS = 0x8000;  // TypographicalSuggestions
inline constexpr uint32_t TROV_OPT_STRIP_POSSESSIVES = 0x10000;         // StripPossessives
inline constexpr uint32_t TROV_OPT_IGNORE_NON_ALPHA_WORDS = 0x20000;    // IgnoreNonAlphaWords
inline constexpr uint32_t TROV_OPT_IGNORE_DOMAIN_NAMES = 0x40000;       // IgnoreDomainNames
inline constexpr uint32_t TROV_OPT_ALLOW_ACCENTED_CAPS = 0x80000;       // AllowAccentedCaps
inline constexpr uint32_t TROV_OPT_SINGLE_WORD_MODE = 0x100000;         // SingleWordMode
inline constexpr uint32_t TROV_OPT_IGNORE_HTML_MARKUPS = 0x200000;      // IgnoreHTMLMarkups
inline constexpr uint32_t TROV_OPT_BACKUP_USER_DICTIONARY = 0x400000;   // BackupUserDictionary
inline constexpr uint32_t TROV_OPT_AMPERSAND_JOINS_WORDS = 0x800000;    // AmpersandJoinsWords
inline constexpr uint32_t TROV_OPT_SLASH_JOINS_WORDS = 0x1000000;       // SlashJoinsWords
inline constexpr uint32_t TROV_OPT_LANGUAGE = 0x80000002;               // Language (16-bit code)

inline constexpr uint32_t TROV_DEFAULT_OPTIONS = 0xB8690;  // option word of a new session
inline constexpr int16_t TROV_LANGUAGE_AM = 0x616D;        // "am", a new session's language
inline constexpr int16_t TROV_LANGUAGE_ANY = 0x7878;       // "xx", any language

// ---- Sizes of the engine's fixed word buffers ----
inline constexpr int TROV_MAX_WORD = 80;          // longest word, in characters
inline constexpr int TROV_WORD_BUFFER = 81;       // buffer for one word
inline constexpr int TROV_PROBLEM_BUFFER = 162;   // buffer for a reported problem word
inline constexpr int TROV_MAX_PATH = 515;         // longest file name kept by the engine

extern "C" {

// ---- Sessions ----
int16_t TROV_OpenSession();                       // new session id (>= 0) or -12
int16_t TROV_CloseSession(int16_t session);       // closes its lexicons; 0 or -2

// ---- Options and character sets ----
// Sets (value != 0) or clears every bit of option; 1 if any was set before, else 0. For
// TROV_OPT_LANGUAGE the low 16 bits become the language and the old one is returned.
int32_t TROV_SetOption(int16_t session, uint32_t option, int32_t value);
// 1 if any bit of option is set, else 0; the language for TROV_OPT_LANGUAGE.
int32_t TROV_GetOption(int16_t session, uint32_t option);
int16_t TROV_SetCharSet(int32_t charSet);         // selects set 1..10 process-wide; 0 or -13
int16_t TROV_GetCharSet();                        // id of the selected set

// ---- Diagnostic log ----
void TROV_SetLogFile(const char* fileName);       // name starts logging; null stops it

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

}  // extern "C"

#endif  // TROV_H
