// The version line. Editors that speak the ispell protocol run "-vv" first and accept only a line
// in ispell's own form naming a release they support (3.1.12 or later), so the product's name
// and version follow in parentheses.
#include "tool.h"
#include "version.h"

namespace vantor {

std::string VersionLine() {
  return "@(#) International Ispell Version 3.1.20 (Vantor " VANTOR_VERSION_TEXT ")";
}

}  // namespace vantor
