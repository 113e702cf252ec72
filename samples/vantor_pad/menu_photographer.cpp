#include "menu_photographer.h"

#include <olectl.h>
#include <richedit.h>
#include <wrl/client.h>

#include <cstdio>

#include "mark_counter.h"
#include "spelling_control.h"
#include "text_file.h"

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

// The bitmap in BMP form, written by the picture object of OLE.
bool SaveBitmap(HBITMAP bitmap, const std::wstring& file) {
  PICTDESC description{};
  description.cbSizeofstruct = sizeof description;
  description.picType = PICTYPE_BITMAP;
  description.bmp.hbitmap = bitmap;
  Microsoft::WRL::ComPtr<IPicture> picture;
  Microsoft::WRL::ComPtr<IStream> stream;
  LONG size = 0;
  if (FAILED(OleCreatePictureIndirect(&description, IID_IPicture, FALSE,
                                      reinterpret_cast<void**>(picture.GetAddressOf()))) ||
      FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) ||
      FAILED(picture->SaveAsFile(stream.Get(), TRUE, &size))) {
    return false;
  }
  HGLOBAL memory = nullptr;
  if (FAILED(GetHGlobalFromStream(stream.Get(), &memory))) return false;
  const std::string bytes(static_cast<const char*>(GlobalLock(memory)),
                          static_cast<std::size_t>(size));
  GlobalUnlock(memory);
  return WriteBytes(file, bytes);
}

// What the screen shows of area.
bool Capture(const RECT& area, const std::wstring& file) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
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
  // A point inside the word's first letters, half a line down from its top.
  POINTL corner{};
  SendMessageW(editor, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&corner), marks.firstMark() + 1);
  POINT click{corner.x, corner.y + 6};
  ClientToScreen(editor, &click);
  photographer_ =
      std::thread(&MenuPhotographer::Photograph, this, pad, GetCurrentThreadId(), bitmapFile);
  PostMessageW(pad, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(editor), MAKELPARAM(click.x, click.y));
}

void MenuPhotographer::Photograph(HWND pad, DWORD padThread, const std::wstring& bitmapFile) {
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
