#include "atomic_write.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace vantor {
namespace {

namespace fs = std::filesystem;

// A name beside the file that nothing else uses.
fs::path TemporaryNameBeside(const fs::path& path) {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (unsigned attempt = 0;; ++attempt) {
    fs::path candidate = path;
    candidate += ".vantor-" + std::to_string(stamp) + "-" + std::to_string(attempt) + ".tmp";
    std::error_code error;
    if (!fs::exists(candidate, error)) return candidate;
  }
}

bool WriteWhole(const fs::path& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool flushed = std::fflush(file) == 0;
  const bool closed = std::fclose(file) == 0;
  return written && flushed && closed;
}

}  // namespace

std::string BackupName(const std::string& path) { return path + ".bak"; }

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes, bool keepBackup,
                           std::string& error) {
  std::error_code status;
  const fs::path target(path);
  const fs::perms permissions = fs::status(target, status).permissions();
  if (keepBackup) {
    fs::copy_file(target, BackupName(path), fs::copy_options::overwrite_existing, status);
    if (status) {
      error = "cannot write the backup " + BackupName(path) + ": " + status.message();
      return false;
    }
  }
  const fs::path temporary = TemporaryNameBeside(target);
  if (!WriteWhole(temporary, bytes)) {
    fs::remove(temporary, status);
    error = "cannot write a temporary file beside it";
    return false;
  }
  if (permissions != fs::perms::unknown) fs::permissions(temporary, permissions, status);
  fs::rename(temporary, target, status);
  if (status) {
    error = "cannot replace it: " + status.message();
    fs::remove(temporary, status);
    return false;
  }
  return true;
}

}  // namespace vantor
