// The languages the build makes dictionaries for (dict/languages.txt): what --lang, VANTOR_LANG
// and the ispell pipe's -d select, and what selecting one changes.
#ifndef VANTOR_TOOL_LANGUAGE_H
#define VANTOR_TOOL_LANGUAGE_H

#include <span>
#include <string>
#include <string_view>

namespace vantor {

struct Language {
  std::string_view code;  // the lexicon's language id, two letters
  std::string_view tag;   // e.g. de-DE
  std::string_view name;  // e.g. German
  int characterSet;
  std::string_view package;       // the Debian package of the word list
  std::string_view wordList;      // its file in /usr/share/dict
  std::string_view listEncoding;  // of that file: UTF-8 or ISO-8859-1
  bool phonetic;                  // whether phonetic suggestions make sense in it
  std::string_view ispellName;    // what editors pass to -d, e.g. deutsch
};

std::span<const Language> Languages();

// By code, tag (either with '-' or '_'), name or ispell name, in any case; nullptr when none
// matches.
const Language* FindLanguage(std::string_view name);

// The compressed main dictionary the build makes for the language.
std::string MainDictionaryFile(const Language& language);
// The main and user dictionary lists the tool opens for it: American English keeps its text
// lexicon and its list of English typing errors.
std::string MainDictionaryList(const Language& language);
std::string UserDictionaryList(const Language& language);

}  // namespace vantor

#endif  // VANTOR_TOOL_LANGUAGE_H
