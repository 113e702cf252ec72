// Host text windows for the tests: the platform's edit and rich-edit controls, and a small
// window class of our own that answers the numbered "tx" messages.
#ifndef VANTOR_TESTS_TEST_WINDOWS_H
#define VANTOR_TESTS_TEST_WINDOWS_H

#include <windows.h>

#include <string>

namespace trov::test {

// Destroys its window.
class TestWindow {
 public:
  // A hidden multi-line window of class className (ANSI, or wide for the Unicode rich edit).
  TestWindow(const char* className, const std::string& text);
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  ~TestWindow();

  HWND handle() const { return window_; }
  // Replaces a rich edit's text by streaming it in as plain text, the way hosts load long
  // documents; far quicker than setting a long window text.
  void StreamIn(const std::string& text);
  // The window's own view of its text (WM_GETTEXT, line ends as the window reports them).
  std::string Text() const;
  // The window's own selection.
  void Selection(long& start, long& end) const;

 private:
  HWND window_ = nullptr;
};

// Registers (once) the "tx"-message window class under className, e.g. "TX32".
void RegisterTxClass(const char* className);
// Loads the rich-edit libraries so their classes exist.
void LoadRichEditLibraries();

}  // namespace trov::test

#endif  // VANTOR_TESTS_TEST_WINDOWS_H
