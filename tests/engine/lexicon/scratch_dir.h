// Test helper: a fresh directory for the files one test writes, with byte-exact read and write.
#ifndef TROV_TESTS_SCRATCH_DIR_H
#define TROV_TESTS_SCRATCH_DIR_H

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace trov_test {

class ScratchDir {
 public:
  ScratchDir() {
    // Tests run in parallel processes: the name must be unique across them.
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("trov-lex-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string path = File(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  // As another program would: new contents and a modification time well after anything the
  // engine noted.
  std::string Rewrite(const std::string& name, const std::string& bytes) const {
    const std::string path = Write(name, bytes);
    std::filesystem::last_write_time(
        path, std::filesystem::file_time_type::clock::now() + std::chrono::seconds(30));
    return path;
  }

  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // Names of the directory's entries, sorted.
  std::string Listing() const {
    std::string names;
    std::vector<std::string> sorted;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      sorted.push_back(entry.path().filename().string());
    }
    std::sort(sorted.begin(), sorted.end());
    for (const std::string& name : sorted) names += name + ";";
    return names;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace trov_test

#endif  // TROV_TESTS_SCRATCH_DIR_H
