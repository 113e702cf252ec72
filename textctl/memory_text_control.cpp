// The in-memory text control.
#include "memory_text_control.h"

#include <algorithm>
#include <cstring>

namespace trov {

int32_t MemoryTextControl::TextLength() { return static_cast<int32_t>(text_.size()); }

int32_t MemoryTextControl::GetText(char* buffer, int32_t size) {
  if (buffer == nullptr || size <= 0) return 0;
  const std::size_t count = std::min(text_.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, text_.data(), count);
  buffer[count] = '\0';
  return static_cast<int32_t>(count);
}

void MemoryTextControl::SetSelection(int32_t start, int32_t end) {
  const int32_t length = TextLength();
  start = std::clamp(start, 0, length);
  end = std::clamp(end, 0, length);
  selectionStart_ = std::min(start, end);
  selectionEnd_ = std::max(start, end);
}

void MemoryTextControl::ReplaceSelection(const char* text) {
  const std::string replacement = text == nullptr ? std::string() : std::string(text);
  text_.replace(static_cast<std::size_t>(selectionStart_),
                static_cast<std::size_t>(selectionEnd_ - selectionStart_), replacement);
  selectionStart_ += static_cast<int32_t>(replacement.size());
  selectionEnd_ = selectionStart_;
}

}  // namespace trov
