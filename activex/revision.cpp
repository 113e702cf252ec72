#include "revision.h"

namespace trov {

std::string RevisionNumber(std::string_view revision) {
  const std::size_t first = revision.find(' ');
  if (first == std::string_view::npos) return {};
  const std::string_view rest = revision.substr(first + 1);
  return std::string(rest.substr(0, rest.find(' ')));
}

}  // namespace trov
