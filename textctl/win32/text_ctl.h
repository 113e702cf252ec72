// The one place that talks to a host's text window: each operation recognises the window's kind
// (text_ctl_kind.h) and sends the messages that kind understands. Stateless; positions are
// character positions of the window.
#ifndef VANTOR_TEXT_CTL_H
#define VANTOR_TEXT_CTL_H

#include <windows.h>

#include <cstdint>

namespace trov {

// TextCtl_GetEffects / TextCtl_SetEffects bits; for rich edits they equal the platform's
// character-format mask and effect bits.
inline constexpr int kEffectBold = 1;
inline constexpr int kEffectItalic = 2;
inline constexpr int kEffectUnderline = 4;
inline constexpr int kEffectStrikeout = 8;

struct TextSelection {
  int32_t start;
  int32_t end;
};

int32_t TextCtl_GetTextLength(HWND window);
// At most size - 1 characters and a terminator; rich edit 2.0 line ends are folded to one line
// feed so offsets in buffer equal the window's positions. The number of characters delivered.
int32_t TextCtl_GetText(HWND window, char* buffer, int32_t size);
TextSelection TextCtl_GetSel(HWND window);
void TextCtl_SetSel(HWND window, int32_t start, int32_t end);
void TextCtl_SelectChar(HWND window, int32_t position);
void TextCtl_ReplaceSel(HWND window, const char* text);
void TextCtl_ScrollCaret(HWND window);
// The character at client point (x, y), or -1.
int32_t TextCtl_CharFromPos(HWND window, int32_t x, int32_t y);
// The client point of character position's top-left corner ((0, 0) where the kind cannot say).
POINT TextCtl_PosFromChar(HWND window, int32_t position);
COLORREF TextCtl_GetTextColor(HWND window);
void TextCtl_SetTextColor(HWND window, COLORREF colour);
int TextCtl_GetEffects(HWND window);
// Changes the effect bits in mask, each to its value in effects.
void TextCtl_SetEffects(HWND window, int mask, int effects);
// Stop and resume repainting around one batch of format changes.
void TextCtl_Freeze(HWND window);
void TextCtl_Unfreeze(HWND window);
// Characters first..last (exclusive) into buffer, bounded by size; the number delivered.
int32_t TextCtl_GetTextRange(HWND window, int32_t first, int32_t last, char* buffer, int32_t size);
// The first occurrence of word at or after start, or -1; -12 when memory runs out. Rich edits
// match whole words regardless of case, other kinds plain substrings.
int32_t TextCtl_FindText(HWND window, const char* word, int32_t start);

}  // namespace trov

#endif  // VANTOR_TEXT_CTL_H
