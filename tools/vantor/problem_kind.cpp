#include "problem_report.h"
#include "trov.h"

namespace vantor {

std::string_view ProblemKind(int16_t flags) {
  // Most specific first: a doubled or wrongly capitalised word is usually also "not acceptable".
  struct Kind {
    int16_t flag;
    std::string_view name;
  };
  static constexpr Kind kKinds[] = {
      {TROV_RESULT_DOUBLED_WORD, "doubled word"}, {TROV_RESULT_CAPITALIZATION, "capitalization"},
      {TROV_RESULT_MIXED_CASE, "mixed case"},     {TROV_RESULT_MIXED_DIGITS, "letters and digits"},
      {TROV_RESULT_AUTO_CHANGE, "auto-change"},   {TROV_RESULT_COND_CHANGE, "conditional change"},
  };
  for (const Kind& kind : kKinds) {
    if (flags & kind.flag) return kind.name;
  }
  return "misspelled";
}

}  // namespace vantor
