#include "menu_photographer.h"

#include <gdiplus.h>
#include <richedit.h>

#include <cstdio>

#include "mark_counter.h"
#include "spelling_control.h"

namespace pad {
namespace {

constexpr DWORD kPatienceMs = 30000;  // a fresh prefix first builds its font cache
constexpr DWORD kSettleMs = 800;      // the menu's and the window's painting

HWND MenuOf(DWORD thread) {
  for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu != nullptr;
       menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
    if (IsWindowVisible(menu) && GetWindowThreadProcessId(menu, nullptr) == thread) return menu;
  }
  return nullptr;
}

HWND WaitForMenu(DWORD thread) {
  for (DWORD waited = 0; waited < kPatienceMs; waited += 50) {
    if (HWND menu = MenuOf(thread)) return menu;
    Sleep(50);
  }
  return nullptr;
}

// The bitmap as a BMP file, written by GDI+.
bool SaveBitmap(HBITMAP bitmap, const std::wstring& file) {
  constexpr CLSID kBmpEncoder = {
      0x557cf400, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return false;
  bool saved = false;
  {
    Gdiplus::Bitmap picture(bitmap, nullptr);
    saved = picture.Save(file.c_str(), &kBmpEncoder, nullptr) == Gdiplus::Ok;
  }
  Gdiplus::GdiplusShutdown(token);
  return saved;
}

// What the screen shows of area.
bool Capture(const RECT& area, const std::wstring& file) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  // 24 bits a pixel: the screen's 32-bit pixels carry no alpha, yet a 32-bit file would say so.
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &pixels, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, previous);
  const bool saved = SaveBitmap(bitmap, file);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return saved;
}

}  // namespace

void MenuPhotographer::Start(HWND pad, const std::wstring& bitmapFile) {
  HWND editor = FindWindowExW(pad, nullptr, L"RichEdit20W", nullptr);
  MarkCounter marks(editor, Marking{}.colour);
  marks.Continue(INFINITE);
  if (marks.firstMark() < 0) {
    std::fprintf(stderr, "vantor_pad: the document has no marked word to right-click\n");
    PostMessageW(pad, WM_CLOSE, 0, 0);
    return;
  }
  // A click on the word's first letter, low in its line, so that the menu leaves the word seen.
  const long mark = marks.firstMark();
  const auto line = SendMessageW(editor, EM_EXLINEFROMCHAR, 0, mark);
  const auto nextLine = SendMessageW(editor, EM_LINEINDEX, line + 1, 0);
  POINTL word{};
  POINTL below{};
  SendMessageW(editor, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&word), mark);
  SendMessageW(editor, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&below), nextLine);
  POINT click{word.x + 2, below.y > word.y ? below.y - 2 : word.y + 6};
  ClientToScreen(editor, &click);
  photographer_ = std::thread(&MenuPhotographer::Photograph, this, pad, editor, click,
                              GetCurrentThreadId(), bitmapFile);
}

void MenuPhotographer::Photograph(HWND pad, HWND editor, POINT click, DWORD padThread,
                                  const std::wstring& bitmapFile) {
  // The status bar's counts come once the pad has been idle a moment; an open menu holds them.
  Sleep(2 * kSettleMs);
  PostMessageW(pad, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(editor), MAKELPARAM(click.x, click.y));
  HWND menu = WaitForMenu(padThread);
  if (menu == nullptr) {
    std::fprintf(stderr, "vantor_pad: no suggestion menu appeared\n");
  } else {
    Sleep(kSettleMs);
    RECT window{};
    RECT shown{};
    RECT both{};
    GetWindowRect(pad, &window);
    GetWindowRect(menu, &shown);
    UnionRect(&both, &window, &shown);
    saved_ = Capture(both, bitmapFile);
    if (!saved_) std::fprintf(stderr, "vantor_pad: the picture could not be saved\n");
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
  }
  PostMessageW(pad, WM_CLOSE, 0, 0);
}

bool MenuPhotographer::Finish() {
  if (photographer_.joinable()) photographer_.join();
  return saved_;
}

}  // namespace pad
