// Character entities of HTML text: the table that decodes the named entities of the ISO 8859-1
// letters, the list of entity names that may stand inside a word, and the decoding of a word.
#ifndef TROV_HTML_ENTITIES_H
#define TROV_HTML_ENTITIES_H

#include <array>
#include <cstdint>
#include <string_view>

namespace trov {

struct EntityEntry {
  char name[7];  // at most 6 characters, zero-filled
  uint8_t code;  // ISO 8859-1 code, whatever character set is selected
};

inline constexpr int kEntityCount = 62;
inline constexpr int kWordEntityCount = 63;
// Longest entity name that takes part in a table search.
inline constexpr int kEntityNameLength = 6;

// Sorted by name in byte order, so lookups can binary search.
extern const std::array<EntityEntry, kEntityCount> kEntityTable;
// The same names in code order, then "#146", the right single quotation mark that counts as an
// apostrophe.
extern const std::array<std::string_view, kWordEntityCount> kWordEntityNames;

// True when name (the characters between "&" and ";") is one of the word-entity names, byte for
// byte.
bool IsWordEntity(std::string_view name);

// The character code of a named entity, its name cut to its first 6 characters; -1 when the
// table has no such name.
int EntityCharacter(std::string_view name);

// Copies word to out with its entities replaced by their characters: at most maxLength bytes
// plus the terminating zero (out holds maxLength + 1 bytes). Returns the length written.
int32_t DecodeEntities(std::string_view word, char* out, int32_t maxLength);

}  // namespace trov

#endif  // TROV_HTML_ENTITIES_H
