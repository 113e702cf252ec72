#include <filesystem>
#include <system_error>

#include "dictionary_directory.h"

namespace vantor {

std::string DictionaryDirectory() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || !program.has_parent_path()) return ".";
  // Installed, the program is in <prefix>/bin and its dictionaries in <prefix>/share/vantor; found
  // from the program's own place, an install works under any prefix and the tool needs no option.
  const std::filesystem::path installed = program.parent_path() / VANTOR_INSTALLED_DICTIONARIES;
  if (std::filesystem::is_directory(installed, error)) return installed.lexically_normal().string();
  return program.parent_path().string();
}

}  // namespace vantor
