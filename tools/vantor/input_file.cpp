#include "input_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace vantor {

std::string DisplayName(const std::string& name) { return name == "-" ? kStandardInputName : name; }

bool InputStream::Open(const std::string& name, std::istream& standardInput, std::string& error) {
  file_.reset();
  standardInput_ = nullptr;
  if (name == "-") {
    standardInput_ = &standardInput;
    return true;
  }
  std::error_code status;
  const auto type = std::filesystem::status(name, status).type();
  if (type == std::filesystem::file_type::not_found) {
    error = "no such file";
    return false;
  }
  if (type == std::filesystem::file_type::directory) {
    error = "is a directory";
    return false;
  }
  errno = 0;
  file_.reset(std::fopen(name.c_str(), "rb"));
  if (!file_) {
    error = std::string("cannot open: ") + std::strerror(errno);
    return false;
  }
  return true;
}

bool InputStream::Read(char* buffer, std::size_t size, std::size_t& count, std::string& error) {
  if (standardInput_ != nullptr) {
    standardInput_->read(buffer, static_cast<std::streamsize>(size));
    count = static_cast<std::size_t>(standardInput_->gcount());
    if (standardInput_->bad()) {
      error = "cannot read standard input";
      return false;
    }
    return true;
  }
  count = std::fread(buffer, 1, size, file_.get());
  if (count == 0 && std::ferror(file_.get())) {
    error = std::string("cannot read: ") + std::strerror(errno);
    return false;
  }
  return true;
}

bool ReadInput(const std::string& name, std::istream& standardInput, std::string& bytes,
               std::string& error) {
  bytes.clear();
  InputStream input;
  if (!input.Open(name, standardInput, error)) return false;
  char buffer[65536];
  std::size_t count;
  do {
    if (!input.Read(buffer, sizeof buffer, count, error)) return false;
    bytes.append(buffer, count);
  } while (count > 0);
  return true;
}

}  // namespace vantor
