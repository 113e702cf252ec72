// The web link's plain rules: the browser command line made from the ".htm" association, and
// what the user reads for each result code.
#include "hyperlink_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace trov {
namespace {

constexpr char kTarget[] = "C:\\help\\vantor.chm";

struct CommandCase {
  const char* association;
  const char* expected;
};

TEST(HyperlinkRules, TheAssociationIsCutBeforeItsFirstQuotedPercentOne) {
  const CommandCase cases[] = {
      {R"("C:\Browser\browse.exe" "%1")", R"("C:\Browser\browse.exe"  C:\help\vantor.chm)"},
      {R"("C:\Browser\browse.exe" -nohome "%1" -new)",
       R"("C:\Browser\browse.exe" -nohome  C:\help\vantor.chm)"},
      // The quoted one wins over a bare one before it.
      {R"(browse.exe %1 "%1")", R"(browse.exe %1  C:\help\vantor.chm)"},
      {R"("%1")", R"( C:\help\vantor.chm)"},
      // Quotation marks that do not enclose exactly %1 do not count as quoted.
      {R"(browse.exe "-url=%1")", R"(browse.exe "-url= C:\help\vantor.chm)"},
      {R"(browse.exe "%10")", R"(browse.exe " C:\help\vantor.chm)"},
  };
  for (const CommandCase& c : cases) {
    EXPECT_EQ(BrowserCommandLine(c.association, kTarget), c.expected) << c.association;
  }
}

TEST(HyperlinkRules, WithoutAQuotedPercentOneTheFirstBareOneIsTheCut) {
  const CommandCase cases[] = {
      {R"(C:\Browser\browse.exe %1)", R"(C:\Browser\browse.exe  C:\help\vantor.chm)"},
      {R"(browse.exe %1 %1)", R"(browse.exe  C:\help\vantor.chm)"},
      {R"(browse.exe -a%1b)", R"(browse.exe -a C:\help\vantor.chm)"},
      {"%1", R"( C:\help\vantor.chm)"},
      // Only "%1" is the placeholder: other numbers stay where they are.
      {R"(browse.exe %2 %1)", R"(browse.exe %2  C:\help\vantor.chm)"},
  };
  for (const CommandCase& c : cases) {
    EXPECT_EQ(BrowserCommandLine(c.association, kTarget), c.expected) << c.association;
  }
}

TEST(HyperlinkRules, WithoutAnyPercentOneTheWholeLineIsKept) {
  const CommandCase cases[] = {
      {R"("C:\Browser\browse.exe")", R"("C:\Browser\browse.exe" C:\help\vantor.chm)"},
      {R"(browse.exe -new %2 "%")", R"(browse.exe -new %2 "%" C:\help\vantor.chm)"},
      {"", R"( C:\help\vantor.chm)"},
  };
  for (const CommandCase& c : cases) {
    EXPECT_EQ(BrowserCommandLine(c.association, kTarget), c.expected) << c.association;
  }
  EXPECT_EQ(BrowserCommandLine("browse.exe %1", ""), "browse.exe  ");
}

TEST(HyperlinkRules, EveryResultCodeHasItsMessageAfterTheHeading) {
  const std::pair<int, const char*> messages[] = {
      {0, "The operating system is out\nof memory or resources."},
      {2, "The specified file was not found."},
      {3, "The specified path was not found."},
      {5, "The operating system denied\naccess to the specified file."},
      {8, "There was not enough memory to complete the operation."},
      {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
      {26, "A sharing violation occurred."},
      {27, "The filename association is\nincomplete or invalid."},
      {28, "The DDE transaction could not\nbe completed because the request timed out."},
      {29, "The DDE transaction failed."},
      {30,
       "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
       "processed."},
      {31, "There is no application associated\nwith the given filename extension."},
      {32, "The specified dynamic-link library was not found."},
  };
  for (const auto& [code, message] : messages) {
    EXPECT_EQ(HyperlinkFailureMessage(code), std::string("Unable to open hyperlink:\n\n") + message)
        << code;
  }
}

TEST(HyperlinkRules, AnyOtherCodeIsAnUnknownErrorWithItsNumber) {
  for (const int code : {1, 4, 6, 7, 9, 10, 12, 25, 33, -1, 1000}) {
    EXPECT_EQ(HyperlinkFailureMessage(code),
              "Unable to open hyperlink:\n\nUnknown Error (" + std::to_string(code) + ") occurred.")
        << code;
  }
}

}  // namespace
}  // namespace trov
