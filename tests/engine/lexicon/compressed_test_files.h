// Test helpers for compressed lexicons: byte-level builders for hand-made files, a scratch
// directory, and a lexicon slot that closes itself.
#ifndef TROV_TESTS_COMPRESSED_TEST_FILES_H
#define TROV_TESTS_COMPRESSED_TEST_FILES_H

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "lexicon/compressed/compressed_file.h"
#include "lexicon/lexicon.h"
#include "trov.h"

namespace trov_test {

// Memory budgets for opening: every segment read at open, or read on demand without a limit.
inline constexpr int32_t kResident = -1;
inline constexpr int32_t kUnbounded = 0;

inline std::string Be32(uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
          static_cast<char>(v)};
}

inline std::string Section(uint32_t id, const std::string& payload) {
  return Be32(id) + Be32(static_cast<uint32_t>(payload.size())) + payload;
}

inline std::string Magic() { return std::string("\x46\x00\x05\x01", 4); }

// An index entry; key is padded with NUL bytes to three.
inline std::string IndexEntry(std::string key, uint32_t offset, uint32_t size) {
  key.resize(3, '\0');
  return key + Be32(offset) + Be32(size);
}

inline std::string IndexSection(const std::vector<std::string>& entries) {
  std::string payload = Be32(static_cast<uint32_t>(entries.size()));
  for (const auto& e : entries) payload += e;
  return Section(4, payload);
}

inline std::string SuffixSection(const std::string& simple, const std::string& extended) {
  return Section(3, Be32(static_cast<uint32_t>(simple.size())) + simple +
                        Be32(static_cast<uint32_t>(extended.size())) + extended);
}

inline std::string HeaderSections(uint32_t language = 0x616D) {
  return Section(1, Be32(language)) + Section(2, Be32(1));
}

// A segment whose words (all beginning with the same three-character key, ascending) are stored
// without front coding or suffixes: each entry is 0, the characters after the key, 0.
inline std::string PlainSegment(const std::vector<std::string>& words) {
  std::string bytes;
  for (const auto& w : words) {
    bytes += '\0';
    bytes.append(w, 3);
    bytes += '\0';
  }
  return bytes;
}

// A complete file of one-, two-letter words and plain segments, keys given in ascending order.
struct KeyedWords {
  std::string key;
  std::vector<std::string> words;  // empty for a one- or two-letter word entry
};

inline std::string PlainLexiconFile(const std::vector<KeyedWords>& keys) {
  std::vector<std::string> entries;
  std::string data;
  for (const auto& k : keys) {
    std::string segment = k.words.empty() ? std::string() : PlainSegment(k.words);
    entries.push_back(IndexEntry(k.key, static_cast<uint32_t>(data.size()),
                                 static_cast<uint32_t>(segment.size())));
    data += segment;
  }
  return Magic() + HeaderSections() + SuffixSection("", "") + IndexSection(entries) +
         Section(5, data);
}

// The five-word example (a, cat, catch, catches, cats) exactly as the format describes it.
inline std::string ExampleFileBytes() {
  // clang-format off: one line per part of the file
  static const uint8_t bytes[] = {
      0x46, 0x00, 0x05, 0x01,                                                  // magic
      0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x61, 0x6D,  // language
      0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x01,  // width
      0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x0D,                          // suffixes
      0x00, 0x00, 0x00, 0x05, 0x65, 0x73, 0x00, 0x73, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x1A,  // index
      0x00, 0x00, 0x00, 0x02, 0x61, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x63, 0x61, 0x74, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x0A, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x0A,  // data
      0x00, 0x00, 0x00, 0x63, 0x68, 0x00, 0x02, 0x02, 0x00, 0x03,
  };
  // clang-format on
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

class TempDir {
 public:
  TempDir() {
    // Tests run in parallel processes: the name must be unique across them.
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("trov-clx-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::string path = File(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

 private:
  std::filesystem::path path_;
};

// A compressed lexicon opened into a slot of its own, closed when the test ends.
class OpenedLexicon {
 public:
  OpenedLexicon(const std::string& path, int32_t budget)
      : result_(trov::OpenCompressedLexicon(path.c_str(), budget, slot_)) {}
  OpenedLexicon(const OpenedLexicon&) = delete;
  OpenedLexicon& operator=(const OpenedLexicon&) = delete;

  int16_t Result() const { return result_; }
  const trov::LexiconSlot& Slot() const { return slot_; }
  int16_t Find(const char* word, bool caseSensitive = true) const {
    return slot_->Find(word, caseSensitive, nullptr, 0);
  }

 private:
  trov::LexiconSlot slot_;
  int16_t result_;
};

inline constexpr int16_t kFound = 'i';

}  // namespace trov_test

#endif  // TROV_TESTS_COMPRESSED_TEST_FILES_H
