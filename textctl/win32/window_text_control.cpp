#include "window_text_control.h"

#include "text_ctl.h"

namespace trov {

// A handle that names no window (never set, or destroyed since) reads as an empty text and
// ignores edits, so a host that closes its window early cannot make the loop act on a stranger.
int32_t WindowTextControl::TextLength() {
  return IsWindow(window_) ? TextCtl_GetTextLength(window_) : 0;
}

int32_t WindowTextControl::GetText(char* buffer, int32_t size) {
  if (!IsWindow(window_)) {
    if (buffer != nullptr && size > 0) buffer[0] = '\0';
    return 0;
  }
  return TextCtl_GetText(window_, buffer, size);
}

void WindowTextControl::SetSelection(int32_t start, int32_t end) {
  if (IsWindow(window_)) TextCtl_SetSel(window_, start, end);
}

void WindowTextControl::ScrollCaret() {
  if (IsWindow(window_)) TextCtl_ScrollCaret(window_);
}

void WindowTextControl::ReplaceSelection(const char* text) {
  if (IsWindow(window_)) TextCtl_ReplaceSel(window_, text);
}

}  // namespace trov
