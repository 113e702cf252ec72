// The numbered messages and records of "tx" text controls, shared by the adapter and by whatever
// answers them. The records are laid out field by field; pointers and handles travel in the
// fields noted below.
#ifndef VANTOR_TX_MESSAGES_H
#define VANTOR_TX_MESSAGES_H

#include <windows.h>

#include <cstdint>

namespace trov {

inline constexpr UINT kTxGetTextLength = 0x470;
inline constexpr UINT kTxGetText = 0x4B3;
inline constexpr UINT kTxGetSel = 0x46C;
inline constexpr UINT kTxSetSel = 0x486;
inline constexpr UINT kTxReplaceSel = 0x4A9;
inline constexpr UINT kTxCharFromPos = 0x4BF;
inline constexpr UINT kTxGetTextColor = 0x47E;
inline constexpr UINT kTxSetTextColor = 0x490;
inline constexpr UINT kTxGetEffects = 0x466;
inline constexpr UINT kTxSetEffects = 0x482;
inline constexpr UINT kTxRedraw = 0x485;
inline constexpr UINT kTxGetSelText = 0x801;
inline constexpr UINT kTxFindText = 0x7FC;

inline constexpr WPARAM kTxRedrawOff = 0x80;
inline constexpr WPARAM kTxRedrawOn = 0x100;

// kTxGetEffects result bits and kTxSetEffects codes.
inline constexpr LRESULT kTxBoldBits = 0x404;
inline constexpr LRESULT kTxItalicBits = 0x808;
inline constexpr LRESULT kTxUnderlineBits = 0x30000;
inline constexpr LRESULT kTxStrikeoutBits = 0x2020;
inline constexpr WPARAM kTxSetBold = 0x4, kTxClearBold = 0x400;
inline constexpr WPARAM kTxSetItalic = 0x8, kTxClearItalic = 0x800;
inline constexpr WPARAM kTxSetUnderline = 0x10080, kTxClearUnderline = 0x20000;
inline constexpr WPARAM kTxSetStrikeout = 0x20, kTxClearStrikeout = 0x2000;

struct TxRange {  // kTxGetSel, kTxSetSel
  int32_t start;
  int32_t end;
};

struct TxPoint {  // kTxCharFromPos
  int32_t x;
  int32_t y;
};

struct TxColour {  // kTxGetTextColor
  uint32_t colour;
};

struct TxColourPair {  // kTxSetTextColor
  uint32_t colour;
  uint32_t mask;
};

// kTxFindText: the word pointer takes a whole pointer so the record works in 64-bit processes.
struct TxFindRecord {
  int32_t recordSize;
  int32_t kind;
  int32_t start;
  const char* word;
};
inline constexpr int32_t kTxFindRecordSize = 16;
inline constexpr int32_t kTxFindKind = 28;

// kTxGetSelText: a 48-byte record of packed fields; the window puts a global memory handle of the
// selected text, as a 32-bit value, at kTxSelTextHandleOffset.
inline constexpr std::size_t kTxSelTextRecordSize = 48;
inline constexpr std::size_t kTxSelTextHandleOffset = 14;

}  // namespace trov

#endif  // VANTOR_TX_MESSAGES_H
