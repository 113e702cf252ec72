#include "suggest/word_frequencies.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>

#include "text/charset.h"
#include "trov.h"

namespace trov {
namespace {

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

bool IsLowerCased(std::string_view word) {
  return std::all_of(word.begin(), word.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return ToLower(byte) == byte;
  });
}

}  // namespace

int16_t WordFrequencies::Parse(std::string bytes, std::shared_ptr<const WordFrequencies>& table) {
  if (bytes.size() > kMaxFileSize) return TROV_ERR_BAD_FORMAT;
  try {
    auto parsed = std::make_shared<WordFrequencies>();
    parsed->bytes_ = std::move(bytes);
    const std::string_view all = parsed->bytes_;
    std::string_view previous;
    for (size_t start = 0; start < all.size();) {
      const size_t end = std::min(all.find('\n', start), all.size());
      std::string_view line = all.substr(start, end - start);
      const size_t lineStart = start;
      start = end + 1;
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      if (line.empty()) continue;
      const size_t tab = line.find('\t');
      if (tab == 0 || tab == std::string_view::npos || tab > TROV_MAX_WORD) {
        return TROV_ERR_BAD_FORMAT;
      }
      const std::string_view word = line.substr(0, tab);
      uint64_t count = 0;
      if (!ParseCount(line.substr(tab + 1), count) || !IsLowerCased(word) ||
          (!parsed->entries_.empty() && word <= previous)) {
        return TROV_ERR_BAD_FORMAT;
      }
      parsed->entries_.push_back({static_cast<uint32_t>(lineStart), static_cast<uint32_t>(tab),
                                  std::log10(1.0 + static_cast<double>(count))});
      previous = word;
    }
    table = std::move(parsed);
    return 0;
  } catch (const std::bad_alloc&) {
    return TROV_ERR_NO_MEMORY;
  }
}

int16_t WordFrequencies::Load(const char* fileName, std::shared_ptr<const WordFrequencies>& table) {
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
  return Parse(std::move(bytes), table);
}

double WordFrequencies::LogCount(std::string_view lowerWord) const {
  const auto found = std::lower_bound(
      entries_.begin(), entries_.end(), lowerWord,
      [this](const Entry& entry, std::string_view word) { return WordOf(entry) < word; });
  return found != entries_.end() && WordOf(*found) == lowerWord ? found->logCount : 0.0;
}

}  // namespace trov
