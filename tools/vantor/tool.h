// The tool as a function of its arguments and streams, so the tests run every subcommand in
// process, exactly as the program does.
#ifndef VANTOR_TOOL_TOOL_H
#define VANTOR_TOOL_TOOL_H

#include <istream>
#include <memory>
#include <ostream>
#include <span>
#include <string>

#include "tool_options.h"

namespace vantor {

class Speller;

inline constexpr int kExitClean = 0;     // no problem found
inline constexpr int kExitProblems = 1;  // problems found (check), or a refused request
inline constexpr int kExitError = 2;     // bad arguments, unreadable input, no dictionary

struct ToolStreams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

// Everything a subcommand gets: its parsed options and the folder of the default dictionaries.
struct ToolContext {
  const ToolOptions& options;
  const std::string& dictionaryDirectory;
  ToolStreams streams;
};

// arguments: everything after the program's name.
int RunTool(std::span<const std::string> arguments, const std::string& dictionaryDirectory,
            ToolStreams streams);

int RunCheck(const ToolContext& context);
int RunFix(const ToolContext& context);
int RunSuggest(const ToolContext& context);
int RunPipe(const ToolContext& context);
int RunDict(const ToolContext& context);

// "@(#) International Ispell Version ..." with the product's name and version.
std::string VersionLine();

// "vantor: " and the message, on the error stream.
void ReportError(std::ostream& err, const std::string& message);

// The speller a subcommand works with, its warnings reported; null after reporting why there is
// none. needDictionaries as for Speller::Open.
std::unique_ptr<Speller> OpenSpeller(const ToolOptions& options, const ToolContext& context,
                                     bool needDictionaries);

}  // namespace vantor

#endif  // VANTOR_TOOL_TOOL_H
