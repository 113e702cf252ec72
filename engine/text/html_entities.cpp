#include "text/html_entities.h"

#include <algorithm>

namespace trov {

constexpr std::array<EntityEntry, kEntityCount> kEntityTable = {{
    {"AElig", 0xC6},  {"Aacute", 0xC1}, {"Acirc", 0xC2},  {"Agrave", 0xC0}, {"Aring", 0xC5},
    {"Atilde", 0xC3}, {"Auml", 0xC4},   {"Ccedil", 0xC7}, {"ETH", 0xD0},    {"Eacute", 0xC9},
    {"Ecirc", 0xCA},  {"Egrave", 0xC8}, {"Euml", 0xCB},   {"Iacute", 0xCD}, {"Icirc", 0xCE},
    {"Igrave", 0xCC}, {"Iuml", 0xCF},   {"Ntilde", 0xD1}, {"Oacute", 0xD3}, {"Ocirc", 0xD4},
    {"Ograve", 0xD2}, {"Oslash", 0xD8}, {"Otilde", 0xD5}, {"Ouml", 0xD6},   {"THORN", 0xDE},
    {"Uacute", 0xDA}, {"Ucirc", 0xDB},  {"Ugrave", 0xD9}, {"Uuml", 0xDC},   {"Yacute", 0xDD},
    {"aacute", 0xE1}, {"acirc", 0xE2},  {"aelig", 0xE6},  {"agrave", 0xE0}, {"aring", 0xE5},
    {"atilde", 0xE3}, {"auml", 0xE4},   {"ccedil", 0xE7}, {"eacute", 0xE9}, {"ecirc", 0xEA},
    {"egrave", 0xE8}, {"eth", 0xF0},    {"euml", 0xEB},   {"iacute", 0xED}, {"icirc", 0xEE},
    {"igrave", 0xEC}, {"iuml", 0xEF},   {"ntilde", 0xF1}, {"oacute", 0xF3}, {"ocirc", 0xF4},
    {"ograve", 0xF2}, {"oslash", 0xF8}, {"otilde", 0xF5}, {"ouml", 0xF6},   {"szlig", 0xDF},
    {"thorn", 0xFE},  {"uacute", 0xFA}, {"ucirc", 0xFB},  {"ugrave", 0xF9}, {"uuml", 0xFC},
    {"yacute", 0xFD}, {"yuml", 0xFF},
}};

namespace {

constexpr bool EntityTableSorted() {
  for (int i = 1; i < kEntityCount; ++i) {
    if (!(std::string_view(kEntityTable[i - 1].name) < std::string_view(kEntityTable[i].name))) {
      return false;
    }
  }
  return true;
}
static_assert(EntityTableSorted(), "the entity table is binary searched by name");

// The word-entity list is the decoding table in code order, so the two cannot disagree.
constexpr std::array<std::string_view, kWordEntityCount> WordEntityNamesInCodeOrder() {
  std::array<std::string_view, kWordEntityCount> names{};
  int count = 0;
  for (int code = 0; code < 256; ++code) {
    for (const EntityEntry& entry : kEntityTable) {
      if (entry.code == code) names[count++] = entry.name;
    }
  }
  names[count] = "#146";
  return names;
}

}  // namespace

constexpr std::array<std::string_view, kWordEntityCount> kWordEntityNames =
    WordEntityNamesInCodeOrder();
static_assert(kWordEntityNames.front() == "Agrave" && kWordEntityNames[61] == "yuml");

bool IsWordEntity(std::string_view name) {
  return std::find(kWordEntityNames.begin(), kWordEntityNames.end(), name) !=
         kWordEntityNames.end();
}

int EntityCharacter(std::string_view name) {
  name = name.substr(0, kEntityNameLength);
  const auto* found = std::lower_bound(kEntityTable.begin(), kEntityTable.end(), name,
                                       [](const EntityEntry& entry, std::string_view key) {
                                         return std::string_view(entry.name) < key;
                                       });
  if (found == kEntityTable.end() || std::string_view(found->name) != name) return -1;
  return found->code;
}

namespace {

// The byte a numeric entity name ("#" then an optional "-" and decimal digits) stands for: the
// low 8 bits of its value. Unsigned arithmetic keeps those bits right however long the number.
unsigned char NumericEntityByte(std::string_view name) {
  size_t i = 1;
  const bool negative = i < name.size() && name[i] == '-';
  if (negative) ++i;
  uint32_t value = 0;
  for (; i < name.size() && name[i] >= '0' && name[i] <= '9'; ++i) {
    value = value * 10 + static_cast<uint32_t>(name[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<unsigned char>(value & 0xFF);
}

}  // namespace

int32_t DecodeEntities(std::string_view word, char* out, int32_t maxLength) {
  constexpr size_t kMaxName = 80;
  int32_t length = 0;
  auto emit = [&](char c) {
    if (length < maxLength) out[length++] = c;
  };
  size_t i = 0;
  while (i < word.size()) {
    if (word[i] != '&') {
      emit(word[i++]);
      continue;
    }
    // An entity runs from this "&" to the next ";"; a later "&" restarts it.
    size_t ampersand = i;
    size_t nameStart = i + 1;
    size_t j = nameStart;
    while (j < word.size() && word[j] != ';') {
      if (word[j] == '&') {
        ampersand = j;
        nameStart = j + 1;
      }
      ++j;
    }
    if (j == word.size()) break;  // never closed: the "&" and its name are dropped
    const std::string_view name = word.substr(nameStart, std::min(j - nameStart, kMaxName));
    if (!name.empty() && name[0] == '#') {
      const unsigned char c = NumericEntityByte(name);
      if (c == 0) break;  // a zero byte ends the word
      emit(static_cast<char>(c));
      i = j + 1;
      continue;
    }
    const int code = EntityCharacter(name);
    if (code >= 0) {
      emit(static_cast<char>(code));
      i = j + 1;
    } else {
      // Not an entity after all: the "&" stands for itself and the name is ordinary text.
      emit('&');
      i = ampersand + 1;
    }
  }
  out[length] = '\0';
  return length;
}

}  // namespace trov
