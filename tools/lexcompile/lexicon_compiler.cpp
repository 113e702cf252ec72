// Writing a compressed lexicon: words sorted byte-wise fall into index order by themselves (the
// key of a two-letter word sorts before every key that extends it), each segment is front-coded
// against its previous word, and each entry ends in the suffix that saves it most.
#include "lexicon_compiler.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "lexicon/compressed/lexicon_compiler_access.h"
#include "suffix_choice.h"
#include "trov.h"

namespace trov::lexcompile {
namespace {

struct Segment {
  std::string key;                 // three characters, or the one- or two-letter word itself
  std::vector<std::string> words;  // empty for a word entry
};

struct EncodedEntry {
  uint8_t shared;    // characters after the key reused from the previous word
  std::string tail;  // the characters the entry spells out
};

void PutBe32(std::string& out, uint32_t v) {
  out += static_cast<char>(v >> 24);
  out += static_cast<char>(v >> 16);
  out += static_cast<char>(v >> 8);
  out += static_cast<char>(v);
}

void PutSection(std::string& out, uint32_t id, const std::string& payload) {
  PutBe32(out, id);
  PutBe32(out, static_cast<uint32_t>(payload.size()));
  out += payload;
}

// Why text cannot be stored in a segment entry, or empty when it can.
std::string Unstorable(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) < kCodeFirstCharacter) return "holds a control character";
  }
  return {};
}

bool CheckWords(const std::vector<std::string>& words, std::string& error) {
  for (const std::string& word : words) {
    std::string why = word.empty() ? "is empty" : Unstorable(word);
    if (why.empty() && word.size() > static_cast<std::size_t>(TROV_MAX_WORD)) {
      why = "is longer than 80 characters";
    }
    if (!why.empty()) {
      error = "word '" + word + "' " + why;
      return false;
    }
  }
  return true;
}

bool CheckTable(const std::vector<std::string>& table, std::size_t limit, const char* name,
                std::string& error) {
  if (table.size() > limit) {
    error = std::string("too many ") + name + " suffixes";
    return false;
  }
  for (const std::string& suffix : table) {
    std::string why = suffix.empty() ? "is empty" : Unstorable(suffix);
    if (!why.empty()) {
      error = std::string(name) + " suffix '" + suffix + "' " + why;
      return false;
    }
  }
  return true;
}

std::vector<Segment> GroupByKey(const std::vector<std::string>& sorted) {
  std::vector<Segment> segments;
  for (const std::string& word : sorted) {
    if (word.size() < static_cast<std::size_t>(kKeyLength)) {
      segments.push_back({word, {}});
      continue;
    }
    std::string key = word.substr(0, kKeyLength);
    if (segments.empty() || segments.back().key != key) segments.push_back({key, {}});
    segments.back().words.push_back(word);
  }
  return segments;
}

std::vector<EncodedEntry> FrontCode(const Segment& segment) {
  std::vector<EncodedEntry> entries;
  std::string_view previous;
  for (const std::string& word : segment.words) {
    std::string_view rest = std::string_view(word).substr(kKeyLength);
    std::size_t shared = 0;
    while (shared < rest.size() && shared < previous.size() && rest[shared] == previous[shared]) {
      ++shared;
    }
    entries.push_back({static_cast<uint8_t>(shared), std::string(rest.substr(shared))});
    previous = rest;
  }
  return entries;
}

// Encodes entries with the best suffix of either table for each.
class EntryEncoder {
 public:
  explicit EntryEncoder(const SuffixTables& tables) {
    for (std::size_t i = 0; i < tables.simple.size(); ++i) Add(tables.simple[i], false, i);
    for (std::size_t i = 0; i < tables.extended.size(); ++i) Add(tables.extended[i], true, i);
  }

  void Encode(const EncodedEntry& entry, std::string& out) const {
    out += static_cast<char>(entry.shared);
    const Code* best = nullptr;
    std::size_t bestLength = 0;
    int bestSaving = 0;
    std::size_t longest = std::min(entry.tail.size(), longest_);
    for (std::size_t length = 1; length <= longest; ++length) {
      auto it = codes_.find(entry.tail.substr(entry.tail.size() - length));
      if (it == codes_.end()) continue;
      int saving = static_cast<int>(length) - (it->second.extended ? 1 : 0);
      if (saving > bestSaving) {
        best = &it->second;
        bestLength = length;
        bestSaving = saving;
      }
    }
    out.append(entry.tail, 0, entry.tail.size() - bestLength);
    if (best == nullptr) {
      out += static_cast<char>(kCodeEndOfWord);
    } else if (best->extended) {
      out += static_cast<char>(kCodeExtendedSuffix);
      out += static_cast<char>(best->index);
    } else {
      out += static_cast<char>(kCodeFirstSimpleSuffix + best->index);
    }
  }

 private:
  struct Code {
    bool extended;
    uint8_t index;
  };

  void Add(const std::string& suffix, bool extended, std::size_t index) {
    // A suffix in both tables is used through the shorter, simple code.
    codes_.emplace(suffix, Code{extended, static_cast<uint8_t>(index)});
    longest_ = std::max(longest_, suffix.size());
  }

  std::unordered_map<std::string, Code> codes_;
  std::size_t longest_ = 0;
};

std::string SuffixPayload(const std::vector<std::string>& table) {
  std::string block;
  for (const std::string& suffix : table) {
    block += suffix;
    block += '\0';
  }
  std::string payload;
  PutBe32(payload, static_cast<uint32_t>(block.size()));
  return payload + block;
}

}  // namespace

bool CompileLexicon(const std::vector<std::string>& words, const CompileOptions& options,
                    std::string& fileBytes, CompileStats& stats, std::string& error) {
  if (!CheckWords(words, error)) return false;
  std::vector<std::string> sorted(words);
  std::sort(sorted.begin(), sorted.end());  // char_traits<char> orders bytes as unsigned
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  if (sorted.empty()) {
    error = "no words";
    return false;
  }

  std::vector<Segment> segments = GroupByKey(sorted);
  std::vector<std::vector<EncodedEntry>> coded;
  std::vector<std::string> tails;
  for (const Segment& segment : segments) {
    coded.push_back(FrontCode(segment));
    for (const EncodedEntry& entry : coded.back()) tails.push_back(entry.tail);
  }

  SuffixTables tables;
  if (options.simpleSuffixes || options.extendedSuffixes) {
    tables.simple = options.simpleSuffixes.value_or(std::vector<std::string>{});
    tables.extended = options.extendedSuffixes.value_or(std::vector<std::string>{});
    if (!CheckTable(tables.simple, kMaxSimpleSuffixes, "simple", error) ||
        !CheckTable(tables.extended, kMaxExtendedSuffixes, "extended", error)) {
      return false;
    }
  } else {
    tables = ChooseSuffixes(tails);
  }

  EntryEncoder encoder(tables);
  std::string index;
  std::string data;
  PutBe32(index, static_cast<uint32_t>(segments.size()));
  stats = CompileStats{};
  for (std::size_t i = 0; i < segments.size(); ++i) {
    std::size_t start = data.size();
    for (const EncodedEntry& entry : coded[i]) encoder.Encode(entry, data);
    std::string key = segments[i].key;
    key.resize(kKeyLength, '\0');
    index += key;
    bool hasSegment = !segments[i].words.empty();
    PutBe32(index, hasSegment ? static_cast<uint32_t>(start) : 0);
    PutBe32(index, static_cast<uint32_t>(data.size() - start));
    if (hasSegment) {
      ++stats.segments;
    } else {
      ++stats.wordEntries;
    }
  }

  std::string out;
  PutBe32(out, kCompressedMagic);
  std::string value;
  PutBe32(value, static_cast<uint16_t>(options.language));
  PutSection(out, kSectionLanguage, value);
  value.clear();
  PutBe32(value, kSingleByteWidth);
  PutSection(out, kSectionCharWidth, value);
  PutSection(out, kSectionSuffixes, SuffixPayload(tables.simple) + SuffixPayload(tables.extended));
  PutSection(out, kSectionIndex, index);
  PutSection(out, kSectionData, data);

  stats.words = static_cast<int32_t>(sorted.size());
  stats.simpleSuffixes = static_cast<int32_t>(tables.simple.size());
  stats.extendedSuffixes = static_cast<int32_t>(tables.extended.size());
  stats.fileBytes = static_cast<int64_t>(out.size());
  fileBytes = std::move(out);
  return true;
}

bool ParseLanguage(const std::string& text, int16_t& language) {
  if (text.size() == 2 && text[0] >= 'a' && text[0] <= 'z' && text[1] >= 'a' && text[1] <= 'z') {
    language = static_cast<int16_t>((text[0] << 8) | text[1]);
    return true;
  }
  if (text.empty() || text.size() > 5) return false;
  int32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value > 0xFFFF) return false;
  language = static_cast<int16_t>(value);
  return true;
}

}  // namespace trov::lexcompile
