// Reading a whole input: a named file, or standard input for "-".
#ifndef VANTOR_TOOL_INPUT_FILE_H
#define VANTOR_TOOL_INPUT_FILE_H

#include <istream>
#include <string>

namespace vantor {

// The name used in reports for standard input.
inline constexpr char kStandardInputName[] = "<stdin>";

// True with bytes filled; false with error saying why ("no such file", "is a directory",
// "cannot read: ...").
bool ReadInput(const std::string& name, std::istream& standardInput, std::string& bytes,
               std::string& error);

std::string DisplayName(const std::string& name);

}  // namespace vantor

#endif  // VANTOR_TOOL_INPUT_FILE_H
