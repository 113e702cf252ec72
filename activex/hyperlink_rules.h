// The web link's plain rules, apart from any window: how a browser's command line is made from
// the ".htm" association when the shell cannot open a link, and what the user is told when
// neither can.
#ifndef VANTOR_HYPERLINK_RULES_H
#define VANTOR_HYPERLINK_RULES_H

#include <string>
#include <string_view>

namespace trov {

// The association's command line cut before its first quoted "%1" (before the opening
// quotation mark), else before its first bare %1, else kept whole; then a blank and the target.
std::string BrowserCommandLine(std::string_view associationCommand, std::string_view target);

// "Unable to open hyperlink:", a blank line, and what the result code of the shell or of the
// program start means.
std::string HyperlinkFailureMessage(int resultCode);

}  // namespace trov

#endif  // VANTOR_HYPERLINK_RULES_H
