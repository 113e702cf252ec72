// The pop-up menu of background checking on a marked word: its suggestions, Ignore All and Add,
// and what each choice does to the window and the dictionaries.
#include <algorithm>

#include "background_state.h"
#include "dialog_ids.h"

namespace trov {
namespace {

constexpr int kSuggestionSlots = IDM_LAST_SUGGESTION - IDM_FIRST_SUGGESTION + 1;
// The menu offers only close suggestions.
constexpr int16_t kMenuScoreRange = 10;

// Shows the arrow cursor while the menu is up and puts the previous one back.
class ArrowCursor {
 public:
  ArrowCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_ARROW))) { ShowCursor(TRUE); }
  ArrowCursor(const ArrowCursor&) = delete;
  ArrowCursor& operator=(const ArrowCursor&) = delete;
  ~ArrowCursor() {
    ShowCursor(FALSE);
    SetCursor(previous_);
  }

 private:
  HCURSOR previous_;
};

// Where the caret goes after the word [start, end) became replacement: it keeps its place in the
// text around the word.
int32_t CaretAfterReplacing(int32_t caret, int32_t start, int32_t end, int32_t newLength) {
  if (caret >= end) return caret + newLength - (end - start);
  if (caret > start) return start + newLength;
  return caret;
}

void ReplaceWithSuggestion(BackgroundState& state, const std::string& suggestion) {
  const MarkedText text(state.window, state.style);
  const WindowWord word =
      text.HasFormats() ? text.MarkedRunAround(state.menuPos) : text.WordAround(state.menuPos);
  if (word.empty()) return;
  text.UnmarkRange(word.start, word.end());
  TextCtl_SetSel(state.window, word.start, word.end());
  TextCtl_ReplaceSel(state.window, suggestion.c_str());
  const int32_t caret = CaretAfterReplacing(state.menuCaret, word.start, word.end(),
                                            static_cast<int32_t>(suggestion.size()));
  TextCtl_SetSel(state.window, caret, caret);
  state.prevCaret = caret;
  state.prevLength = TextCtl_GetTextLength(state.window);
}

void IgnoreAll(const BackgroundState& state) {
  const WindowWord word = MarkedText(state.window, state.style).WordAround(state.menuPos);
  if (word.empty()) return;
  ControlCore& core = *state.core;
  if (TROV_AddToLex(core.Session(), core.TempLexicon(), word.word.c_str(), 'i', nullptr) >= 0) {
    WordChecker(state).RecheckOccurrences(word.word);
  }
}

void AddToUserDictionary(const BackgroundState& state) {
  const WindowWord word = MarkedText(state.window, state.style).WordAround(state.menuPos);
  if (word.empty()) return;
  if (state.core->AddToUserDictionary(state.userDictionary.c_str(), word.word.c_str(), 'i', "") >=
      0) {
    WordChecker(state).RecheckOccurrences(word.word);
  }
}

}  // namespace

void TrackSuggestionMenu(BackgroundState& state, const std::string& word, POINT clientPoint,
                         HINSTANCE resources) {
  HMENU menu = LoadMenuA(resources, MAKEINTRESOURCEA(IDM_SUGGESTIONS));
  if (menu == nullptr) return;
  HMENU popup = GetSubMenu(menu, 0);
  ArrowCursor arrow;
  state.core->SetSuggestionScoreRange(kMenuScoreRange);
  CheckLoop& loop = *state.loop;
  loop.SuggestFor(word.c_str());
  const int offered = std::min<int>(loop.SuggestionCount(), kSuggestionSlots);
  for (int i = 0; i < offered; ++i) {
    ModifyMenuA(popup, IDM_FIRST_SUGGESTION + i, MF_BYCOMMAND | MF_STRING, IDM_FIRST_SUGGESTION + i,
                loop.Suggestion(static_cast<int16_t>(i)).c_str());
  }
  for (int id = IDM_FIRST_SUGGESTION + offered; id <= IDM_LAST_SUGGESTION; ++id) {
    DeleteMenu(popup, static_cast<UINT>(id), MF_BYCOMMAND);
  }
  if (state.userDictionary.empty()) DeleteMenu(popup, IDM_ADD, MF_BYCOMMAND);

  ClientToScreen(state.window, &clientPoint);
  const int command = static_cast<int>(
      TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN,
                     clientPoint.x, clientPoint.y, 0, state.window, nullptr));
  if (command >= IDM_FIRST_SUGGESTION && command < IDM_FIRST_SUGGESTION + offered) {
    ReplaceWithSuggestion(state,
                          loop.Suggestion(static_cast<int16_t>(command - IDM_FIRST_SUGGESTION)));
  } else if (command == IDM_IGNORE_ALL) {
    IgnoreAll(state);
  } else if (command == IDM_ADD) {
    AddToUserDictionary(state);
  } else {
    TextCtl_SetSel(state.window, state.menuCaret, state.menuCaret);
  }
  DestroyMenu(menu);
}

}  // namespace trov
