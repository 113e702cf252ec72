// Replacing a file so that it is always either the old file or the new one: the new bytes go to
// a temporary file in the same folder, which is then renamed over the old one.
#ifndef VANTOR_TOOL_ATOMIC_WRITE_H
#define VANTOR_TOOL_ATOMIC_WRITE_H

#include <string>
#include <string_view>

namespace vantor {

// The backup's name: the file's name with ".bak" appended.
std::string BackupName(const std::string& path);

// With keepBackup the old file is first copied to BackupName(path). The new file keeps the old
// one's permissions. False with error saying why; the old file is then untouched.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes, bool keepBackup,
                           std::string& error);

}  // namespace vantor

#endif  // VANTOR_TOOL_ATOMIC_WRITE_H
