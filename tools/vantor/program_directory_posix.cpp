#include <filesystem>
#include <system_error>

#include "program_directory.h"

namespace vantor {

std::string ProgramDirectory() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || !program.has_parent_path()) return ".";
  return program.parent_path().string();
}

}  // namespace vantor
