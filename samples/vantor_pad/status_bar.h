// The pad's status bar: a message, the document's word count and the count of marked words.
#ifndef VANTOR_PAD_STATUS_BAR_H
#define VANTOR_PAD_STATUS_BAR_H

#include <windows.h>

#include <string>

namespace pad {

enum StatusPart : int { kMessagePart = 0, kWordsPart = 1, kMarksPart = 2 };

class StatusBar {
 public:
  void Create(HWND parent);
  HWND handle() const { return bar_; }
  // Follows the parent's size; the bar's height.
  int Resize();

  void ShowMessage(const std::wstring& message);
  void ShowWords(long words);
  // Negative: background checking is off, so there are no marks to count.
  void ShowMarks(long marks);

 private:
  void Show(StatusPart part, const std::wstring& text);

  HWND bar_ = nullptr;
};

}  // namespace pad

#endif  // VANTOR_PAD_STATUS_BAR_H
