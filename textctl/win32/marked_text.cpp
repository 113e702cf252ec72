#include "marked_text.h"

#include <algorithm>
#include <array>

#include "text_ctl_kind.h"
#include "trov_ext.h"

namespace trov {
namespace {

constexpr int32_t kWordReach = TROV_MAX_WORD;  // how far a word may reach from a position
constexpr unsigned char kApostrophe = 0x27;
constexpr unsigned char kRightQuote = 0x92;
constexpr unsigned char kPeriod = 0x2E;

// An abbreviation such as "e.g." has periods between word characters and no longer run of
// word characters.
bool HasRunOfThree(const std::string& word) {
  int run = 0;
  for (unsigned char c : word) {
    run = IsWordChar(c) ? run + 1 : 0;
    if (run >= 3) return true;
  }
  return false;
}

bool IsSpace(unsigned char c) { return (TROV_CharClassExt(c) & TROV_CHAR_SPACE) != 0; }

}  // namespace

int MarkingStyle::Effects() const {
  return (bold ? kEffectBold : 0) | (italics ? kEffectItalic : 0) |
         (underline ? kEffectUnderline : 0);
}

bool IsWordChar(unsigned char c) {
  return (TROV_CharClassExt(c) & (TROV_CHAR_LETTER | TROV_CHAR_DIGIT)) != 0;
}

bool IsWordish(unsigned char c) {
  return IsWordChar(c) || c == kApostrophe || c == kRightQuote || c == kPeriod;
}

bool MarkedText::HasFormats() const { return TextCtl_GetKind(window_) != TEXTCTL_EDIT; }

unsigned char MarkedText::CharAt(int32_t position) const {
  if (position < 0) return 0;
  std::array<char, 2> one{};
  return TextCtl_GetTextRange(window_, position, position + 1, one.data(),
                              static_cast<int32_t>(one.size())) == 1
             ? static_cast<unsigned char>(one[0])
             : 0;
}

void MarkedText::Select(int32_t a, int32_t b) const {
  if (a == b) {
    TextCtl_SelectChar(window_, a);
  } else {
    TextCtl_SetSel(window_, a, b);
  }
}

bool MarkedText::CarriesMarking(COLORREF colour, int effects) const {
  if (style_.changeColor && colour != style_.textColor) return false;
  return (effects & style_.Effects()) == style_.Effects();
}

bool MarkedText::IsMarked(int32_t a, int32_t b, bool wordOnly) const {
  if (!HasFormats() || a < 0) return false;
  KeptSelection kept(window_);
  for (int32_t i = a; i <= b; ++i) {
    TextCtl_SelectChar(window_, i);
    const unsigned char c = CharAt(i);
    if (c == 0) break;  // past the end: nothing there carries a format
    if (wordOnly && !IsWordish(c)) continue;
    if (CarriesMarking(TextCtl_GetTextColor(window_), TextCtl_GetEffects(window_))) return true;
  }
  return false;
}

void MarkedText::MarkRange(int32_t a, int32_t b) const {
  KeptSelection kept(window_);
  Select(a, b);
  const int effects = TextCtl_GetEffects(window_);
  if (style_.changeColor) TextCtl_SetTextColor(window_, style_.textColor);
  if (style_.Effects() != 0) {
    TextCtl_SetEffects(window_, style_.Effects(), effects | style_.Effects());
  }
  // What is typed after the word takes the format of its last character: the next one must
  // not carry the marking on.
  UnmarkRange(b, b);
}

void MarkedText::UnmarkRange(int32_t a, int32_t b) const {
  if (a < 0) return;
  KeptSelection kept(window_);
  Select(a, b);
  const COLORREF colour = TextCtl_GetTextColor(window_);
  const int effects = TextCtl_GetEffects(window_);
  if (!CarriesMarking(colour, effects)) return;
  if (style_.changeColor) TextCtl_SetTextColor(window_, NeighbourColour(a, b));
  if (style_.Effects() != 0) {
    TextCtl_SetEffects(window_, style_.Effects(), effects & ~style_.Effects());
  }
}

COLORREF MarkedText::NeighbourColour(int32_t a, int32_t b) const {
  KeptSelection kept(window_);
  const auto plain = [this](int32_t i) { return !IsSpace(CharAt(i)) && !IsMarkedAt(i); };
  int32_t found = -1;
  for (int32_t i = a; i >= 0 && found < 0; --i) {
    if (plain(i)) found = i;
  }
  const int32_t length = Length();
  for (int32_t i = b + 1; i < length && found < 0; ++i) {
    if (plain(i)) found = i;
  }
  if (found < 0) return RGB(0, 0, 0);
  TextCtl_SelectChar(window_, found);
  return TextCtl_GetTextColor(window_);
}

WindowWord MarkedText::WordAround(int32_t position) const {
  if (position < 0) return {};
  const int32_t first = std::max(position - kWordReach, 0);
  std::array<char, TROV_PROBLEM_BUFFER> text{};
  const int32_t read = TextCtl_GetTextRange(window_, first, position + kWordReach, text.data(),
                                            static_cast<int32_t>(text.size()));
  const auto at = [&](int32_t i) {
    return static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
  };
  int32_t i = std::min(position, first + read) - first;
  i = std::min(i, kWordReach);
  while (i > 0 && IsWordish(at(i - 1))) --i;
  while (i < read && !IsWordChar(at(i)) && at(i) != 0) ++i;
  WindowWord found;
  found.start = first + i;
  bool innerPeriod = false;
  for (int32_t j = i;
       j < read && IsWordish(at(j)) && found.word.size() < static_cast<std::size_t>(TROV_MAX_WORD);
       ++j) {
    if (at(j) == kPeriod && j > i && j + 1 < read && IsWordChar(at(j - 1)) &&
        IsWordChar(at(j + 1))) {
      innerPeriod = true;
    }
    found.word.push_back(static_cast<char>(at(j)));
  }
  const bool abbreviation = innerPeriod && !HasRunOfThree(found.word);
  if (!found.word.empty() && found.word.back() == '.' && !abbreviation) {
    while (!found.word.empty() && found.word.back() == '.') found.word.pop_back();
  }
  if (found.word.empty()) return {};
  return found;
}

WindowWord MarkedText::MarkedRunAround(int32_t position) const {
  if (!IsMarkedAt(position, true)) return {};
  int32_t start = position;
  while (start > 0 && position - start < kWordReach && IsMarkedAt(start - 1, true)) --start;
  int32_t end = position + 1;
  while (end - start < kWordReach && IsMarkedAt(end, true)) ++end;
  std::array<char, TROV_PROBLEM_BUFFER> text{};
  const int32_t read =
      TextCtl_GetTextRange(window_, start, end, text.data(), static_cast<int32_t>(text.size()));
  WindowWord run;
  run.word.assign(text.data(), static_cast<std::size_t>(std::max(read, 0)));
  run.start = start;
  return run;
}

}  // namespace trov
