#include "pad_window.h"

#include <richedit.h>
#include <windowsx.h>

#include "editor_text.h"
#include "pad_commands.h"
#include "pad_menu.h"

namespace pad {
namespace {

constexpr int kEditorId = 1;
constexpr int kInitialWidth = 720;
constexpr int kInitialHeight = 480;

void RegisterPadClass(WNDPROC windowProc) {
  WNDCLASSEXW windowClass{};
  if (GetClassInfoExW(GetModuleHandleW(nullptr), kPadClassName, &windowClass)) return;
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  windowClass.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kPadClassName;
  RegisterClassExW(&windowClass);
}

}  // namespace

HWND PadWindow::Open(const std::wstring& file) {
  RegisterPadClass(&WindowProc);
  // From WM_NCCREATE on the window owns the pad: its destruction deletes it.
  auto* pad = new PadWindow;
  HWND window = CreateWindowExW(0, kPadClassName, kProgramName, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, kInitialWidth, kInitialHeight, nullptr,
                                CreateMenuBar(), GetModuleHandleW(nullptr), pad);
  if (window == nullptr) return nullptr;
  if (!pad->CreateChildren() || !pad->ConnectControl()) {
    DestroyWindow(window);
    return nullptr;
  }
  ShowWindow(window, SW_SHOWNORMAL);
  if (!file.empty()) pad->Load(file);
  SetFocus(pad->editor_);
  return window;
}

bool PadWindow::CreateChildren() {
  editor_ = CreateEditor(window_, kEditorId);
  status_.Create(window_);
  if (editor_ == nullptr || status_.handle() == nullptr) return false;
  marks_ = MarkCounter(editor_, marking_.colour);
  Layout();
  UpdateTitle();
  status_.ShowMessage(L"Ready");
  status_.ShowMarks(-1);
  return true;
}

LRESULT CALLBACK PadWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created =
        static_cast<PadWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* pad = reinterpret_cast<PadWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (pad == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    delete pad;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return pad->Handle(message, wParam, lParam);
}

LRESULT PadWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_SETFOCUS:
      SetFocus(editor_);
      return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == editor_) {
        if (HIWORD(wParam) == EN_CHANGE) OnEditorChanged();
        return 0;
      }
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_NOTIFY:
      if (reinterpret_cast<NMHDR*>(lParam)->code == EN_SELCHANGE) OnSelectionChanged();
      return 0;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) != editor_) break;
      OnContextMenu(lParam);
      return 0;
    case WM_TIMER:
      RecountSlice();
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      events_.Disconnect();
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void PadWindow::Layout() {
  RECT client{};
  GetClientRect(window_, &client);
  const int statusHeight = status_.Resize();
  MoveWindow(editor_, 0, 0, client.right, client.bottom - statusHeight, TRUE);
}

void PadWindow::OnCommand(int command) {
  switch (command) {
    case kFileNew:
      NewDocument();
      break;
    case kFileOpen:
      OpenDocument();
      break;
    case kFileSave:
      Save();
      break;
    case kFileSaveAs:
      SaveAs();
      break;
    case kFileExit:
      OnClose();
      break;
    case kEditUndo:
      SendMessageW(editor_, EM_UNDO, 0, 0);
      break;
    case kEditCut:
      SendMessageW(editor_, WM_CUT, 0, 0);
      break;
    case kEditCopy:
      SendMessageW(editor_, WM_COPY, 0, 0);
      break;
    case kEditPaste:
      SendMessageW(editor_, EM_PASTESPECIAL, CF_UNICODETEXT, 0);
      break;
    case kEditSelectAll:
      SendMessageW(editor_, EM_SETSEL, 0, -1);
      break;
    case kToolsCheckSpelling:
      CheckSpelling();
      break;
    case kToolsCheckAsYouType:
      ToggleCheckAsYouType();
      break;
    case kToolsOptions:
      ShowSettingsDialog(&SpellingControl::ShowOptionsDialog);
      break;
    case kToolsUserDictionaries:
      ShowSettingsDialog(&SpellingControl::ShowUserDictionaryDialog);
      break;
    case kHelpAbout:
      ShowAbout();
      break;
  }
}

void PadWindow::OnEditorChanged() {
  if (!replacingText_) SetModified(true);
  ForwardChange();
  ScheduleRecount();
}

void PadWindow::OnSelectionChanged() { ForwardChange(); }

void PadWindow::OnContextMenu(LPARAM screenPoint) {
  POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
  long x = -1;  // from the keyboard: the control takes y as the caret's character position
  long y = 0;
  if (at.x == -1 && at.y == -1) {
    CHARRANGE selection{};
    SendMessageW(editor_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    y = selection.cpMin;
    POINTL caret{};
    SendMessageW(editor_, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&caret), selection.cpMin);
    at = {caret.x, caret.y};
    ClientToScreen(editor_, &at);
  } else {
    POINT client = at;
    ScreenToClient(editor_, &client);
    x = client.x;
    y = client.y;
  }
  if (checkAsYouType_) {
    long shown = 0;
    {
      ControlCall call(*this);
      shown = control_.CheckBackgroundMenu(editor_, x, y, marking_);
    }
    if (shown == 1) {
      ScheduleRecount();
      return;
    }
  }
  HMENU popup = CreateEditPopup();
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window_,
                 nullptr);
  DestroyMenu(popup);
}

void PadWindow::OnClose() {
  if (ConfirmDiscard()) DestroyWindow(window_);
}

}  // namespace pad
