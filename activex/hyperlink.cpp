#include "hyperlink.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <array>
#include <memory>
#include <optional>
#include <utility>

#include "dialog_ids.h"
#include "dialog_support.h"
#include "hyperlink_rules.h"
#include "module.h"

namespace trov {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr WORD kHelpProgramHandCursor = 106;

struct Link {
  Link(std::string linkTarget, const HyperlinkStyle& linkStyle)
      : target(std::move(linkTarget)), style(linkStyle) {}
  Link(const Link&) = delete;
  Link& operator=(const Link&) = delete;
  ~Link() {
    // The tooltip belongs to the dialog, which may have destroyed it first.
    if (tooltip != nullptr && IsWindow(tooltip)) DestroyWindow(tooltip);
    if (font != nullptr) DeleteObject(font);
  }

  COLORREF Colour() const {
    if (hovering) return style.hover;
    return visited ? style.visited : style.unvisited;
  }

  std::string target;
  HyperlinkStyle style;
  HFONT font = nullptr;
  HWND tooltip = nullptr;
  bool visited = false;
  bool hovering = false;
};

// The help program's hand, copied once and kept for the process: the program itself is only
// borrowed for the copy. Null when there is no such program or cursor.
HCURSOR HandCursor() {
  static const HCURSOR hand = []() -> HCURSOR {
    std::array<char, MAX_PATH + 1> directory{};
    const UINT length = GetWindowsDirectoryA(directory.data(), MAX_PATH);
    if (length == 0 || length > MAX_PATH) return nullptr;
    const std::string program = std::string(directory.data(), length) + "\\winhlp32.exe";
    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return nullptr;
    HCURSOR cursor = LoadCursorA(module, MAKEINTRESOURCEA(kHelpProgramHandCursor));
    HCURSOR copy = cursor != nullptr ? CopyCursor(cursor) : nullptr;
    FreeLibrary(module);
    return copy;
  }();
  return hand;
}

HFONT LinkFont(HWND control, bool underline) {
  auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  LOGFONTA description{};
  GetObjectA(font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof description,
             &description);
  description.lfUnderline = underline ? TRUE : FALSE;
  return CreateFontIndirectA(&description);
}

// A tooltip over the whole client area that shows the target.
HWND CreateTooltip(HWND control, const std::string& target) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  HWND tooltip =
      CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                      WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, control, nullptr, ModuleInstance(), nullptr);
  if (tooltip == nullptr) return nullptr;
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = control;
  tool.uId = 1;
  GetClientRect(control, &tool.rect);
  tool.lpszText = const_cast<char*>(target.c_str());  // the tooltip keeps a copy
  SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  return tooltip;
}

void Paint(HWND control, const Link& link) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(control, &paint);
  RECT client{};
  GetClientRect(control, &client);
  // The parent's background, as any static text has it; the text goes over it transparently.
  auto background = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(control), WM_CTLCOLORSTATIC,
                                                          reinterpret_cast<WPARAM>(dc),
                                                          reinterpret_cast<LPARAM>(control)));
  FillRect(dc, &client, background != nullptr ? background : GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, link.Colour());
  HGDIOBJ previous = SelectObject(dc, link.font);
  const std::string text = ControlText(control, GetWindowTextLengthA(control));
  UINT format = DT_LEFT | DT_WORDBREAK;
  if ((GetWindowLongA(control, GWL_STYLE) & SS_NOPREFIX) != 0) format |= DT_NOPREFIX;
  DrawTextA(dc, text.c_str(), -1, &client, format);
  SelectObject(dc, previous);
  EndPaint(control, &paint);
}

// The mouse is captured while it is over the link, so its leaving is seen.
void TrackHover(HWND control, Link& link, POINT point) {
  RECT client{};
  GetClientRect(control, &client);
  if (!link.hovering) {
    link.hovering = true;
    SetCapture(control);
    InvalidateRect(control, nullptr, FALSE);
  } else if (!PtInRect(&client, point)) {
    link.hovering = false;
    ReleaseCapture();
    InvalidateRect(control, nullptr, FALSE);
  }
}

// The parent hears the click; this message hands it to the link, which knows its target.
UINT FollowMessage() {
  static const UINT message = RegisterWindowMessageA("VantorFollowHyperlink");
  return message;
}

// A string value; one with environment variables in it comes back expanded.
std::optional<std::string> ClassesRootValue(const std::string& subkey) {
  std::array<char, 2048> value{};
  DWORD size = static_cast<DWORD>(value.size());
  if (RegGetValueA(HKEY_CLASSES_ROOT, subkey.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value.data(),
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(value.data());
}

// When the shell has no way to open the target, the program that opens web pages gets it on
// its command line. Without such a program the shell's own result stands.
int OpenWithWebBrowser(const std::string& target, int shellResult) {
  const std::optional<std::string> fileType = ClassesRootValue(".htm");
  if (!fileType) return shellResult;
  const std::optional<std::string> command = ClassesRootValue(*fileType + "\\shell\\open\\command");
  if (!command) return shellResult;
  return static_cast<int>(WinExec(BrowserCommandLine(*command, target).c_str(), SW_SHOWNORMAL));
}

void Follow(HWND control, Link& link) {
  int result = static_cast<int>(reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", link.target.c_str(), nullptr, nullptr, SW_SHOWNORMAL)));
  if (result <= 32) result = OpenWithWebBrowser(link.target, result);
  if (result > 32) {
    link.visited = true;
    InvalidateRect(control, nullptr, FALSE);
    return;
  }
  MessageBeep(MB_ICONEXCLAMATION);
  const std::string caption = ResourceString(ModuleInstance(), IDS_CONTROL_NAME);
  MessageBoxA(GetParent(control), HyperlinkFailureMessage(result).c_str(), caption.c_str(),
              MB_OK | MB_ICONEXCLAMATION);
}

LRESULT CALLBACK LinkProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
  auto* link = reinterpret_cast<Link*>(data);
  if (message == FollowMessage()) {
    Follow(control, *link);
    return 0;
  }
  switch (message) {
    case WM_PAINT:
      Paint(control, *link);
      return 0;
    case WM_SETCURSOR:
      if (HCURSOR hand = HandCursor()) {
        SetCursor(hand);
        return TRUE;
      }
      break;
    case WM_MOUSEMOVE:
      TrackHover(control, *link, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      break;
    case WM_CAPTURECHANGED:
      // Something else took the mouse (a message box, a click elsewhere): the hover is over.
      if (link->hovering && reinterpret_cast<HWND>(lParam) != control) {
        link->hovering = false;
        InvalidateRect(control, nullptr, FALSE);
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(control, LinkProcedure, kSubclassId);
      delete link;
      break;
    default:
      break;
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

void AttachHyperlink(HWND control, std::string target, const HyperlinkStyle& style) {
  SetWindowLongPtrA(control, GWL_STYLE, GetWindowLongPtrA(control, GWL_STYLE) | SS_NOTIFY);
  const std::string text = ControlText(control, GetWindowTextLengthA(control));
  if (target.empty()) target = text;
  if (text.empty()) SetWindowTextA(control, target.c_str());
  auto link = std::make_unique<Link>(std::move(target), style);
  link->font = LinkFont(control, style.underline);
  link->tooltip = CreateTooltip(control, link->target);
  if (!SetWindowSubclass(control, LinkProcedure, kSubclassId,
                         reinterpret_cast<DWORD_PTR>(link.get()))) {
    return;
  }
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(link->font), FALSE);
  link.release();  // the window owns it now
}

void FollowHyperlink(HWND control) { SendMessageA(control, FollowMessage(), 0, 0); }

}  // namespace trov
