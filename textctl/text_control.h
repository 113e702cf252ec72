// What the check loop needs of the host's text control. Positions are character positions, equal
// to byte offsets in the text the control delivers (an implementation folds line ends so).
#ifndef VANTOR_TEXT_CONTROL_H
#define VANTOR_TEXT_CONTROL_H

#include <cstdint>

namespace trov {

class TextControl {
 public:
  virtual ~TextControl() = default;

  virtual int32_t TextLength() = 0;
  // Copies at most size - 1 characters of the whole text and terminates; the number delivered.
  virtual int32_t GetText(char* buffer, int32_t size) = 0;
  virtual void SetSelection(int32_t start, int32_t end) = 0;
  // Scrolls the selection into view.
  virtual void ScrollCaret() = 0;
  // Replaces the selected characters with text; the caret follows the new text.
  virtual void ReplaceSelection(const char* text) = 0;
};

}  // namespace trov

#endif  // VANTOR_TEXT_CONTROL_H
