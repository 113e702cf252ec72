#include "context_help.h"

#include <array>
#include <cctype>

#include "dialog_ids.h"

namespace trov {
namespace {

// The registered location of the HTML Help control.
constexpr char kHtmlHelpServerKey[] =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr char kHtmlHelpModule[] = "hhctrl.ocx";
constexpr WORD kHtmlHelpOrdinal = 14;  // HtmlHelpA, exported by ordinal
constexpr UINT kDisplayTopic = 0;      // HH_DISPLAY_TOPIC

using HtmlHelpEntry = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

// Process-wide by nature: one help file per module, one HTML Help entry per process.
std::string helpFile;
HtmlHelpEntry htmlHelp = nullptr;
bool htmlHelpUnavailable = false;

bool IsReadable(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool HasChmExtension(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos) return false;
  const std::string extension = path.substr(dot + 1);
  if (extension.size() != 3) return false;
  static constexpr char kChm[] = "chm";
  for (std::size_t i = 0; i < 3; ++i) {
    if (std::tolower(static_cast<unsigned char>(extension[i])) != kChm[i]) return false;
  }
  return true;
}

const char* TopicPage(int topic) {
  switch (topic) {
    case HELP_TOPIC_CHECK_SPELLING:
      return "CheckSpellingDlg.html";
    case HELP_TOPIC_OPTIONS:
      return "OptionsDlg.html";
    case HELP_TOPIC_USER_DICTIONARIES:
      return "UserDictionariesDlg.html";
    default:
      return nullptr;
  }
}

HMODULE LoadRegisteredHtmlHelp() {
  std::array<char, MAX_PATH + 1> path{};
  LONG size = static_cast<LONG>(path.size() - 1);
  if (RegQueryValueA(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, path.data(), &size) != ERROR_SUCCESS) {
    return nullptr;
  }
  return path[0] != '\0' ? LoadLibraryA(path.data()) : nullptr;
}

// The entry, found on first use and kept; null once it is known to be missing.
HtmlHelpEntry FindHtmlHelp() {
  if (htmlHelp != nullptr || htmlHelpUnavailable) return htmlHelp;
  HMODULE module = LoadRegisteredHtmlHelp();
  if (module == nullptr) module = LoadLibraryA(kHtmlHelpModule);
  if (module == nullptr) {
    htmlHelpUnavailable = true;
    return nullptr;
  }
  htmlHelp = reinterpret_cast<HtmlHelpEntry>(
      reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
  if (htmlHelp == nullptr) htmlHelpUnavailable = true;
  return htmlHelp;
}

}  // namespace

void ChooseHelpFile(const std::string& moduleDirectory) {
  const std::string compiled = moduleDirectory + "\\vantordlg.chm";
  helpFile = IsReadable(compiled) ? compiled : moduleDirectory + "\\vantordlg.hlp";
}

void ShowContextHelp(HWND dialog, int topic) {
  if (!HasChmExtension(helpFile)) {
    WinHelpA(dialog, helpFile.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(topic));
    return;
  }
  std::string target = helpFile;
  if (const char* page = TopicPage(topic)) target = target + "::" + page;
  if (HtmlHelpEntry entry = FindHtmlHelp()) entry(dialog, target.c_str(), kDisplayTopic, 0);
}

}  // namespace trov
