#include <nlohmann/json.hpp>

#include "problem_report.h"

namespace vantor {

void WriteProblemJson(const Problem& problem, std::ostream& out) {
  nlohmann::ordered_json object;
  object["file"] = problem.file;
  object["line"] = problem.position.line;
  object["column"] = problem.position.column;
  object["kind"] = ProblemKind(problem.flags);
  object["flags"] = problem.flags;
  object["word"] = problem.word;
  if (!problem.replacement.empty()) object["replacement"] = problem.replacement;
  object["suggestions"] = problem.suggestions;
  // Words come from valid text, but a name given on the command line may not be UTF-8.
  out << object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

}  // namespace vantor
