// The About box as the host opens it, and its web link as the user meets it: the look it
// takes on, the hover, and a click on a link that cannot be opened, with file associations of
// the test's own pointing at programs that do not exist.
#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "com_fixture.h"
#include "dialog_driver.h"
#include "resource.h"

namespace trov::test {
namespace {

constexpr char kAboutCaption[] = "About Vantor";
constexpr char kMessageCaption[] = "Vantor Spelling Control";

std::optional<std::string> DefaultValue(const std::string& subkey) {
  char value[1024] = {};
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CLASSES_ROOT, subkey.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(value);
}

void SetDefaultValue(const std::string& subkey, const std::string& value) {
  ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, subkey.c_str(), REG_SZ, value.c_str(),
                         static_cast<DWORD>(value.size())),
            ERROR_SUCCESS);
}

// Opens a file type with a command of the test's own while it lives; the old association
// comes back afterwards.
class AssociationOverride {
 public:
  AssociationOverride(const std::string& extension, const std::string& command)
      : extension_(extension),
        fileType_("VantorTest" + extension),
        previous_(DefaultValue(extension)) {
    SetDefaultValue(extension_, fileType_);
    SetDefaultValue(fileType_ + "\\shell\\open\\command", command);
  }
  AssociationOverride(const AssociationOverride&) = delete;
  AssociationOverride& operator=(const AssociationOverride&) = delete;
  ~AssociationOverride() {
    if (previous_) {
      SetDefaultValue(extension_, *previous_);
    } else {
      RegDeleteTreeA(HKEY_CLASSES_ROOT, extension_.c_str());
    }
    RegDeleteTreeA(HKEY_CLASSES_ROOT, fileType_.c_str());
  }

 private:
  std::string extension_;
  std::string fileType_;
  std::optional<std::string> previous_;
};

std::string Quoted(const std::filesystem::path& path) { return "\"" + path.string() + "\""; }

DWORD ThreadOf(HWND window) { return GetWindowThreadProcessId(window, nullptr); }

HWND CaptureOf(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) ? info.hwndCapture : nullptr;
}

bool WaitForCapture(DWORD thread, HWND expected) {
  for (int tries = 0; tries < 250; ++tries) {
    if (CaptureOf(thread) == expected) return true;
    Sleep(20);
  }
  return false;
}

BOOL CALLBACK MatchTooltip(HWND window, LPARAM context) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) != TOOLTIPS_CLASSA) return TRUE;
  *reinterpret_cast<HWND*>(context) = window;
  return FALSE;
}

// A click as the mouse makes it: the button goes down and up over the control.
void ClickOn(HWND control) {
  PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

class AboutBoxTest : public ControlTest {
 protected:
  void OpenAboutBox(const DialogDriver::Script& script) {
    AutomationClient control = NewControl();
    DialogDriver::Run([&] { control.Call(L"AboutBox"); }, script);
    EXPECT_EQ(control.last(), S_OK);
  }
};

TEST_F(AboutBoxTest, ShowsTheIconVersionAndHelpLinkAndOkEndsIt) {
  OpenAboutBox([](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kAboutCaption);
    if (dialog == nullptr) return;
    EXPECT_EQ(d.Text(dialog, IDC_ABOUT_VERSION), "Version 5.15.6");
    EXPECT_EQ(d.Text(dialog, IDC_ABOUT_LINK), "Vantor Help");
    HWND icon = FindWindowExA(dialog, nullptr, "Static", nullptr);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(GetWindowLongA(icon, GWL_STYLE) & SS_TYPEMASK, SS_ICON);
    EXPECT_NE(SendMessageA(icon, STM_GETICON, 0, 0), 0);
    d.Click(dialog, IDOK);
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
}

TEST_F(AboutBoxTest, EscapeEndsItToo) {
  OpenAboutBox([](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kAboutCaption);
    if (dialog == nullptr) return;
    d.PressEscape(dialog);
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
}

TEST_F(AboutBoxTest, TheLinkIsUnderlinedNotifiesAndShowsItsTargetOverItsWholeArea) {
  OpenAboutBox([](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kAboutCaption);
    if (dialog == nullptr) return;
    HWND link = GetDlgItem(dialog, IDC_ABOUT_LINK);
    EXPECT_NE(GetWindowLongA(link, GWL_STYLE) & SS_NOTIFY, 0);
    LOGFONTA font{};
    ASSERT_NE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(link, WM_GETFONT, 0, 0)), sizeof font,
                         &font),
              0);
    EXPECT_TRUE(font.lfUnderline);

    HWND tooltip = nullptr;
    EnumThreadWindows(ThreadOf(dialog), MatchTooltip, reinterpret_cast<LPARAM>(&tooltip));
    ASSERT_NE(tooltip, nullptr) << "the link has no tooltip";
    EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    char text[MAX_PATH * 2] = {};
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.lpszText = text;
    ASSERT_TRUE(SendMessageA(tooltip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(tool.hwnd, link);
    RECT client{};
    GetClientRect(link, &client);
    EXPECT_TRUE(EqualRect(&tool.rect, &client));
    // The target is the help file beside the control.
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    const std::filesystem::path expected =
        std::filesystem::path(module).parent_path() / "vantordlg.chm";
    EXPECT_EQ(std::filesystem::path(text), expected);

    d.Click(dialog, IDOK);
  });
}

TEST_F(AboutBoxTest, TheLinkHoldsTheMouseWhileItIsOverItAndLetsGoWhenItLeaves) {
  OpenAboutBox([](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kAboutCaption);
    if (dialog == nullptr) return;
    HWND link = GetDlgItem(dialog, IDC_ABOUT_LINK);
    RECT client{};
    GetClientRect(link, &client);
    PostMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_TRUE(WaitForCapture(ThreadOf(dialog), link));
    // Still over it: the capture stays.
    PostMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(client.right - 1, client.bottom - 1));
    Sleep(100);
    EXPECT_EQ(CaptureOf(ThreadOf(dialog)), link);
    PostMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(client.right + 5, 1));
    EXPECT_TRUE(WaitForCapture(ThreadOf(dialog), nullptr));
    d.Click(dialog, IDOK);
  });
}

TEST_F(AboutBoxTest, ALinkThatCannotBeOpenedSaysWhyWithTheBrowserFallbacksResult) {
  // The help file opens with a program that is missing; so does the ".htm" fallback, whose
  // program is an existing file that is no program at all, so its own result shows.
  const std::filesystem::path notAProgram = directory_ / "browser.exe";
  std::ofstream(notAProgram) << "not a program";
  AssociationOverride help(".chm", Quoted(directory_ / "viewer.exe") + " \"%1\"");
  AssociationOverride pages(".htm", Quoted(notAProgram) + " -page \"%1\"");
  OpenAboutBox([](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kAboutCaption);
    if (dialog == nullptr) return;
    ClickOn(GetDlgItem(dialog, IDC_ABOUT_LINK));
    HWND box = d.WaitForDialog(kMessageCaption);
    if (box == nullptr) return;
    EXPECT_EQ(d.MessageText(box),
              "Unable to open hyperlink:\n\n"
              "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
    d.Click(box, IDOK);
    EXPECT_TRUE(d.WaitUntilClosed(box));
    d.Click(dialog, IDOK);
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
}

TEST_F(AboutBoxTest, ALinkThatOpensHandsItsTargetToTheProgramAndSaysNothing) {
  // The "program" writes what it was given into a file.
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  const std::filesystem::path record = directory_ / "opened.txt";
  AssociationOverride help(
      ".chm", Quoted(std::filesystem::path(system) / "cmd.exe") + " /c echo %1>" + Quoted(record));
  OpenAboutBox([&](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kAboutCaption);
    if (dialog == nullptr) return;
    ClickOn(GetDlgItem(dialog, IDC_ABOUT_LINK));
    const auto written = [&] {
      std::error_code missing;
      return std::filesystem::file_size(record, missing) > 0 && !missing;
    };
    for (int tries = 0; tries < 500 && !written(); ++tries) Sleep(20);
    EXPECT_TRUE(written()) << "the program was not started";
    EXPECT_TRUE(d.NoDialogAppears(kMessageCaption));
    d.Click(dialog, IDOK);
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
  std::string opened;
  std::getline(std::ifstream(record), opened);
  EXPECT_NE(opened.find("vantordlg.chm"), std::string::npos) << opened;
}

}  // namespace
}  // namespace trov::test
