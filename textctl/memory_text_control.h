// A text control held in memory: the command-line tool checks files through it, and tests watch
// what the check loop does to a host's text.
#ifndef VANTOR_MEMORY_TEXT_CONTROL_H
#define VANTOR_MEMORY_TEXT_CONTROL_H

#include <cstdint>
#include <string>
#include <utility>

#include "text_control.h"

namespace trov {

class MemoryTextControl : public TextControl {
 public:
  explicit MemoryTextControl(std::string text = {}) : text_(std::move(text)) {}

  int32_t TextLength() override;
  int32_t GetText(char* buffer, int32_t size) override;
  // Positions are limited to the text, and a reversed pair is put in order, as edit controls do.
  void SetSelection(int32_t start, int32_t end) override;
  void ScrollCaret() override { ++scrollCount_; }
  void ReplaceSelection(const char* text) override;

  const std::string& Text() const { return text_; }
  int32_t SelectionStart() const { return selectionStart_; }
  int32_t SelectionEnd() const { return selectionEnd_; }
  // How often the selection was scrolled into view.
  int32_t ScrollCount() const { return scrollCount_; }

 private:
  std::string text_;
  int32_t selectionStart_ = 0;
  int32_t selectionEnd_ = 0;
  int32_t scrollCount_ = 0;
};

}  // namespace trov

#endif  // VANTOR_MEMORY_TEXT_CONTROL_H
