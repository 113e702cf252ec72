#include "dialog_template_size.h"

#include <cwchar>

namespace trov {
namespace {

static_assert(sizeof(DLGTEMPLATE) == 18, "the fields after the header start at byte 18");

// A menu or class field: none, an ordinal, or a string.
const WORD* SkipNameOrOrdinal(const WORD* field) {
  if (*field == 0x0000) return field + 1;
  if (*field == 0xFFFF) return field + 2;
  return field + std::wcslen(reinterpret_cast<const wchar_t*>(field)) + 1;
}

// The dialog base units of a font: the average width of the letters and the height of a line,
// in pixels.
SIZE BaseUnits(int pointSize, const wchar_t* faceName) {
  SIZE units{};
  HDC screen = GetDC(nullptr);
  LOGFONTW description{};
  description.lfHeight = -MulDiv(pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
  description.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(description.lfFaceName, faceName, LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectW(&description);
  HGDIOBJ previous = SelectObject(screen, font);
  static constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  SIZE letters{};
  TEXTMETRICW metrics{};
  if (GetTextExtentPoint32W(screen, kLetters, 52, &letters) && GetTextMetricsW(screen, &metrics)) {
    units.cx = (letters.cx / 26 + 1) / 2;
    units.cy = metrics.tmHeight;
  }
  SelectObject(screen, previous);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
  return units;
}

}  // namespace

SIZE DialogTemplatePixels(HINSTANCE module, int dialogId) {
  HRSRC found =
      FindResourceW(module, MAKEINTRESOURCEW(dialogId), reinterpret_cast<LPCWSTR>(RT_DIALOG));
  HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  const auto* dialog =
      loaded != nullptr ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
  if (dialog == nullptr || (dialog->style & DS_SETFONT) == 0) return {};
  // An extended template starts with version 1 and the signature 0xFFFF.
  const auto* words = reinterpret_cast<const WORD*>(dialog);
  if (words[0] == 1 && words[1] == 0xFFFF) return {};
  const WORD* field = reinterpret_cast<const WORD*>(dialog + 1);
  field = SkipNameOrOrdinal(field);                                   // menu
  field = SkipNameOrOrdinal(field);                                   // class
  field += std::wcslen(reinterpret_cast<const wchar_t*>(field)) + 1;  // caption
  const SIZE units = BaseUnits(field[0], reinterpret_cast<const wchar_t*>(field + 1));
  return {MulDiv(dialog->cx, units.cx, 4), MulDiv(dialog->cy, units.cy, 8)};
}

}  // namespace trov
