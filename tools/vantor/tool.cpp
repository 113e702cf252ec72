// Picks the subcommand, parses its options and prints the help texts.
#include "tool.h"

#include "speller.h"

#include <cstdlib>
#include <string_view>
#include <utility>
#include <variant>

namespace vantor {
namespace {

struct Subcommand {
  std::string_view name;
  Command command;
  int (*run)(const ToolContext&);
  std::string_view usage;
  std::string_view summary;
};

constexpr Subcommand kSubcommands[] = {
    {"check", kCheck, RunCheck, "vantor check [options] FILE...",
     "Report every problem word as FILE:LINE:COLUMN: KIND: WORD with the replacement or the best\n"
     "suggestions. '-' reads standard input. Exit status: 0 no problem, 1 problems, 2 error.\n"},
    {"fix", kFix, RunFix, "vantor fix [options] FILE",
     "Walk through the problems of FILE interactively and write the changes back when asked.\n"
     "Answers are read line by line: a number picks a suggestion, r WORD replaces, i ignores,\n"
     "I ignores everywhere, c [N|WORD] changes everywhere, d deletes, a adds to the user\n"
     "dictionary, u undoes, s suggests deeper, q quits, ? explains.\n"},
    {"suggest", kSuggest, RunSuggest, "vantor suggest [options] WORD...",
     "One line per word: the word, a tab, its check-result flags (0 = acceptable), then a tab and\n"
     "each suggestion, best first.\n"},
    {"pipe", kPipe, RunPipe, "vantor pipe [options]    (also: vantor -a [options])",
     "Speak the ispell pipe protocol on standard input and output, for editors; with -l (also\n"
     "'vantor -l'), list the misspelled words of standard input instead, one a line.\n"},
    {"dict", kDict, RunDict,
     "vantor dict list [FILE] | add FILE WORD [ACTION [OTHER]] | delete FILE WORD\n"
     "       vantor dict create FILE | compile WORDLIST OUTPUT",
     "Maintain user dictionaries (text files of words with actions: i ignore, e exclude,\n"
     "a/A change automatically, c/C propose a change) and compile word lists into compressed\n"
     "main dictionaries. 'dict list' alone lists the installed languages (code, tag, name,\n"
     "character set, dictionary) that --lang and VANTOR_LANG select.\n"},
};

void PrintOverview(std::ostream& out) {
  out << "usage: vantor COMMAND [options] ...\n       vantor --version | -v | -vv\n\ncommands:\n";
  for (const Subcommand& subcommand : kSubcommands) out << "  " << subcommand.usage << '\n';
  out << "\n'vantor COMMAND --help' lists a command's options. Dictionaries are looked for beside\n"
         "the program (installed: in <prefix>/share/vantor) unless named with a path.\n";
}

void PrintHelp(const Subcommand& subcommand, std::ostream& out) {
  out << "usage: " << subcommand.usage << "\n\n"
      << subcommand.summary << "\noptions:\n"
      << OptionHelp(subcommand.command);
}

}  // namespace

std::unique_ptr<Speller> OpenSpeller(const ToolOptions& options, const ToolContext& context,
                                     bool needDictionaries) {
  auto opened = Speller::Open(options, context.dictionaryDirectory, needDictionaries);
  if (const auto* message = std::get_if<std::string>(&opened)) {
    ReportError(context.streams.err, *message);
    return nullptr;
  }
  auto speller = std::move(std::get<std::unique_ptr<Speller>>(opened));
  for (const std::string& warning : speller->Warnings()) {
    ReportError(context.streams.err, "warning: " + warning);
  }
  return speller;
}

void ReportError(std::ostream& err, const std::string& message) {
  err << "vantor: " << message << '\n';
}

int RunTool(std::span<const std::string> arguments, const std::string& dictionaryDirectory,
            ToolStreams streams) {
  if (arguments.empty()) {
    PrintOverview(streams.err);
    return kExitError;
  }
  const std::string& first = arguments.front();
  if (first == "--help" || first == "-h" || first == "help") {
    PrintOverview(streams.out);
    return kExitClean;
  }
  if (first == "--version" || first == "-v" || first == "-vv") {
    streams.out << VersionLine() << '\n';
    return kExitClean;
  }
  // ispell's pipe and list modes; "-l" stays among the options, where it selects list mode.
  const std::string_view name = first == "-a" || first == "-l" ? "pipe" : std::string_view(first);
  for (const Subcommand& subcommand : kSubcommands) {
    if (subcommand.name != name) continue;
    const char* environmentLanguage = std::getenv("VANTOR_LANG");
    const ParsedArguments parsed =
        ParseArguments(subcommand.command, arguments.subspan(first == "-l" ? 0 : 1),
                       environmentLanguage == nullptr ? "" : environmentLanguage);
    if (parsed.help) {
      PrintHelp(subcommand, streams.out);
      return kExitClean;
    }
    if (!parsed.error.empty()) {
      ReportError(streams.err, parsed.error + " (see 'vantor " + std::string(name) + " --help')");
      return kExitError;
    }
    return subcommand.run(ToolContext{parsed.options, dictionaryDirectory, streams});
  }
  ReportError(streams.err, "unknown command '" + first + "' (see 'vantor --help')");
  return kExitError;
}

}  // namespace vantor
