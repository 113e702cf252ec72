// Expanding and reducing dictionary names against the module directory.
#include "path_conversion.h"

#include <cstddef>

namespace trov {
namespace {

char Separator(PathStyle style) { return style == PathStyle::kWindows ? '\\' : '/'; }

bool IsFullPath(PathStyle style, std::string_view name) {
  if (style == PathStyle::kWindows) {
    return (!name.empty() && name[0] == '\\') || (name.size() >= 2 && name[1] == ':');
  }
  return !name.empty() && name[0] == '/';
}

// Windows file names ignore letter case; POSIX ones do not, so a directory spelled in other case
// there is another directory and must keep its full path.
bool SameDirectory(PathStyle style, std::string_view a, std::string_view b) {
  return style == PathStyle::kWindows ? SameIgnoringAsciiCase(a, b) : a == b;
}

// Splits at the first comma; a comma at position 0 (or none) leaves the whole rest as one name,
// so ",x.tlx" stays one name.
template <typename Convert>
std::string ConvertList(std::string_view list, Convert convert) {
  std::string result;
  bool first = true;
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    std::string_view name = list;
    if (comma == std::string_view::npos || comma == 0) {
      list = {};
    } else {
      name = list.substr(0, comma);
      list.remove_prefix(comma + 1);
    }
    if (!first) result += ',';
    result += convert(name);
    first = false;
  }
  return result;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::string ExpandDictionaryName(PathStyle style, std::string_view moduleDirectory,
                                 std::string_view name) {
  if (IsFullPath(style, name)) return std::string(name);
  std::string result(moduleDirectory);
  result += Separator(style);
  result += name;
  return result;
}

std::string ReduceDictionaryName(PathStyle style, std::string_view moduleDirectory,
                                 std::string_view name) {
  const std::size_t last = name.rfind(Separator(style));
  if (last == std::string_view::npos) return std::string(name);
  if (!SameDirectory(style, name.substr(0, last), moduleDirectory)) return std::string(name);
  return std::string(name.substr(last + 1));
}

std::string ExpandDictionaryList(PathStyle style, std::string_view moduleDirectory,
                                 std::string_view list) {
  return ConvertList(list, [&](std::string_view name) {
    return ExpandDictionaryName(style, moduleDirectory, name);
  });
}

std::string ReduceDictionaryList(PathStyle style, std::string_view moduleDirectory,
                                 std::string_view list) {
  return ConvertList(list, [&](std::string_view name) {
    return ReduceDictionaryName(style, moduleDirectory, name);
  });
}

}  // namespace trov
