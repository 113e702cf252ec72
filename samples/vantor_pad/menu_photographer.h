// The pad's picture for the documentation (vantor_pad --screenshot): right-clicks the first
// marked word as a user would and, once the control's suggestion menu shows, captures the pad's
// window with the menu into a BMP file and closes the pad.
#ifndef VANTOR_PAD_MENU_PHOTOGRAPHER_H
#define VANTOR_PAD_MENU_PHOTOGRAPHER_H

#include <windows.h>

#include <string>
#include <thread>

namespace pad {

class MenuPhotographer {
 public:
  // With the pad shown and checking as the user types; the pad's message loop runs next.
  void Start(HWND pad, const std::wstring& bitmapFile);
  // Once the loop has ended: whether the picture was saved.
  bool Finish();

 private:
  void Photograph(HWND pad, HWND editor, POINT click, DWORD padThread,
                  const std::wstring& bitmapFile);

  std::thread photographer_;
  bool saved_ = false;
};

}  // namespace pad

#endif  // VANTOR_PAD_MENU_PHOTOGRAPHER_H
