// Dictionary names as the host sees them (short names beside the module) and as the engine needs
// them (full paths). Both rule sets are plain functions of the separator style so that each can be
// exercised on any platform; native_path_style.h picks the one a build uses.
#ifndef VANTOR_PATH_CONVERSION_H
#define VANTOR_PATH_CONVERSION_H

#include <string>
#include <string_view>

namespace trov {

enum class PathStyle {
  kWindows,  // '\' separates; "\..." and "X:..." are already full paths
  kPosix,    // '/' separates; "/..." is already a full path
};

// The name itself when it is already a full path, else moduleDirectory, a separator and the name.
std::string ExpandDictionaryName(PathStyle style, std::string_view moduleDirectory,
                                 std::string_view name);
// The part after the last separator when the part before it is the module directory, else the
// name unchanged.
std::string ReduceDictionaryName(PathStyle style, std::string_view moduleDirectory,
                                 std::string_view name);
// The same for each name of a comma-separated list; names are not trimmed.
std::string ExpandDictionaryList(PathStyle style, std::string_view moduleDirectory,
                                 std::string_view list);
std::string ReduceDictionaryList(PathStyle style, std::string_view moduleDirectory,
                                 std::string_view list);

// Equal when the bytes match after lower-casing A-Z only; every other byte compares exactly.
bool SameIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace trov

#endif  // VANTOR_PATH_CONVERSION_H
