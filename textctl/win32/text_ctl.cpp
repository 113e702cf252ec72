#include "text_ctl.h"

#include <richedit.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>

#include "text_ctl_kind.h"
#include "tx_messages.h"

namespace trov {
namespace {

constexpr int32_t kOutOfMemory = -12;        // the engine's result for a failed allocation
constexpr std::size_t kWideWordLimit = 100;  // the Unicode search's word buffer, in characters

static_assert(sizeof(CHARFORMATA) == 60, "rich edit 1.0 takes the 60-byte character format");
static_assert(sizeof(CHARFORMAT2A) == 84, "rich edit 2.0 takes the 84-byte character format");

bool IsRichEdit(TextCtlKind kind) {
  return kind == TEXTCTL_RICHEDIT1 || kind == TEXTCTL_RICHEDIT2A || kind == TEXTCTL_RICHEDITW;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, const void* lParam) {
  return SendMessageA(window, message, wParam, reinterpret_cast<LPARAM>(lParam));
}

// ---- Streaming a rich edit's plain text into a bounded buffer ----

struct StreamTarget {
  char* buffer;
  int32_t size;
  int32_t filled;
};

DWORD CALLBACK StreamIntoBuffer(DWORD_PTR cookie, LPBYTE bytes, LONG offered, LONG* taken) {
  auto& target = *reinterpret_cast<StreamTarget*>(cookie);
  const int32_t room = target.size - target.filled - 1;
  const int32_t count = std::clamp<int32_t>(offered, 0, std::max(room, 0));
  std::memcpy(target.buffer + target.filled, bytes, static_cast<std::size_t>(count));
  target.filled += count;
  *taken = count;
  return target.filled >= target.size - 1 ? 1 : 0;
}

// Rich edit 2.0 counts a CR LF pair as one position: folding each pair to one LF makes offsets
// in the buffer equal the window's positions. Without scratch memory the text stays unfolded.
int32_t FoldLineEnds(char* buffer, int32_t length, int32_t size) {
  std::unique_ptr<char[]> scratch(new (std::nothrow) char[static_cast<std::size_t>(size)]);
  if (!scratch) return length;
  int32_t out = 0;
  for (int32_t in = 0; in < length; ++in) {
    if (buffer[in] == '\r' && in + 1 < length && buffer[in + 1] == '\n') continue;
    scratch[out++] = buffer[in];
  }
  std::memcpy(buffer, scratch.get(), static_cast<std::size_t>(out));
  buffer[out] = '\0';
  return out;
}

int32_t StreamOutText(HWND window, TextCtlKind kind, char* buffer, int32_t size) {
  StreamTarget target{buffer, size, 0};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&target);
  stream.pfnCallback = StreamIntoBuffer;
  Send(window, EM_STREAMOUT, SF_TEXT, &stream);
  buffer[target.filled] = '\0';
  if (kind == TEXTCTL_RICHEDIT1) return target.filled;
  return FoldLineEnds(buffer, target.filled, size);
}

// ---- Replacing the selection of a tx window ----

// The first old character stays until the new text is in, so its position and format carry
// the new text.
void TxReplaceSel(HWND window, const char* text) {
  const TextSelection selection = TextCtl_GetSel(window);
  if (selection.end > selection.start) {
    TextCtl_SetSel(window, selection.start + 1, selection.end);
    Send(window, kTxReplaceSel, 0, text);
    TextCtl_SetSel(window, selection.start, selection.start + 1);
    Send(window, kTxReplaceSel, 0, "");
    return;
  }
  Send(window, kTxReplaceSel, 0, text);
}

// ---- Character formats ----

CHARFORMATA SelectionFormat(HWND window) {
  CHARFORMATA format{};
  format.cbSize = sizeof(format);
  Send(window, EM_GETCHARFORMAT, SCF_SELECTION, &format);
  return format;
}

WPARAM TxEffectCodes(int mask, int effects) {
  struct Codes {
    int bit;
    WPARAM set;
    WPARAM cleared;
  };
  constexpr std::array<Codes, 4> kCodes = {{
      {kEffectBold, kTxSetBold, kTxClearBold},
      {kEffectItalic, kTxSetItalic, kTxClearItalic},
      {kEffectUnderline, kTxSetUnderline, kTxClearUnderline},
      {kEffectStrikeout, kTxSetStrikeout, kTxClearStrikeout},
  }};
  WPARAM sum = 0;
  for (const Codes& codes : kCodes) {
    if (mask & codes.bit) sum += (effects & codes.bit) ? codes.set : codes.cleared;
  }
  return sum;
}

// ---- Reading a range through the selection ----

int32_t EditSelectedText(HWND window, char* buffer, int32_t size) {
  const int32_t length = TextCtl_GetTextLength(window);
  std::unique_ptr<char[]> text(new (std::nothrow) char[static_cast<std::size_t>(length) + 1]);
  if (!text) return kOutOfMemory;
  const int32_t got = TextCtl_GetText(window, text.get(), length + 1);
  const TextSelection selection = TextCtl_GetSel(window);
  const int32_t start = std::clamp(selection.start, 0, got);
  const int32_t end = std::clamp(selection.end, start, got);
  const int32_t count = std::min(end - start, size - 1);
  std::memcpy(buffer, text.get() + start, static_cast<std::size_t>(count));
  buffer[count] = '\0';
  return count;
}

int32_t TxSelectedText(HWND window, char* buffer, int32_t size) {
  std::array<unsigned char, kTxSelTextRecordSize> record{};
  const auto put16 = [&record](std::size_t at, int16_t value) {
    std::memcpy(record.data() + at, &value, sizeof(value));
  };
  const auto put32 = [&record](std::size_t at, int32_t value) {
    std::memcpy(record.data() + at, &value, sizeof(value));
  };
  put16(0, 1010);
  put32(2, -1);
  put16(18, 3);
  put32(24, 1);
  buffer[0] = '\0';
  if (TextCtl_GetTextLength(window) <= 0) return 0;
  Send(window, kTxGetSelText, 0, record.data());
  int32_t handleValue = 0;
  std::memcpy(&handleValue, record.data() + kTxSelTextHandleOffset, sizeof(handleValue));
  HGLOBAL memory = LongToHandle(handleValue);
  if (memory == nullptr) return 0;
  if (const auto* text = static_cast<const char*>(GlobalLock(memory))) {
    const std::size_t available = GlobalSize(memory);
    const std::size_t count =
        std::min(strnlen(text, available), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text, count);
    buffer[count] = '\0';
    GlobalUnlock(memory);
  }
  GlobalFree(memory);
  return static_cast<int32_t>(std::strlen(buffer));
}

int32_t RangeThroughSelection(HWND window, TextCtlKind kind, int32_t first, int32_t last,
                              char* buffer, int32_t size) {
  const TextSelection remembered = TextCtl_GetSel(window);
  TextCtl_SetSel(window, first, last);
  const int32_t result = kind == TEXTCTL_TX ? TxSelectedText(window, buffer, size)
                                            : EditSelectedText(window, buffer, size);
  TextCtl_SetSel(window, remembered.start, remembered.end);
  return result;
}

int32_t WideRange(HWND window, int32_t first, int32_t last, char* buffer) {
  const std::size_t count = static_cast<std::size_t>(last - first);
  std::unique_ptr<wchar_t[]> wide(new (std::nothrow) wchar_t[count + 1]);
  buffer[0] = '\0';
  if (!wide) return 0;
  TEXTRANGEW range{{first, last}, wide.get()};
  const auto delivered = static_cast<std::size_t>(std::max<LRESULT>(
      0, SendMessageW(window, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range))));
  const std::size_t kept = std::min(delivered, count);
  for (std::size_t i = 0; i < kept; ++i) buffer[i] = static_cast<char>(wide[i] & 0xFF);
  buffer[kept] = '\0';
  return static_cast<int32_t>(kept);
}

// ---- Searching ----

int32_t EditFindText(HWND window, const char* word, int32_t start) {
  const int32_t length = TextCtl_GetTextLength(window);
  std::unique_ptr<char[]> text(new (std::nothrow) char[static_cast<std::size_t>(length) + 1]);
  if (!text) return kOutOfMemory;
  const int32_t got = TextCtl_GetText(window, text.get(), length + 1);
  const std::string_view haystack(text.get(), static_cast<std::size_t>(std::max(got, 0)));
  const std::size_t at = haystack.find(word, static_cast<std::size_t>(std::max(start, 0)));
  return at == std::string_view::npos ? -1 : static_cast<int32_t>(at);
}

int32_t WideFindText(HWND window, const char* word, int32_t start) {
  std::array<wchar_t, kWideWordLimit> wide{};
  std::size_t i = 0;
  for (; i + 1 < wide.size() && word[i] != '\0'; ++i) {
    wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(word[i]));
  }
  FINDTEXTW find{{start, -1}, wide.data()};
  return static_cast<int32_t>(
      SendMessageW(window, EM_FINDTEXTW, FR_DOWN | FR_WHOLEWORD, reinterpret_cast<LPARAM>(&find)));
}

}  // namespace

int32_t TextCtl_GetTextLength(HWND window) {
  if (TextCtl_GetKind(window) == TEXTCTL_TX) {
    return static_cast<int32_t>(SendMessageA(window, kTxGetTextLength, 0, 0));
  }
  return GetWindowTextLengthA(window);
}

int32_t TextCtl_GetText(HWND window, char* buffer, int32_t size) {
  if (buffer == nullptr || size <= 0) return 0;
  const TextCtlKind kind = TextCtl_GetKind(window);
  if (IsRichEdit(kind)) return StreamOutText(window, kind, buffer, size);
  buffer[0] = '\0';
  const UINT message = kind == TEXTCTL_TX ? kTxGetText : WM_GETTEXT;
  return static_cast<int32_t>(Send(window, message, static_cast<WPARAM>(size), buffer));
}

TextSelection TextCtl_GetSel(HWND window) {
  const TextCtlKind kind = TextCtl_GetKind(window);
  if (IsRichEdit(kind)) {
    CHARRANGE range{};
    Send(window, EM_EXGETSEL, 0, &range);
    return {range.cpMin, range.cpMax};
  }
  if (kind == TEXTCTL_TX) {
    TxRange range{};
    Send(window, kTxGetSel, 0, &range);
    return {range.start, range.end};
  }
  const auto both = static_cast<DWORD>(SendMessageA(window, EM_GETSEL, 0, 0));
  return {LOWORD(both), HIWORD(both)};
}

void TextCtl_SetSel(HWND window, int32_t start, int32_t end) {
  const TextCtlKind kind = TextCtl_GetKind(window);
  if (IsRichEdit(kind)) {
    CHARRANGE range{start, end};
    Send(window, EM_EXSETSEL, 0, &range);
  } else if (kind == TEXTCTL_TX) {
    TxRange range{start, end};
    Send(window, kTxSetSel, 1, &range);
  } else {
    SendMessageA(window, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
  }
}

void TextCtl_SelectChar(HWND window, int32_t position) {
  TextCtl_SetSel(window, position, position + 1);
}

void TextCtl_ReplaceSel(HWND window, const char* text) {
  const TextCtlKind kind = TextCtl_GetKind(window);
  if (kind == TEXTCTL_TX) {
    TxReplaceSel(window, text);
    return;
  }
  // Rich edits keep the change undoable for the user; the plain edit's single undo level is left
  // to the user's own typing.
  Send(window, EM_REPLACESEL, IsRichEdit(kind) ? TRUE : FALSE, text);
}

void TextCtl_ScrollCaret(HWND window) {
  if (TextCtl_GetKind(window) != TEXTCTL_TX) SendMessageA(window, EM_SCROLLCARET, 0, 0);
}

int32_t TextCtl_CharFromPos(HWND window, int32_t x, int32_t y) {
  const TextCtlKind kind = TextCtl_GetKind(window);
  if (IsRichEdit(kind)) {
    POINTL point{x, y};
    return static_cast<int32_t>(Send(window, EM_CHARFROMPOS, 0, &point));
  }
  if (kind == TEXTCTL_TX) {
    TxPoint point{x, y};
    return static_cast<int32_t>(Send(window, kTxCharFromPos, 0, &point));
  }
  const LRESULT result = SendMessageA(window, EM_CHARFROMPOS, 0, MAKELPARAM(x, y));
  return result == -1 ? -1 : LOWORD(result);
}

POINT TextCtl_PosFromChar(HWND window, int32_t position) {
  const TextCtlKind kind = TextCtl_GetKind(window);
  if (IsRichEdit(kind)) {
    POINTL point{};
    SendMessageA(window, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point),
                 static_cast<LPARAM>(position));
    return {point.x, point.y};
  }
  if (kind == TEXTCTL_TX) return {0, 0};
  const LRESULT both = SendMessageA(window, EM_POSFROMCHAR, static_cast<WPARAM>(position), 0);
  if (both == -1) return {0, 0};
  return {static_cast<short>(LOWORD(both)), static_cast<short>(HIWORD(both))};
}

COLORREF TextCtl_GetTextColor(HWND window) {
  const TextCtlKind kind = TextCtl_GetKind(window);
  if (IsRichEdit(kind)) {
    const CHARFORMATA format = SelectionFormat(window);
    if ((format.dwMask & CFM_COLOR) && !(format.dwEffects & CFE_AUTOCOLOR)) {
      return format.crTextColor;
    }
  } else if (kind == TEXTCTL_TX) {
    TxColour colour{};
    if (LOWORD(Send(window, kTxGetTextColor, 0, &colour)) != 0) return colour.colour;
  }
  return GetSysColor(COLOR_WINDOWTEXT);
}

void TextCtl_SetTextColor(HWND window, COLORREF colour) {
  const TextCtlKind kind = TextCtl_GetKind(window);
  if (IsRichEdit(kind)) {
    CHARFORMATA format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_COLOR;
    format.crTextColor = colour;
    Send(window, EM_SETCHARFORMAT, SCF_SELECTION, &format);
  } else if (kind == TEXTCTL_TX) {
    TxColourPair pair{colour, 0x00FFFFFF};
    Send(window, kTxSetTextColor, 0, &pair);
  }
}

int TextCtl_GetEffects(HWND window) {
  const TextCtlKind kind = TextCtl_GetKind(window);
  if (IsRichEdit(kind)) {
    const CHARFORMATA format = SelectionFormat(window);
    return static_cast<int>(format.dwMask & format.dwEffects & 0xF);
  }
  if (kind != TEXTCTL_TX) return 0;
  const LRESULT bits = SendMessageA(window, kTxGetEffects, 0, 0);
  int effects = 0;
  if (bits & kTxBoldBits) effects |= kEffectBold;
  if (bits & kTxItalicBits) effects |= kEffectItalic;
  if (bits & kTxUnderlineBits) effects |= kEffectUnderline;
  if (bits & kTxStrikeoutBits) effects |= kEffectStrikeout;
  return effects;
}

void TextCtl_SetEffects(HWND window, int mask, int effects) {
  const TextCtlKind kind = TextCtl_GetKind(window);
  if (kind == TEXTCTL_RICHEDIT1) {
    CHARFORMATA format{};
    format.cbSize = sizeof(format);
    format.dwMask = static_cast<DWORD>(mask & 0xF);
    format.dwEffects = static_cast<DWORD>(effects & 0xF);
    Send(window, EM_SETCHARFORMAT, SCF_SELECTION, &format);
  } else if (kind == TEXTCTL_RICHEDIT2A || kind == TEXTCTL_RICHEDITW) {
    // Underlining marks whole words, as the 2.0 format allows.
    CHARFORMAT2A format{};
    format.cbSize = sizeof(format);
    format.dwMask = static_cast<DWORD>(mask & 0xB);
    if (mask & kEffectUnderline) format.dwMask |= CFM_UNDERLINE | CFM_UNDERLINETYPE;
    format.dwEffects = static_cast<DWORD>(effects & 0xF);
    if (effects & kEffectUnderline) format.bUnderlineType = CFU_UNDERLINEWORD;
    Send(window, EM_SETCHARFORMAT, SCF_SELECTION, &format);
  } else if (kind == TEXTCTL_TX) {
    std::array<unsigned char, 64> scratch{};
    Send(window, kTxSetEffects, TxEffectCodes(mask, effects), scratch.data());
  }
}

void TextCtl_Freeze(HWND window) {
  if (TextCtl_GetKind(window) == TEXTCTL_TX) {
    SendMessageA(window, kTxRedraw, kTxRedrawOff, 0);
  } else {
    LockWindowUpdate(window);
  }
}

void TextCtl_Unfreeze(HWND window) {
  if (TextCtl_GetKind(window) == TEXTCTL_TX) {
    SendMessageA(window, kTxRedraw, kTxRedrawOn, 0);
  } else {
    LockWindowUpdate(nullptr);
  }
}

int32_t TextCtl_GetTextRange(HWND window, int32_t first, int32_t last, char* buffer, int32_t size) {
  if (buffer == nullptr || size <= 0) return 0;
  buffer[0] = '\0';
  first = std::max(first, 0);
  // The window writes every character asked for: never ask for more than buffer holds.
  if (last < first || last - first > size - 1) last = first + size - 1;
  const TextCtlKind kind = TextCtl_GetKind(window);
  if (kind == TEXTCTL_RICHEDITW) return WideRange(window, first, last, buffer);
  if (kind == TEXTCTL_RICHEDIT1 || kind == TEXTCTL_RICHEDIT2A) {
    TEXTRANGEA range{{first, last}, buffer};
    return static_cast<int32_t>(Send(window, EM_GETTEXTRANGE, 0, &range));
  }
  return RangeThroughSelection(window, kind, first, last, buffer, size);
}

int32_t TextCtl_FindText(HWND window, const char* word, int32_t start) {
  const TextCtlKind kind = TextCtl_GetKind(window);
  if (kind == TEXTCTL_RICHEDITW) return WideFindText(window, word, start);
  if (kind == TEXTCTL_RICHEDIT1 || kind == TEXTCTL_RICHEDIT2A) {
    FINDTEXTA find{{start, -1}, word};
    return static_cast<int32_t>(Send(window, EM_FINDTEXT, FR_DOWN | FR_WHOLEWORD, &find));
  }
  if (kind == TEXTCTL_TX) {
    TxFindRecord record{kTxFindRecordSize, kTxFindKind, start, word};
    return static_cast<int32_t>(Send(window, kTxFindText, 0, &record));
  }
  return EditFindText(window, word, start);
}

}  // namespace trov
