#include "dialog_driver.h"

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <thread>

namespace trov::test {
namespace {

using namespace std::chrono_literals;

constexpr auto kPatience = 10s;  // how long a dialog may take to appear or to end
constexpr auto kPoll = 20ms;
constexpr UINT kSendTimeoutMs = 15000;

struct Search {
  const char* caption;
  bool partial;  // the caption holds it somewhere
  HWND found;
};

bool IsDialogClass(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return std::string(name) == "#32770";
}

BOOL CALLBACK MatchDialog(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<Search*>(context);
  if (!IsWindowVisible(window) || !IsDialogClass(window)) return TRUE;
  char caption[256] = {};
  GetWindowTextA(window, caption, sizeof caption);
  const bool matches = search.partial
                           ? std::string(caption).find(search.caption) != std::string::npos
                           : std::string(caption) == search.caption;
  if (!matches) return TRUE;
  search.found = window;
  return FALSE;
}

BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
  if (IsWindowVisible(window) && IsDialogClass(window)) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }
  return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND window, LPARAM context) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (_stricmp(name, "Static") != 0) return TRUE;
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  auto& collected = *reinterpret_cast<std::string*>(context);
  if (text[0] != '\0') collected += text;
  return TRUE;
}

// The edit a user types into: the control itself, or the edit field of a combo box.
HWND EditOf(HWND control) {
  HWND inner = FindWindowExA(control, nullptr, "Edit", nullptr);
  return inner != nullptr ? inner : control;
}

LRESULT SendWaiting(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result) ==
      0) {
    ADD_FAILURE() << "the dialog did not answer message " << message;
  }
  return static_cast<LRESULT>(result);
}

}  // namespace

void DialogDriver::Run(const std::function<void()>& modal, const Script& script) {
  HANDLE modalDone = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  DialogDriver driver(GetCurrentThreadId());
  std::thread helper([&] {
    script(driver);
    driver.CancelOpenDialogs(modalDone);
  });
  modal();
  SetEvent(modalDone);
  helper.join();
  CloseHandle(modalDone);
}

void DialogDriver::CancelOpenDialogs(HANDLE modalDone) {
  if (WaitForSingleObject(modalDone, 5000) == WAIT_OBJECT_0) return;
  ADD_FAILURE() << "a dialog was still open when the test was done with it";
  while (WaitForSingleObject(modalDone, 200) != WAIT_OBJECT_0) {
    EnumThreadWindows(uiThread_, CancelDialog, 0);
  }
}

HWND DialogDriver::FindDialog(const char* caption, bool partial) {
  Search search{caption, partial, nullptr};
  EnumThreadWindows(uiThread_, MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND DialogDriver::WaitForDialog(const char* caption) { return WaitForMatch(caption, false); }

HWND DialogDriver::WaitForDialogContaining(const char* part) { return WaitForMatch(part, true); }

HWND DialogDriver::WaitForMatch(const char* caption, bool partial) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < deadline) {
    if (HWND found = FindDialog(caption, partial)) return found;
    std::this_thread::sleep_for(kPoll);
  }
  ADD_FAILURE() << "no dialog \"" << caption << "\" appeared";
  return nullptr;
}

HWND DialogDriver::WaitForMenu() {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < deadline) {
    HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr);
    for (; menu != nullptr; menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) {
      if (IsWindowVisible(menu) && GetWindowThreadProcessId(menu, nullptr) == uiThread_) {
        return menu;
      }
    }
    std::this_thread::sleep_for(kPoll);
  }
  ADD_FAILURE() << "no pop-up menu appeared";
  return nullptr;
}

bool DialogDriver::NoDialogAppears(const char* caption) {
  const auto deadline = std::chrono::steady_clock::now() + 300ms;
  while (std::chrono::steady_clock::now() < deadline) {
    if (FindDialog(caption, false) != nullptr) return false;
    std::this_thread::sleep_for(kPoll);
  }
  return true;
}

bool DialogDriver::WaitUntilClosed(HWND window) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < deadline) {
    if (!IsWindow(window) || !IsWindowVisible(window)) return true;
    std::this_thread::sleep_for(kPoll);
  }
  return false;
}

bool DialogDriver::WaitForText(HWND dialog, int id, const std::string& text) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < deadline) {
    if (Text(dialog, id) == text) return true;
    std::this_thread::sleep_for(kPoll);
  }
  return false;
}

bool DialogDriver::WaitForFocus(HWND dialog, int id) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < deadline) {
    if (Focus() == GetDlgItem(dialog, id)) return true;
    std::this_thread::sleep_for(kPoll);
  }
  return false;
}

void DialogDriver::Click(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  ASSERT_NE(button, nullptr) << "no control " << id;
  EXPECT_TRUE(IsWindowEnabled(button)) << "control " << id << " cannot be pressed: disabled";
  SendWaiting(button, BM_CLICK, 0, 0);
}

void DialogDriver::ClickLater(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  ASSERT_NE(button, nullptr) << "no control " << id;
  EXPECT_TRUE(IsWindowEnabled(button)) << "control " << id << " cannot be pressed: disabled";
  PostMessageA(button, BM_CLICK, 0, 0);
}

void DialogDriver::PressAccessKey(HWND dialog, char key) {
  constexpr LPARAM kAltDown = 1 << 29;
  PostMessageA(dialog, WM_SYSCHAR, static_cast<WPARAM>(std::tolower(key)), kAltDown | 1);
}

void DialogDriver::PressEscape(HWND dialog) {
  HWND focus = Focus();
  PostMessageA(focus != nullptr ? focus : dialog, WM_KEYDOWN, VK_ESCAPE, 1);
}

void DialogDriver::Type(HWND dialog, int id, const char* text) {
  HWND edit = EditOf(GetDlgItem(dialog, id));
  SendWaiting(edit, EM_SETSEL, 0, -1);
  SendWaiting(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

void DialogDriver::SelectListItem(HWND dialog, int id, int index) {
  HWND list = GetDlgItem(dialog, id);
  SendWaiting(list, LB_SETCURSEL, index, 0);
  SendWaiting(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void DialogDriver::DoubleClickListItem(HWND dialog, int id, int index) {
  HWND list = GetDlgItem(dialog, id);
  SendWaiting(list, LB_SETCURSEL, index, 0);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
}

void DialogDriver::SelectComboItem(HWND dialog, int id, int index) {
  HWND combo = GetDlgItem(dialog, id);
  SendWaiting(combo, CB_SETCURSEL, index, 0);
  SendWaiting(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void DialogDriver::MoveTo(HWND window, int left, int top) {
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string DialogDriver::Text(HWND dialog, int id) {
  char text[1024] = {};
  GetWindowTextA(GetDlgItem(dialog, id), text, sizeof text);
  return text;
}

bool DialogDriver::Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)); }

bool DialogDriver::Visible(HWND dialog, int id) {
  return (GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool DialogDriver::Checked(HWND dialog, int id) {
  return SendWaiting(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<std::string> DialogDriver::ListItems(HWND dialog, int id) {
  HWND list = GetDlgItem(dialog, id);
  std::vector<std::string> items;
  const LRESULT count = SendWaiting(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[256] = {};
    SendWaiting(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    items.emplace_back(text);
  }
  return items;
}

int DialogDriver::ListSelection(HWND dialog, int id) {
  return static_cast<int>(SendWaiting(GetDlgItem(dialog, id), LB_GETCURSEL, 0, 0));
}

std::vector<std::string> DialogDriver::ComboItems(HWND dialog, int id) {
  HWND combo = GetDlgItem(dialog, id);
  std::vector<std::string> items;
  const LRESULT count = SendWaiting(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[256] = {};
    SendWaiting(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    items.emplace_back(text);
  }
  return items;
}

int DialogDriver::ComboSelection(HWND dialog, int id) {
  return static_cast<int>(SendWaiting(GetDlgItem(dialog, id), CB_GETCURSEL, 0, 0));
}

std::vector<std::string> DialogDriver::MenuItems(HWND menu) {
  HMENU handle = reinterpret_cast<HMENU>(SendWaiting(menu, MN_GETHMENU, 0, 0));
  std::vector<std::string> items;
  for (int i = 0; i < GetMenuItemCount(handle); ++i) {
    char text[256] = {};
    GetMenuStringA(handle, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    items.emplace_back(text);
  }
  return items;
}

void DialogDriver::ChooseMenuItem(HWND menu, int index) {
  // The menu's own loop reads the keys whichever of the thread's windows they are sent to.
  for (int step = 0; step <= index; ++step) PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 1);
  PostMessageA(menu, WM_KEYDOWN, index < 0 ? VK_ESCAPE : VK_RETURN, 1);
}

std::string DialogDriver::MessageText(HWND box) {
  std::string text;
  EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
  return text;
}

HWND DialogDriver::Focus() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(uiThread_, &info) ? info.hwndFocus : nullptr;
}

}  // namespace trov::test
