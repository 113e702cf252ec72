// The folder of the default dictionaries: beside the running program in a build and on Windows,
// the installed data folder when the program runs from an install on Linux.
#ifndef VANTOR_TOOL_DICTIONARY_DIRECTORY_H
#define VANTOR_TOOL_DICTIONARY_DIRECTORY_H

#include <string>

namespace vantor {

// Without a trailing separator; "." when the platform cannot tell.
std::string DictionaryDirectory();

}  // namespace vantor

#endif  // VANTOR_TOOL_DICTIONARY_DIRECTORY_H
