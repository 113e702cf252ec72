#include "hyperlink_rules.h"

#include <array>
#include <utility>

namespace trov {
namespace {

// The shell's and the program loader's result codes of 32 and below, as the user reads them.
constexpr std::array<std::pair<int, std::string_view>, 13> kFailureTexts = {{
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
     "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
     "being processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
}};

std::string FailureText(int resultCode) {
  for (const auto& [code, text] : kFailureTexts) {
    if (code == resultCode) return std::string(text);
  }
  return "Unknown Error (" + std::to_string(resultCode) + ") occurred.";
}

}  // namespace

std::string BrowserCommandLine(std::string_view associationCommand, std::string_view target) {
  std::size_t cut = associationCommand.find("\"%1\"");
  if (cut == std::string_view::npos) cut = associationCommand.find("%1");
  std::string command(associationCommand.substr(0, cut));
  command += ' ';
  command += target;
  return command;
}

std::string HyperlinkFailureMessage(int resultCode) {
  return "Unable to open hyperlink:\n\n" + FailureText(resultCode);
}

}  // namespace trov
