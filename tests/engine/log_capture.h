// Test helper: turns the engine's log on into a fresh file and reads its lines back.
#ifndef TROV_TESTS_LOG_CAPTURE_H
#define TROV_TESTS_LOG_CAPTURE_H

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "trov.h"

namespace trov_test {

class LogCapture {
 public:
  LogCapture() {
    // Tests run in parallel processes: the name must be unique across them.
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("trov-log-" + std::to_string(random()) + std::to_string(random()) + ".log");
    std::filesystem::remove(path_);
    TROV_SetLogFile(path_.string().c_str());
  }
  ~LogCapture() {
    TROV_SetLogFile(nullptr);
    std::filesystem::remove(path_);
  }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Every line after the start line with its "HH:MM:SS " prefix removed; a line without the
  // prefix is kept whole so a malformed prefix fails the comparison.
  std::vector<std::string> Messages() const {
    std::vector<std::string> lines = Lines();
    EXPECT_FALSE(lines.empty());
    if (lines.empty()) return {};
    EXPECT_TRUE(lines[0].ends_with(" Logging started")) << lines[0];
    std::vector<std::string> messages;
    for (size_t i = 1; i < lines.size(); ++i) {
      messages.push_back(HasTimePrefix(lines[i]) ? lines[i].substr(9) : lines[i]);
    }
    return messages;
  }

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::ifstream in(path_);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  static bool HasTimePrefix(const std::string& line) {
    auto digit = [&](size_t i) { return i < line.size() && line[i] >= '0' && line[i] <= '9'; };
    return line.size() >= 9 && digit(0) && digit(1) && line[2] == ':' && digit(3) && digit(4) &&
           line[5] == ':' && digit(6) && digit(7) && line[8] == ' ';
  }

 private:
  std::filesystem::path path_;
};

}  // namespace trov_test

#endif  // TROV_TESTS_LOG_CAPTURE_H
