// One problem found by "vantor check", and the two ways of printing it.
#ifndef VANTOR_TOOL_PROBLEM_REPORT_H
#define VANTOR_TOOL_PROBLEM_REPORT_H

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "document.h"
#include "trov.h"

namespace vantor {

// Stops for which the check itself gives the replacement.
inline constexpr int16_t kFlagsWithReplacement =
    TROV_RESULT_AUTO_CHANGE | TROV_RESULT_COND_CHANGE | TROV_RESULT_CAPITALIZATION;

struct Problem {
  std::string file;         // as named on the command line; "<stdin>" for standard input
  TextPosition position;    // in the original text
  int16_t flags;            // the check-result flags of the stop
  std::string word;         // UTF-8
  std::string replacement;  // UTF-8; empty when the check gave none
  std::vector<std::string> suggestions;  // UTF-8, best first
};

// What the stop is, for people: the most specific of its flags ("doubled word", "capitalization",
// "mixed case", "letters and digits", "auto-change", "conditional change", "misspelled").
std::string_view ProblemKind(int16_t flags);

// FILE:LINE:COLUMN: KIND: WORD [-> REPLACEMENT] [(suggestions: A, B)]
void WriteProblemText(const Problem& problem, std::ostream& out);
// One JSON object on one line.
void WriteProblemJson(const Problem& problem, std::ostream& out);

}  // namespace vantor

#endif  // VANTOR_TOOL_PROBLEM_REPORT_H
