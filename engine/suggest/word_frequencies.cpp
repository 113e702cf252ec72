#include "suggest/word_frequencies.h"

#include <cmath>
#include <cstdio>
#include <new>

#include "text/charset.h"
#include "trov.h"

namespace trov {
namespace {

std::string Lowered(std::string_view word) {
  std::string lowered(word);
  for (char& c : lowered) c = static_cast<char>(ToLower(static_cast<unsigned char>(c)));
  return lowered;
}

// A count of decimal digits up to 2^32 - 1; false for anything else.
bool ParseCount(std::string_view digits, uint64_t& count) {
  if (digits.empty() || digits.size() > 10) return false;
  count = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    count = count * 10 + static_cast<uint64_t>(c - '0');
  }
  return count <= UINT32_MAX;
}

}  // namespace

int16_t WordFrequencies::Parse(std::string_view bytes,
                               std::shared_ptr<const WordFrequencies>& table) {
  if (bytes.size() > kMaxFileSize) return TROV_ERR_BAD_FORMAT;
  try {
    auto parsed = std::make_shared<WordFrequencies>();
    std::unordered_map<std::string, uint64_t> counts;
    while (!bytes.empty()) {
      const size_t end = bytes.find('\n');
      std::string_view line = bytes.substr(0, end);
      bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      if (line.empty()) continue;
      const size_t tab = line.find('\t');
      if (tab == 0 || tab == std::string_view::npos || tab > TROV_MAX_WORD) {
        return TROV_ERR_BAD_FORMAT;
      }
      uint64_t count = 0;
      if (!ParseCount(line.substr(tab + 1), count)) return TROV_ERR_BAD_FORMAT;
      counts[Lowered(line.substr(0, tab))] += count;
    }
    parsed->logCounts_.reserve(counts.size());
    for (const auto& [word, count] : counts) {
      parsed->logCounts_.emplace(word, std::log10(1.0 + static_cast<double>(count)));
    }
    table = std::move(parsed);
    return 0;
  } catch (const std::bad_alloc&) {
    return TROV_ERR_NO_MEMORY;
  }
}

int16_t WordFrequencies::Load(const char* fileName,
                              std::shared_ptr<const WordFrequencies>& table) {
  std::FILE* file = std::fopen(fileName, "rb");
  if (file == nullptr) return TROV_ERR_FILE_OPEN;
  std::string bytes;
  char chunk[65536];
  bool tooLarge = false;
  size_t got = 0;
  try {
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
      if (bytes.size() + got > kMaxFileSize) {
        tooLarge = true;
        break;
      }
      bytes.append(chunk, got);
    }
  } catch (const std::bad_alloc&) {
    std::fclose(file);
    return TROV_ERR_NO_MEMORY;
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (tooLarge) return TROV_ERR_BAD_FORMAT;
  if (failed) return TROV_ERR_READ;
  return Parse(bytes, table);
}

double WordFrequencies::LogCount(const std::string& lowerWord) const {
  const auto found = logCounts_.find(lowerWord);
  return found == logCounts_.end() ? 0.0 : found->second;
}

}  // namespace trov
