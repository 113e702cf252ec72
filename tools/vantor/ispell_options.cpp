// The single-letter options that editors pass to an ispell-protocol program, mapped onto the
// tool's own. Clients pass them unasked (Emacs always sends -a -m -B), so each one is accepted;
// those without a counterpart here are accepted without effect rather than refused.
#include <cctype>
#include <string_view>

#include "language.h"
#include "tool_options.h"
#include "trov.h"

namespace vantor {
namespace {

using trov::OptionProperty;

// Each returns an error message, or "" when the value was taken.
using Apply = std::string (*)(const std::string& value, ToolOptions& options);

struct IspellOption {
  char letter;
  bool takesValue;
  Apply apply;
  std::string_view help;  // "VALUE: text" for options that take a value
};

std::string NoEffect(const std::string&, ToolOptions&) { return {}; }

std::string ReportRunTogetherWords(const std::string&, ToolOptions& options) {
  options.switches[OptionProperty::kSplitWords] = false;
  return {};
}

std::string AcceptRunTogetherWords(const std::string&, ToolOptions& options) {
  options.switches[OptionProperty::kSplitWords] = true;
  return {};
}

std::string SkipHtmlMarkup(const std::string&, ToolOptions& options) {
  options.switches[OptionProperty::kIgnoreHTMLMarkups] = true;
  return {};
}

std::string ListMisspelledWords(const std::string&, ToolOptions& options) {
  options.listMisspelled = true;
  return {};
}

std::string SetShortWordLength(const std::string& value, ToolOptions& options) {
  int length = 0;
  if (!ParseNumber(value, length) || length < 0 || length > TROV_MAX_WORD) {
    return "option -W needs a number from 0 to " + std::to_string(TROV_MAX_WORD);
  }
  options.shortWordLength = length;
  return {};
}

// Editors name a language (ispell's dictionary names are language names); anything else is a
// list of dictionary files.
std::string SetMainDictionary(const std::string& value, ToolOptions& options) {
  if (FindLanguage(value) != nullptr) {
    options.lang = value;
  } else {
    options.mainDictionaries = value;
  }
  return {};
}

std::string SetPersonalDictionary(const std::string& value, ToolOptions& options) {
  if (value.empty()) return "option -p needs a file name";
  options.personalDictionary = value;
  return {};
}

std::string SetEncoding(const std::string& value, ToolOptions& options) {
  options.encoding = value;
  return {};
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

bool OneOf(std::string_view name, std::initializer_list<std::string_view> names) {
  for (std::string_view candidate : names) {
    if (SameName(name, candidate)) return true;
  }
  return false;
}

// ispell's formatter and string types: markup the engine skips, encodings, and formats read as
// plain text.
std::string SetInputType(const std::string& type, ToolOptions& options) {
  if (OneOf(type, {"html", "sgml", "xml"})) return SkipHtmlMarkup(type, options);
  if (OneOf(type, {"utf8", "utf-8"})) return SetEncoding("UTF-8", options);
  if (OneOf(type, {"latin1", "iso-8859-1", "iso8859-1"})) return SetEncoding("ISO-8859-1", options);
  if (OneOf(type, {"plain", "tex", "latex", "plaintex", "nroff", "troff"})) return {};
  return "unknown input type '" + type + "' for -T (html, sgml, tex, nroff, utf8, latin1)";
}

constexpr IspellOption kIspellOptions[] = {
    {'a', false, NoEffect, "pipe mode (as the pipe command itself)"},
    {'m', false, NoEffect, "accepted: word forms come from the dictionaries"},
    {'S', false, NoEffect, "accepted: suggestions always come best first"},
    {'B', false, ReportRunTogetherWords, "report run-together words (the default)"},
    {'C', false, AcceptRunTogetherWords, "accept run-together known words"},
    {'H', false, SkipHtmlMarkup, "HTML input: skip markup, decode entities"},
    {'t', false, NoEffect, "TeX input, read as plain text"},
    {'n', false, NoEffect, "nroff input, read as plain text"},
    {'l', false, ListMisspelledWords, "list the misspelled words of the input, one a line"},
    {'W', true, SetShortWordLength, "N: accept every word of N characters or fewer"},
    {'d', true, SetMainDictionary, "NAME: a language (e.g. deutsch) or main dictionary file"},
    {'p', true, SetPersonalDictionary, "FILE: personal dictionary (see the manual)"},
    {'T', true, SetInputType, "TYPE: html, sgml, tex, nroff, utf8 or latin1"},
    {'i', true, SetEncoding, "NAME: encoding, as --encoding"},
};

}  // namespace

std::size_t ReadIspellOption(std::span<const std::string> arguments, std::size_t index,
                             ParsedArguments& result) {
  const std::string& argument = arguments[index];
  for (const IspellOption& option : kIspellOptions) {
    if (argument[1] != option.letter || (!option.takesValue && argument.size() != 2)) continue;
    std::string value;
    std::size_t next = index + 1;
    if (argument.size() > 2) {
      value = argument.substr(2);  // "-dNAME", as ispell also takes it
    } else if (option.takesValue && next < arguments.size()) {
      value = arguments[next++];
    } else if (option.takesValue) {
      if (result.error.empty()) result.error = "option " + argument + " needs a value";
      return next;
    }
    const std::string error = option.apply(value, result.options);
    if (!error.empty() && result.error.empty()) result.error = error;
    return next;
  }
  if (result.error.empty()) result.error = "unknown option " + argument;
  return index + 1;
}

std::string IspellOptionHelp() {
  std::string help;
  for (const IspellOption& option : kIspellOptions) {
    std::string name = "-" + std::string(1, option.letter);
    std::string_view text = option.help;
    if (option.takesValue) {
      const std::size_t colon = text.find(':');
      name += " " + std::string(text.substr(0, colon));
      text = text.substr(colon + 2);
    }
    help += HelpLine(name, text);
  }
  return help;
}

}  // namespace vantor
