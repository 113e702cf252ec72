// The pad's document window, a Unicode rich edit ("RichEdit20W"), and its whole text. The
// document is plain text: one format for all of it, apart from the marks of background checking.
#ifndef VANTOR_PAD_EDITOR_TEXT_H
#define VANTOR_PAD_EDITOR_TEXT_H

#include <windows.h>

#include <string>

namespace pad {

// A child editor that reports changes of its text and selection to its parent.
HWND CreateEditor(HWND parent, int id);

// Replaces the whole text, with the plain format and an empty undo history, caret at the start.
void SetEditorText(HWND editor, const std::wstring& text);
// The whole text, lines ending with CR LF.
std::wstring EditorText(HWND editor);
// Characters, counting a line end as one, as the editor's positions do.
long EditorLength(HWND editor);
// Gives all of the text the plain format again: no marks.
void ClearMarks(HWND editor);

// Holds the editor's painting and scroll position while the selection is moved about the whole
// text, as reading formats and the control's whole-text check do: a visible rich edit otherwise
// scrolls to every selection and repaints. The editor is repainted once afterwards.
class FrozenView {
 public:
  explicit FrozenView(HWND editor);
  FrozenView(const FrozenView&) = delete;
  FrozenView& operator=(const FrozenView&) = delete;
  ~FrozenView();

 private:
  HWND editor_;
  POINT scroll_{};
};

}  // namespace pad

#endif  // VANTOR_PAD_EDITOR_TEXT_H
