// The cost of the typing and spelling slips that turn an intended word into the typed one: an
// edit distance whose steps cost less where people err more often (neighbouring keys, swapped
// letters, a doubled letter typed once or a single one twice, one vowel for another).
#ifndef TROV_TYPING_EDIT_COST_H
#define TROV_TYPING_EDIT_COST_H

#include <string_view>

namespace trov {

// The cheapest sequence of slips from intended to typed; both lower-case, at most 80 characters
// each (longer ones are cut). 0 for equal words; a plain substitution, insertion or deletion
// costs 1.
double TypingEditCost(std::string_view typed, std::string_view intended);

}  // namespace trov

#endif  // TROV_TYPING_EDIT_COST_H
