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

}  // namespace pad

#endif  // VANTOR_PAD_EDITOR_TEXT_H
