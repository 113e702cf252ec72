#include "tool_options.h"

#include <charconv>
#include <functional>
#include <string_view>

#include "control_properties.h"
#include "language.h"

namespace vantor {
namespace {

using trov::OptionProperty;

constexpr unsigned kChecking = kCheck | kFix | kSuggest | kPipe;
constexpr unsigned kEveryCommand = kChecking | kDict;

struct SwitchSpec {
  std::string_view name;    // "--NAME" sets it, "--no-NAME" clears it
  OptionProperty property;  // on by default as a control placed on a form has it
  std::string_view help;
};

constexpr SwitchSpec kSwitches[] = {
    {"ignore-capitalized", OptionProperty::kIgnoreCapitalizedWords,
     "accept words that start with a capital"},
    {"ignore-mixed-case", OptionProperty::kIgnoreMixedCaseWords, "accept mixed-case words"},
    {"ignore-digits", OptionProperty::kIgnoreWordsWithDigits, "accept words with digits"},
    {"ignore-all-caps", OptionProperty::kIgnoreAllCapsWords, "accept words in capitals"},
    {"catch-mixed-case", OptionProperty::kCatchMixedCaseWords, "report mixed-case words"},
    {"catch-digits", OptionProperty::kCatchWordsWithDigits,
     "report words mixing letters and digits"},
    {"catch-doubled", OptionProperty::kCatchDoubledWords, "report doubled words"},
    {"case-sensitive", OptionProperty::kCaseSensitive,
     "compare case and report capitalisation errors"},
    {"split-hyphenated", OptionProperty::kSplitHyphenatedWords,
     "check the parts of hyphenated words"},
    {"split-contracted", OptionProperty::kSplitContractedWords, "check the parts of contractions"},
    {"split-words", OptionProperty::kSplitWords, "accept run-together known words"},
    {"suggest-split", OptionProperty::kSuggestSplitWords, "suggest words split in two"},
    {"phonetic", OptionProperty::kPhoneticSuggestions, "suggest by sound as well"},
    {"typographical", OptionProperty::kTypographicalSuggestions, "suggest typing-error variants"},
    {"strip-possessives", OptionProperty::kStripPossessives, "look words up without 's"},
    {"ignore-non-alpha", OptionProperty::kIgnoreNonAlphaWords, "accept words without letters"},
    {"ignore-domain-names", OptionProperty::kIgnoreDomainNames,
     "accept e-mail addresses, URLs and domain names"},
    {"allow-accented-caps", OptionProperty::kAllowAccentedCaps, "accept accented capitals"},
    {"html", OptionProperty::kIgnoreHTMLMarkups, "skip HTML markup, decode entities"},
    {"backup-dictionary", OptionProperty::kBackupUserDictionary,
     "back up a user dictionary before changing it"},
};

struct FlagSpec {
  std::string_view name;
  unsigned commands;
  bool ToolOptions::*field;
  bool value;
  std::string_view help;
};

constexpr FlagSpec kFlags[] = {
    {"json", kCheck, &ToolOptions::json, true, "one JSON object per problem"},
    {"no-suggestions", kCheck, &ToolOptions::suggestionsInReport, false,
     "report problems without suggestions"},
    {"scores", kSuggest, &ToolOptions::scores, true, "append :score to each suggestion"},
    {"stdin", kSuggest, &ToolOptions::wordsFromStdin, true,
     "read the words from standard input, one a line"},
    {"no-backup", kFix, &ToolOptions::backupOnWrite, false,
     "do not keep the original as FILE.bak when writing"},
    {"auto-correct", kChecking, &ToolOptions::autoCorrect, true,
     "apply auto-change pairs at once (default)"},
    {"no-auto-correct", kChecking, &ToolOptions::autoCorrect, false,
     "offer auto-change pairs as proposals"},
};

struct NumberSpec {
  std::string_view name;
  unsigned commands;
  int16_t ToolOptions::*field;
  int low;
  int high;
  std::string_view help;
};

constexpr NumberSpec kNumbers[] = {
    {"max-suggestions", kChecking, &ToolOptions::maxSuggestions, 1, 500,
     "N: at most N suggestions (16)"},
    {"depth", kChecking, &ToolOptions::minSuggestionDepth, 1, 100,
     "N: suggestion search depth 1-100 (50)"},
    {"depth-increment", kFix, &ToolOptions::suggestionDepthIncrement, 1, 100,
     "N: deeper by N on each further request (10)"},
    {"min-score", kChecking, &ToolOptions::minSuggestionScore, 0, 100,
     "N: drop suggestions scoring below N (50)"},
    {"score-range", kChecking, &ToolOptions::suggestionScoreRange, 0, 100,
     "N: drop suggestions more than N below the best (50)"},
    {"charset", kEveryCommand, &ToolOptions::characterSet, 1, 10,
     "N: engine character set: 1 Windows-1252, 2-10 ISO 8859-N (1)"},
};

struct TextSpec {
  std::string_view name;
  unsigned commands;
  std::string ToolOptions::*field;
  std::string_view help;
};

constexpr TextSpec kTexts[] = {
    {"encoding", kEveryCommand, &ToolOptions::encoding,
     "NAME: encoding of the text (UTF-8; pipe: or ISO-8859-1 as the input shows)"},
    {"main", kEveryCommand, &ToolOptions::mainDictionaries,
     "LIST: main dictionaries, comma-separated (trovam.tlx,trovam2.clx)"},
    {"user", kEveryCommand, &ToolOptions::userDictionaries,
     "LIST: user dictionaries, comma-separated (userdic.tlx,correct.tlx)"},
    {"log", kEveryCommand, &ToolOptions::logFile, "FILE: write the engine's diagnostic log"},
    {"lang", kEveryCommand, &ToolOptions::lang,
     "CODE: language by code, tag or name: its dictionary and set (VANTOR_LANG; dict list)"},
    {"language", kDict, &ToolOptions::language, "XX: language of a created dictionary (am)"},
};

// A switch set by naming one of its two settings: --rank=spec keeps the default suggestion
// ranking, --rank=best puts the likeliest words first.
struct ChoiceSpec {
  std::string_view name;
  unsigned commands;
  OptionProperty property;
  std::string_view off;
  std::string_view on;
  std::string_view help;
};

constexpr ChoiceSpec kChoices[] = {
    {"rank", kChecking, OptionProperty::kRankedSuggestions, "spec", "best",
     "spec|best: suggestion ranking: by similarity score (spec) or likeliest word first (best)"},
};

// One "--name" or "--name=value" option; the value may also come from the next argument.
class OptionReader {
 public:
  OptionReader(Command command, std::span<const std::string> arguments, ParsedArguments& result)
      : command_(command), arguments_(arguments), result_(result) {}

  // Handles arguments_[index] (an option) and returns the index of the next argument.
  std::size_t Read(std::size_t index) {
    std::string_view argument = arguments_[index];
    argument.remove_prefix(2);
    std::optional<std::string_view> inlineValue;
    if (const auto equals = argument.find('='); equals != std::string_view::npos) {
      inlineValue = argument.substr(equals + 1);
      argument = argument.substr(0, equals);
    }
    name_ = argument;
    if (name_ == "help") {
      result_.help = true;
      return index + 1;
    }
    if (ReadSwitch() || ReadFlag()) {
      if (inlineValue) Fail("option --" + name_ + " takes no value");
      return index + 1;
    }
    std::size_t next = index + 1;
    std::string value;
    if (inlineValue) {
      value = *inlineValue;
    } else if (next < arguments_.size()) {
      value = arguments_[next++];
    }
    const bool present = inlineValue || next > index + 1;
    if (ReadNumber(value, present) || ReadText(value, present) || ReadChoice(value, present)) {
      return next;
    }
    Fail("unknown option --" + name_);
    return index + 1;
  }

 private:
  bool ReadSwitch() {
    const bool negated = name_.rfind("no-", 0) == 0;
    const std::string_view bare = negated ? std::string_view(name_).substr(3) : name_;
    for (const SwitchSpec& entry : kSwitches) {
      if (entry.name == bare && (command_ & (kChecking | kDict))) {
        result_.options.switches[entry.property] = !negated;
        return true;
      }
    }
    return false;
  }
  bool ReadFlag() {
    for (const FlagSpec& entry : kFlags) {
      if (entry.name == name_ && (entry.commands & command_)) {
        result_.options.*entry.field = entry.value;
        return true;
      }
    }
    return false;
  }
  bool ReadNumber(const std::string& value, bool present) {
    for (const NumberSpec& entry : kNumbers) {
      if (entry.name != name_ || !(entry.commands & command_)) continue;
      int number = 0;
      if (!present || !ParseNumber(value, number) || number < entry.low || number > entry.high) {
        Fail("option --" + name_ + " needs a number from " + std::to_string(entry.low) + " to " +
             std::to_string(entry.high));
      } else {
        result_.options.*entry.field = static_cast<int16_t>(number);
      }
      return true;
    }
    return false;
  }
  bool ReadText(const std::string& value, bool present) {
    for (const TextSpec& entry : kTexts) {
      if (entry.name != name_ || !(entry.commands & command_)) continue;
      if (!present) {
        Fail("option --" + name_ + " needs a value");
      } else {
        result_.options.*entry.field = value;
      }
      return true;
    }
    return false;
  }
  bool ReadChoice(const std::string& value, bool present) {
    for (const ChoiceSpec& entry : kChoices) {
      if (entry.name != name_ || !(entry.commands & command_)) continue;
      if (present && (value == entry.off || value == entry.on)) {
        result_.options.switches[entry.property] = value == entry.on;
      } else {
        Fail("option --" + name_ + " needs " + std::string(entry.off) + " or " +
             std::string(entry.on));
      }
      return true;
    }
    return false;
  }
  void Fail(std::string message) {
    if (result_.error.empty()) result_.error = std::move(message);
  }

  Command command_;
  std::span<const std::string> arguments_;
  ParsedArguments& result_;
  std::string name_;
};

}  // namespace

bool ParseNumber(std::string_view text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

std::string HelpLine(std::string_view option, std::string_view text) {
  std::string left = "  " + std::string(option);
  if (left.size() < 28) left.resize(28, ' ');
  return left + " " + std::string(text) + "\n";
}

// The tool starts as a control placed on a form does: with the defaults its saved form has.
int32_t SavedDefault(std::string_view property) {
  return trov::FindControlProperty(property)->persistedDefault.number;
}

bool SwitchDefault(OptionProperty option) {
  return trov::PropertyOfOption(option).persistedDefault.number != 0;
}

ToolOptions DefaultToolOptions() {
  ToolOptions options;
  for (const SwitchSpec& entry : kSwitches)
    options.switches[entry.property] = SwitchDefault(entry.property);
  options.autoCorrect = SavedDefault("AutoCorrect") != 0;
  options.maxSuggestions = static_cast<int16_t>(SavedDefault("MaxSuggestions"));
  options.minSuggestionDepth = static_cast<int16_t>(SavedDefault("MinSuggestionDepth"));
  options.suggestionDepthIncrement = static_cast<int16_t>(SavedDefault("SuggestionDepthIncrement"));
  options.minSuggestionScore = static_cast<int16_t>(SavedDefault("MinSuggestionScore"));
  options.suggestionScoreRange = static_cast<int16_t>(SavedDefault("SuggestionScoreRange"));
  options.characterSet = static_cast<int16_t>(SavedDefault("CharacterSet"));
  options.mainDictionaries =
      trov::FindControlProperty("MainDictionaryFiles")->persistedDefault.text;
  options.userDictionaries =
      trov::FindControlProperty("UserDictionaryFiles")->persistedDefault.text;
  return options;
}

namespace {

// What a language changes: only what the arguments left at the defaults.
void ApplyLanguage(const Language& language, ToolOptions& options) {
  const ToolOptions defaults = DefaultToolOptions();
  if (options.characterSet == defaults.characterSet) {
    options.characterSet = static_cast<int16_t>(language.characterSet);
  }
  if (options.mainDictionaries == defaults.mainDictionaries) {
    options.mainDictionaries = MainDictionaryList(language);
  }
  if (options.userDictionaries == defaults.userDictionaries) {
    options.userDictionaries = UserDictionaryList(language);
  }
  if (options.language == defaults.language) options.language = language.code;
  // The phonetic code is made for English spelling.
  if (!language.phonetic) options.switches[OptionProperty::kPhoneticSuggestions] = false;
}

}  // namespace

ParsedArguments ParseArguments(Command command, std::span<const std::string> arguments,
                               std::string_view environmentLanguage) {
  ParsedArguments result;
  result.options = DefaultToolOptions();
  OptionReader reader(command, arguments, result);
  bool optionsEnded = false;
  for (std::size_t index = 0; index < arguments.size();) {
    const std::string& argument = arguments[index];
    if (optionsEnded || argument == "-" || argument.rfind("-", 0) != 0) {
      result.options.operands.push_back(argument);
      ++index;
    } else if (argument == "--") {
      optionsEnded = true;
      ++index;
    } else if (argument == "-h") {
      result.help = true;
      ++index;
    } else if (argument.rfind("--", 0) == 0) {
      index = reader.Read(index);
    } else if (command == kPipe) {
      index = ReadIspellOption(arguments, index, result);
    } else {
      if (result.error.empty()) result.error = "unknown option " + argument;
      ++index;
    }
  }
  if (result.options.lang.empty()) result.options.lang = environmentLanguage;
  if (!result.options.lang.empty()) {
    if (const Language* language = FindLanguage(result.options.lang)) {
      ApplyLanguage(*language, result.options);
    } else if (result.error.empty()) {
      result.error = "unknown language '" + result.options.lang + "'";
    }
  }
  if (result.options.language.size() != 2) {
    if (result.error.empty()) result.error = "option --language needs two letters";
  }
  return result;
}

std::string OptionHelp(Command command) {
  std::string help;
  const auto line = [&help](std::string_view option, std::string_view text) {
    help += HelpLine(option, text);
  };
  if (command & (kChecking | kDict)) {
    for (const SwitchSpec& entry : kSwitches) {
      line(std::string(SwitchDefault(entry.property) ? "--no-" : "--") + std::string(entry.name),
           entry.help);
    }
  }
  for (const FlagSpec& entry : kFlags) {
    if (entry.commands & command) line("--" + std::string(entry.name), entry.help);
  }
  for (const NumberSpec& entry : kNumbers) {
    if (entry.commands & command) line("--" + std::string(entry.name) + " N", entry.help.substr(3));
  }
  for (const TextSpec& entry : kTexts) {
    if (!(entry.commands & command)) continue;
    const std::size_t colon = entry.help.find(':');
    line("--" + std::string(entry.name) + " " + std::string(entry.help.substr(0, colon)),
         entry.help.substr(colon + 2));
  }
  for (const ChoiceSpec& entry : kChoices) {
    if (!(entry.commands & command)) continue;
    const std::size_t colon = entry.help.find(':');
    line("--" + std::string(entry.name) + "=" + std::string(entry.help.substr(0, colon)),
         entry.help.substr(colon + 2));
  }
  if (command == kPipe) help += IspellOptionHelp();
  return help;
}

}  // namespace vantor
