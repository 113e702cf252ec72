// The characters of a host's text window as background checking sees them: which of them carry
// the marking of a problem word, marking and unmarking ranges, and the word around a position.
// Everything goes through the text-control adapter one character at a time, so the cost of an
// operation is the few characters it looks at, never the length of the text. Every operation
// puts the window's selection back as it found it.
#ifndef VANTOR_MARKED_TEXT_H
#define VANTOR_MARKED_TEXT_H

#include <windows.h>

#include <cstdint>
#include <string>

#include "text_ctl.h"

namespace trov {

// What a problem word looks like: a text colour and/or effects. With nothing chosen every
// character counts as marked.
struct MarkingStyle {
  bool changeColor = false;
  bool bold = false;
  bool italics = false;
  bool underline = false;
  COLORREF textColor = 0;

  int Effects() const;  // the chosen effects as text-control effect bits
};

// A word of the window and where it starts; start -1 and an empty word when there is none.
struct WindowWord {
  std::string word;
  int32_t start = -1;

  bool empty() const { return word.empty(); }
  int32_t end() const { return start + static_cast<int32_t>(word.size()); }
};

// Character classes in the engine's selected character set.
bool IsWordChar(unsigned char c);  // a letter or a digit
// A word character, an apostrophe (straight or typographic) or a period.
bool IsWordish(unsigned char c);

class MarkedText {
 public:
  MarkedText(HWND window, const MarkingStyle& style) : window_(window), style_(style) {}

  HWND Window() const { return window_; }
  // Rich edits and tx windows carry formats; a plain edit window carries none.
  bool HasFormats() const;
  int32_t Length() const { return TextCtl_GetTextLength(window_); }
  TextSelection Selection() const { return TextCtl_GetSel(window_); }
  // The character at position, 0 outside the text.
  unsigned char CharAt(int32_t position) const;

  // Whether a character of [a, b] (b included) carries the whole marking; with wordOnly,
  // characters that are not word-ish do not count. Always false for a plain edit window.
  bool IsMarked(int32_t a, int32_t b, bool wordOnly) const;
  bool IsMarkedAt(int32_t position, bool wordOnly = false) const {
    return IsMarked(position, position, wordOnly);
  }
  // Marks [a, b) (the character at a when a = b); the character after it loses any marking.
  void MarkRange(int32_t a, int32_t b) const;
  // Takes the marking off [a, b) when the whole range carries it; the colour becomes that of the
  // nearest unmarked character.
  void UnmarkRange(int32_t a, int32_t b) const;
  // The colour of the nearest character before a (else after b) that is neither a space nor
  // marked; black when there is none.
  COLORREF NeighbourColour(int32_t a, int32_t b) const;

  // The word at or around position, at most 80 characters, with an abbreviation's final period.
  WindowWord WordAround(int32_t position) const;
  // The run of marked word-ish characters around position, at most 80; none when the character
  // at position is not marked.
  WindowWord MarkedRunAround(int32_t position) const;

 private:
  bool CarriesMarking(COLORREF colour, int effects) const;
  void Select(int32_t a, int32_t b) const;

  HWND window_;
  MarkingStyle style_;
};

// Puts a window's selection back when it goes out of scope.
class KeptSelection {
 public:
  explicit KeptSelection(HWND window) : window_(window), kept_(TextCtl_GetSel(window)) {}
  KeptSelection(const KeptSelection&) = delete;
  KeptSelection& operator=(const KeptSelection&) = delete;
  ~KeptSelection() { TextCtl_SetSel(window_, kept_.start, kept_.end); }

 private:
  HWND window_;
  TextSelection kept_;
};

}  // namespace trov

#endif  // VANTOR_MARKED_TEXT_H
