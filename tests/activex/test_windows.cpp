#include "test_windows.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "tx_messages.h"

namespace trov::test {
namespace {

// What a tx window holds: its text, selection and format, in the simplest form that lets the
// adapter's messages be observed.
struct TxState {
  std::string text;
  long start = 0;
  long end = 0;
  uint32_t colour = 0x000000;
  LRESULT effectBits = 0;
  int freezes = 0;
};

TxState& StateOf(HWND window) {
  return *reinterpret_cast<TxState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void ApplyEffectCodes(TxState& state, WPARAM codes) {
  struct Code {
    WPARAM set;
    WPARAM cleared;
    LRESULT bits;
  };
  const Code table[] = {{kTxSetBold, kTxClearBold, 0x4},
                        {kTxSetItalic, kTxClearItalic, 0x8},
                        {kTxSetUnderline, kTxClearUnderline, 0x10000},
                        {kTxSetStrikeout, kTxClearStrikeout, 0x20}};
  for (const Code& code : table) {
    if ((codes & code.set) == code.set) state.effectBits |= code.bits;
    if ((codes & code.cleared) == code.cleared) state.effectBits &= ~code.bits;
  }
}

LRESULT CALLBACK TxWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new TxState));
    return DefWindowProcA(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    delete &StateOf(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return DefWindowProcA(window, message, wParam, lParam);
  }
  if (GetWindowLongPtrA(window, GWLP_USERDATA) == 0) {
    return DefWindowProcA(window, message, wParam, lParam);
  }
  TxState& state = StateOf(window);
  switch (message) {
    case WM_SETTEXT:
      state.text = reinterpret_cast<const char*>(lParam);
      state.start = state.end = 0;
      return TRUE;
    case kTxGetTextLength:
      return static_cast<LRESULT>(state.text.size());
    case kTxGetText: {
      const auto size = static_cast<std::size_t>(wParam);
      if (size == 0) return 0;
      const std::size_t count = std::min(size - 1, state.text.size());
      std::memcpy(reinterpret_cast<char*>(lParam), state.text.data(), count);
      reinterpret_cast<char*>(lParam)[count] = '\0';
      return static_cast<LRESULT>(count);
    }
    case kTxGetSel: {
      auto* range = reinterpret_cast<TxRange*>(lParam);
      range->start = state.start;
      range->end = state.end;
      return 0;
    }
    case kTxSetSel: {
      const auto* range = reinterpret_cast<const TxRange*>(lParam);
      const long size = static_cast<long>(state.text.size());
      state.start = std::clamp<long>(range->start, 0, size);
      state.end = std::clamp<long>(range->end, state.start, size);
      return 0;
    }
    case kTxReplaceSel: {
      const char* insert = reinterpret_cast<const char*>(lParam);
      state.text.replace(state.start, state.end - state.start, insert);
      state.start = state.end = state.start + static_cast<long>(std::strlen(insert));
      return 0;
    }
    case kTxCharFromPos: {
      // Eight pixels per character on one line.
      const auto* point = reinterpret_cast<const TxPoint*>(lParam);
      const long position = point->x / 8;
      return point->y < 16 && position < static_cast<long>(state.text.size()) ? position : -1;
    }
    case kTxGetTextColor:
      reinterpret_cast<TxColour*>(lParam)->colour = state.colour;
      return 1;
    case kTxSetTextColor:
      state.colour = reinterpret_cast<const TxColourPair*>(lParam)->colour;
      return 0;
    case kTxGetEffects:
      return state.effectBits;
    case kTxSetEffects:
      ApplyEffectCodes(state, wParam);
      return 0;
    case kTxRedraw:
      state.freezes += wParam == kTxRedrawOff ? 1 : -1;
      return 0;
    case kTxGetSelText: {
      const std::string selected = state.text.substr(state.start, state.end - state.start);
      HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, selected.size() + 1);
      std::memcpy(GlobalLock(memory), selected.c_str(), selected.size() + 1);
      GlobalUnlock(memory);
      const int32_t handle = HandleToLong(memory);
      std::memcpy(reinterpret_cast<unsigned char*>(lParam) + kTxSelTextHandleOffset, &handle,
                  sizeof(handle));
      return 0;
    }
    case kTxFindText: {
      const auto* record = reinterpret_cast<const TxFindRecord*>(lParam);
      if (record->recordSize != kTxFindRecordSize || record->kind != kTxFindKind) return -1;
      const std::size_t at = state.text.find(record->word, static_cast<std::size_t>(record->start));
      return at == std::string::npos ? -1 : static_cast<LRESULT>(at);
    }
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

// A text handed to a rich edit's stream-in in the pieces it asks for.
struct StreamSource {
  const std::string& text;
  std::size_t done;
};

DWORD CALLBACK StreamFromSource(DWORD_PTR cookie, LPBYTE bytes, LONG wanted, LONG* given) {
  auto& source = *reinterpret_cast<StreamSource*>(cookie);
  const std::size_t count =
      std::min(source.text.size() - source.done, static_cast<std::size_t>(wanted));
  std::memcpy(bytes, source.text.data() + source.done, count);
  source.done += count;
  *given = static_cast<LONG>(count);
  return 0;
}

}  // namespace

void RegisterTxClass(const char* className) {
  WNDCLASSA existing{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), className, &existing)) return;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = TxWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);
}

void LoadRichEditLibraries() {
  LoadLibraryA("riched32.dll");
  LoadLibraryA("riched20.dll");
}

TestWindow::TestWindow(const char* className, const std::string& text) {
  LoadRichEditLibraries();
  const DWORD style = WS_POPUP | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL;
  const bool wide = std::strcmp(className, "RichEdit20W") == 0;
  window_ = wide ? CreateWindowExW(0, L"RichEdit20W", L"", style, 0, 0, 400, 300, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr)
                 : CreateWindowExA(0, className, "", style, 0, 0, 400, 300, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
  // A host with long documents lifts the limit on what the user, and a replacement, may add.
  if (std::strcmp(className, "Edit") == 0) {
    SendMessageA(window_, EM_SETLIMITTEXT, 0, 0);  // 0: the edit control's largest limit
  } else if (_strnicmp(className, "RichEdit", 8) == 0) {
    SendMessageA(window_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  }
  if (wide) {
    SetWindowTextW(window_, std::wstring(text.begin(), text.end()).c_str());
  } else {
    SetWindowTextA(window_, text.c_str());
  }
}

void TestWindow::StreamIn(const std::string& text) {
  StreamSource source{text, 0};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = StreamFromSource;
  SendMessageA(window_, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
}

TestWindow::~TestWindow() {
  if (window_) DestroyWindow(window_);
}

std::string TestWindow::Text() const {
  const int length = GetWindowTextLengthA(window_);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  const int got = GetWindowTextA(window_, buffer.data(), length + 1);
  return std::string(buffer.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
}

void TestWindow::Selection(long& start, long& end) const {
  char className[64] = {};
  GetClassNameA(window_, className, sizeof(className));
  if (std::strncmp(className, "TX", 2) == 0) {
    TxRange range{};
    SendMessageA(window_, kTxGetSel, 0, reinterpret_cast<LPARAM>(&range));
    start = range.start;
    end = range.end;
    return;
  }
  if (std::strcmp(className, "Edit") == 0) {
    DWORD first = 0;
    DWORD last = 0;
    SendMessageA(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
                 reinterpret_cast<LPARAM>(&last));
    start = static_cast<long>(first);
    end = static_cast<long>(last);
    return;
  }
  CHARRANGE range{};
  SendMessageA(window_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  start = range.cpMin;
  end = range.cpMax;
}

}  // namespace trov::test
