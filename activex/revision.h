// The control's revision, as the Version property and the About box show it.
#ifndef VANTOR_REVISION_H
#define VANTOR_REVISION_H

#include <string>
#include <string_view>

#include "version.h"

namespace trov {

inline constexpr std::string_view kRevisionString = "$Revision: " VANTOR_VERSION_TEXT " $";

// The word between the first blank and the next blank after it ("5.15.6"); to the end of the
// string when no second blank follows, empty when there is no blank.
std::string RevisionNumber(std::string_view revision = kRevisionString);

}  // namespace trov

#endif  // VANTOR_REVISION_H
