// The folder that holds the running program: the default dictionaries live beside it.
#ifndef VANTOR_TOOL_PROGRAM_DIRECTORY_H
#define VANTOR_TOOL_PROGRAM_DIRECTORY_H

#include <string>

namespace vantor {

// Without a trailing separator; "." when the platform cannot tell.
std::string ProgramDirectory();

}  // namespace vantor

#endif  // VANTOR_TOOL_PROGRAM_DIRECTORY_H
