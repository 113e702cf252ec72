// The word checks of background checking: one word at a time around the caret, every word of a
// pasted region, and every occurrence of a word whose verdict changed.
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>

#include "background_state.h"
#include "dialog_support.h"
#include "trov.h"
#include "trov_ext.h"

namespace trov {
namespace {

// Flags that make a word a problem worth marking.
constexpr int16_t kMarkedProblems = TROV_RESULT_MISSPELLED | TROV_RESULT_COND_CHANGE |
                                    TROV_RESULT_CAPITALIZATION | TROV_RESULT_MIXED_CASE |
                                    TROV_RESULT_MIXED_DIGITS;
constexpr int32_t kWordReach = TROV_MAX_WORD;

bool IsApostrophe(char c) { return c == '\'' || static_cast<unsigned char>(c) == 0x92; }

// A short word (no run of three word characters) keeps a final period: it is an abbreviation.
bool IsShort(const std::string& word) {
  int run = 0;
  for (unsigned char c : word) {
    run = IsWordChar(c) ? run + 1 : 0;
    if (run >= 3) return false;
  }
  return true;
}

// What the dictionaries judge: the word without a final apostrophe (unless it follows an s) and,
// for a word that is not an abbreviation, without a final period.
std::string Trimmed(const std::string& word) {
  const bool shortWord = IsShort(word);
  std::string trimmed = word;
  for (;;) {
    const std::size_t n = trimmed.size();
    if (n > 1 && IsApostrophe(trimmed[n - 1]) && trimmed[n - 2] != 's' && trimmed[n - 2] != 'S') {
      trimmed.pop_back();
    } else if (!shortWord && n > 0 && trimmed[n - 1] == '.') {
      trimmed.pop_back();
    } else {
      return trimmed;
    }
  }
}

}  // namespace

int16_t WordChecker::Check(const std::string& word, std::string& replacement) const {
  std::array<char, TROV_WORD_BUFFER> buffer{};
  int16_t flags =
      TROV_CheckText(state_.core->Session(), word.c_str(), buffer.data(), TROV_WORD_BUFFER);
  replacement = buffer.data();
  if (flags > 0 && (flags & TROV_RESULT_AUTO_CHANGE) && state_.core->AutoCorrect() == 0) {
    flags = static_cast<int16_t>((flags & ~TROV_RESULT_AUTO_CHANGE) | TROV_RESULT_COND_CHANGE);
  }
  return flags;
}

int WordChecker::CheckAndMark(const WindowWord& word) const {
  if (word.empty()) return 0;
  const auto n = static_cast<int32_t>(word.word.size());
  std::string replacement;
  const int16_t flags = Check(Trimmed(word.word), replacement);
  // A failed check (the control closed, say) says nothing about the word.
  if (flags < 0) return 0;
  if (flags & kMarkedProblems) {
    text_.MarkRange(word.start, word.end());
    return 1;
  }
  if (flags == 0) {
    text_.UnmarkRange(word.start, word.end());
    return 0;
  }
  if (flags == TROV_RESULT_AUTO_CHANGE) {
    HWND window = state_.window;
    const int32_t end = TextCtl_GetSel(window).end;
    TextCtl_SetSel(window, word.start, word.end());
    TextCtl_ReplaceSel(window, replacement.c_str());
    const int32_t caret = end + static_cast<int32_t>(replacement.size()) - n;
    TextCtl_SetSel(window, caret, caret);
  }
  return 0;
}

void WordChecker::RecheckBefore(int32_t count) const {
  HWND window = state_.window;
  const int32_t end = TextCtl_GetSel(window).end;
  const int32_t begin = std::max(end - count - kWordReach, 0);
  const int32_t length = end - begin;
  if (length <= 0) return;
  // Room for the automatic changes made in the copy as they are made in the window.
  const int32_t capacity = length + std::max(length / 5, 256);
  std::unique_ptr<char[]> text(new (std::nothrow) char[static_cast<std::size_t>(capacity)]);
  if (!text) return;
  int32_t filled = TextCtl_GetTextRange(window, begin, end, text.get(), length + 1);
  int32_t at = std::max(length - count, 0);
  while (at > 0 && IsWordish(static_cast<unsigned char>(text[at - 1]))) --at;

  WaitCursor wait;
  const int16_t session = state_.core->Session();
  std::array<char, TROV_WORD_BUFFER> word{};
  while (at >= 0 && at < filled) {
    at = TROV_GetStringWordExt(session, text.get(), filled, at, word.data(), TROV_WORD_BUFFER);
    if (at < 0) break;
    const auto wordLength = static_cast<int32_t>(std::strlen(word.data()));
    std::string replacement;
    const int16_t flags = Check(word.data(), replacement);
    const int32_t first = begin + at;
    int32_t advance = wordLength;
    if (flags < 0) {
      // Nothing is known of this word; go on to the next.
    } else if (flags & kMarkedProblems) {
      text_.MarkRange(first, first + wordLength);
    } else if (flags & TROV_RESULT_DOUBLED_WORD) {
      // Doubled words are a matter for the interactive check.
    } else if (flags & TROV_RESULT_AUTO_CHANGE) {
      TextCtl_SetSel(window, first, first + wordLength);
      TextCtl_ReplaceSel(window, replacement.c_str());
      TROV_DeleteText(session, text.get(), at, wordLength);
      filled = TROV_InsertText(session, text.get(), capacity, at, replacement.c_str());
      // A copy that no longer matches the window would mark the wrong characters.
      if (filled < 0) break;
      // The next word begins after the replacement, whatever its length.
      advance = static_cast<int32_t>(replacement.size());
    } else {
      text_.UnmarkRange(first, first + wordLength);
    }
    at += std::max(advance, 1);
  }
}

void WordChecker::RecheckOccurrences(const std::string& word) const {
  for (int32_t at = TextCtl_FindText(state_.window, word.c_str(), 0); at >= 0;) {
    const WindowWord found = text_.WordAround(at);
    CheckAndMark(found);
    at = TextCtl_FindText(state_.window, word.c_str(),
                          at + std::max<int32_t>(static_cast<int32_t>(found.word.size()), 1));
  }
}

}  // namespace trov
