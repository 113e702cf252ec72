#include "editor_text.h"

#include <richedit.h>

#include <cwchar>

namespace pad {
namespace {

constexpr UINT kUtf16CodePage = 1200;

CHARFORMAT2W PlainFormat() {
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_FACE | CFM_SIZE;
  format.dwEffects = CFE_AUTOCOLOR;
  format.yHeight = 10 * 20;  // twips: 10 points
  wcscpy(format.szFaceName, L"Tahoma");
  return format;
}

void ApplyPlainFormat(HWND editor, WPARAM scope) {
  CHARFORMAT2W format = PlainFormat();
  SendMessageW(editor, EM_SETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&format));
}

}  // namespace

HWND CreateEditor(HWND parent, int id) {
  LoadLibraryW(L"riched20.dll");
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                      ES_NOHIDESEL | ES_WANTRETURN;
  HWND editor = CreateWindowExW(WS_EX_CLIENTEDGE, L"RichEdit20W", L"", style, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
  if (editor == nullptr) return nullptr;
  // Without this a rich edit 2.0 holds 32K characters.
  SendMessageW(editor, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  ApplyPlainFormat(editor, SCF_DEFAULT);
  SendMessageW(editor, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
  return editor;
}

void SetEditorText(HWND editor, const std::wstring& text) {
  SETTEXTEX how{ST_DEFAULT, kUtf16CodePage};
  SendMessageW(editor, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
               reinterpret_cast<LPARAM>(text.c_str()));
  ApplyPlainFormat(editor, SCF_ALL);
  SendMessageW(editor, EM_SETSEL, 0, 0);
  SendMessageW(editor, EM_EMPTYUNDOBUFFER, 0, 0);
}

long EditorLength(HWND editor) {
  GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, kUtf16CodePage};
  return static_cast<long>(
      SendMessageW(editor, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0));
}

std::wstring EditorText(HWND editor) {
  GETTEXTLENGTHEX measure{GTL_USECRLF | GTL_NUMCHARS | GTL_PRECISE, kUtf16CodePage};
  const LRESULT length =
      SendMessageW(editor, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&measure), 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GETTEXTEX how{};
  how.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  how.flags = GT_USECRLF;
  how.codepage = kUtf16CodePage;
  const LRESULT copied = SendMessageW(editor, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&how),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

void ClearMarks(HWND editor) { ApplyPlainFormat(editor, SCF_ALL); }

FrozenView::FrozenView(HWND editor) : editor_(editor) {
  SendMessageW(editor_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(editor_, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll_));
}

FrozenView::~FrozenView() {
  SendMessageW(editor_, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll_));
  SendMessageW(editor_, WM_SETREDRAW, TRUE, 0);
  // What needed painting meanwhile was dropped.
  InvalidateRect(editor_, nullptr, FALSE);
}

}  // namespace pad
