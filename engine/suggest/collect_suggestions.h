// The suggestion search: a fixed sequence of candidate steps over every lexicon of a session,
// whose work grows with the depth (1..100).
#ifndef TROV_COLLECT_SUGGESTIONS_H
#define TROV_COLLECT_SUGGESTIONS_H

#include <cstdint>

#include "lexicon/lexicon.h"
#include "scan/suggestion_list.h"

namespace trov {

// Adds the suggestions for word to list; lexicons is the session's slot list ending with null.
// Returns the list's count.
int32_t CollectSuggestions(const char* word, int16_t depth, Lexicon* const* lexicons,
                           uint32_t options, SuggestionList& list);

}  // namespace trov

#endif  // TROV_COLLECT_SUGGESTIONS_H
