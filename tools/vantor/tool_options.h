// Everything the command line can set, with the control's own defaults, and the parser that
// fills it in.
#ifndef VANTOR_TOOL_OPTIONS_H
#define VANTOR_TOOL_OPTIONS_H

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "control_core.h"

namespace vantor {

// The subcommands, as bits so an option can name the ones it belongs to.
enum Command : unsigned {
  kCheck = 1,
  kFix = 2,
  kSuggest = 4,
  kPipe = 8,
  kDict = 16,
};

// DefaultToolOptions() fills the control's properties in from the defaults of its saved form.
struct ToolOptions {
  // The control's Boolean option properties, by option id; every one is applied to the session.
  std::map<trov::OptionProperty, bool> switches;
  bool autoCorrect = false;
  int16_t maxSuggestions = 0;
  int16_t minSuggestionDepth = 0;
  int16_t suggestionDepthIncrement = 0;
  int16_t minSuggestionScore = 0;
  int16_t suggestionScoreRange = 0;
  int16_t characterSet = 0;
  // Empty for UTF-8, which the pipe leaves for ISO-8859-1 when the client's text is not UTF-8.
  std::string encoding;
  std::string mainDictionaries;
  std::string userDictionaries;
  std::string logFile;
  std::string language = "am";  // two letters, for dictionaries created by "dict create"
  // --lang (or VANTOR_LANG): a language of language.h; empty for American English.
  std::string lang;
  bool json = false;  // check: one JSON object per problem
  bool suggestionsInReport = true;
  bool scores = false;             // suggest: ":score" after each suggestion
  bool wordsFromStdin = false;     // suggest: one word per line
  bool backupOnWrite = true;       // fix: keep FILE.bak with the original
  std::string personalDictionary;  // pipe: -p FILE; empty for the default one
  int shortWordLength = 0;         // pipe: -W N accepts words of N characters or fewer
  bool listMisspelled = false;     // pipe: -l lists the misspelled words instead of answering
  std::vector<std::string> operands;
};

ToolOptions DefaultToolOptions();

struct ParsedArguments {
  ToolOptions options;
  bool help = false;
  std::string error;  // empty when the arguments are sound
};

// Parses the arguments that follow the subcommand's name. "--" ends the options; "-" is an
// operand (standard input). environmentLanguage is VANTOR_LANG, used when no --lang is given.
// The language then sets the character set and the dictionary lists that the arguments left at
// their defaults, and turns phonetic suggestions off where they make no sense.
ParsedArguments ParseArguments(Command command, std::span<const std::string> arguments,
                               std::string_view environmentLanguage = {});

// The option lines of --help for one subcommand.
std::string OptionHelp(Command command);

// Pipe only: the ispell-style option at arguments[index] ("-d NAME" or "-dNAME"), read into
// result; the index of the next argument (ispell_options.cpp).
std::size_t ReadIspellOption(std::span<const std::string> arguments, std::size_t index,
                             ParsedArguments& result);
std::string IspellOptionHelp();

// Shared by both option readers: a whole decimal number; one aligned line of --help.
bool ParseNumber(std::string_view text, int& value);
std::string HelpLine(std::string_view option, std::string_view text);

}  // namespace vantor

#endif  // VANTOR_TOOL_OPTIONS_H
