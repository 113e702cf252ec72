#include "status_bar.h"

#include <commctrl.h>

#include <iterator>

namespace pad {

void StatusBar::Create(HWND parent) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  bar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                         0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

int StatusBar::Resize() {
  SendMessageW(bar_, WM_SIZE, 0, 0);
  RECT bar{};
  GetClientRect(bar_, &bar);
  // The counts keep a fixed width at the right; the message takes the rest.
  constexpr int kCountWidth = 130;
  const int right = bar.right;
  int edges[] = {right - 2 * kCountWidth, right - kCountWidth, -1};
  SendMessageW(bar_, SB_SETPARTS, std::size(edges), reinterpret_cast<LPARAM>(edges));
  return bar.bottom;
}

void StatusBar::Show(StatusPart part, const std::wstring& text) {
  SendMessageW(bar_, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text.c_str()));
}

void StatusBar::ShowMessage(const std::wstring& message) { Show(kMessagePart, message); }

void StatusBar::ShowWords(long words) { Show(kWordsPart, L"Words: " + std::to_wstring(words)); }

void StatusBar::ShowMarks(long marks) {
  Show(kMarksPart, marks < 0 ? std::wstring() : L"Marked words: " + std::to_wstring(marks));
}

}  // namespace pad
