#include "problem_report.h"

namespace vantor {

void WriteProblemText(const Problem& problem, std::ostream& out) {
  out << problem.file << ':' << problem.position.line << ':' << problem.position.column << ": "
      << ProblemKind(problem.flags) << ": " << problem.word;
  if (!problem.replacement.empty()) out << " -> " << problem.replacement;
  if (!problem.suggestions.empty()) {
    out << " (suggestions: ";
    for (std::size_t i = 0; i < problem.suggestions.size(); ++i) {
      out << (i == 0 ? "" : ", ") << problem.suggestions[i];
    }
    out << ')';
  }
  out << '\n';
}

}  // namespace vantor
