// The check loop's text control over a host window, through the adapter.
#ifndef VANTOR_WINDOW_TEXT_CONTROL_H
#define VANTOR_WINDOW_TEXT_CONTROL_H

#include <windows.h>

#include "text_control.h"

namespace trov {

class WindowTextControl final : public TextControl {
 public:
  explicit WindowTextControl(HWND window) : window_(window) {}

  HWND Window() const { return window_; }

  int32_t TextLength() override;
  int32_t GetText(char* buffer, int32_t size) override;
  void SetSelection(int32_t start, int32_t end) override;
  void ScrollCaret() override;
  void ReplaceSelection(const char* text) override;

 private:
  HWND window_;
};

}  // namespace trov

#endif  // VANTOR_WINDOW_TEXT_CONTROL_H
