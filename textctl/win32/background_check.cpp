// The three members of background checking and the incremental re-check: each notification
// compares the window with what it was last time and re-checks the word or words the change can
// have touched.
#include "background_check.h"

#include "background_state.h"

namespace trov {
namespace {

// The incremental re-check over one notification. Fields mirror the window now (length, selection)
// and at the last notification (the state's prevLength and prevCaret).
class Notification {
 public:
  explicit Notification(BackgroundState& state)
      : state_(state), checker_(state), text_(checker_.Text()) {}

  int32_t Run();

 private:
  unsigned char At(int32_t i) const { return text_.CharAt(i); }
  bool Wordish(int32_t i) const { return IsWordish(At(i)); }
  bool Marked(int32_t i) const { return text_.IsMarkedAt(i); }
  // Checks the word at or around i; the word checked.
  WindowWord CheckAt(int32_t i) {
    const WindowWord word = text_.WordAround(i);
    last_ = checker_.CheckAndMark(word);
    return word;
  }
  void OneTyped();
  void OneDeleted();
  void CaretMoved();
  // The word the typing touched, and the character before it when it is left out of the word.
  void Tail();

  BackgroundState& state_;
  WordChecker checker_;
  const MarkedText& text_;
  int32_t length_ = 0;  // L
  int32_t start_ = 0;   // S
  int32_t end_ = 0;     // E
  int32_t caret_ = 0;   // P
  int last_ = 0;
};

int32_t Notification::Run() {
  length_ = text_.Length();
  const TextSelection selection = text_.Selection();
  start_ = selection.start;
  end_ = selection.end;
  caret_ = state_.prevCaret;
  if (length_ == state_.prevLength && start_ == caret_) return 0;
  state_.busy = true;
  TextCtl_Freeze(state_.window);
  const int32_t delta = length_ - state_.prevLength;
  if (delta == 1 && start_ == caret_ + 1) {
    OneTyped();
  } else if (delta == -1) {
    OneDeleted();
  } else if (delta > 1) {
    checker_.RecheckBefore(delta);
  } else {
    CaretMoved();
  }
  // The window as it is now, automatic changes included: they are not the user's next change.
  state_.prevLength = text_.Length();
  state_.prevCaret = text_.Selection().start;
  TextCtl_Unfreeze(state_.window);
  state_.busy = false;
  return last_;
}

void Notification::OneTyped() {
  const int32_t p = caret_;
  const bool typedWordish = Wordish(p);
  const bool beforeWordish = Wordish(p - 1);
  if (typedWordish && beforeWordish) {
    if (Marked(p - 1) || Marked(p)) Tail();
    return;
  }
  if (typedWordish) {  // a new word begins after a separator
    if (!Marked(p)) return;
    if (p > 1 && Wordish(p - 2) && Marked(p - 2)) CheckAt(p - 1);
    Tail();
    return;
  }
  // A separator was typed: it takes no marking, and may end or split a word.
  if (Marked(p)) text_.UnmarkRange(p, p);
  if (!beforeWordish) return;
  if (Wordish(start_)) CheckAt(start_);
  Tail();
}

void Notification::Tail() {
  const WindowWord word = CheckAt(caret_);
  if (!word.empty() && word.end() <= caret_ - 1) text_.UnmarkRange(caret_ - 1, caret_ - 1);
}

void Notification::OneDeleted() {
  const int32_t s = start_;
  const bool beforeWordish = Wordish(s - 1);
  const bool afterWordish = Wordish(s);
  bool beforeMarked = Marked(s - 1);
  bool afterMarked = Marked(s);
  if (beforeMarked && !beforeWordish) {
    text_.UnmarkRange(s - 1, s - 1);
    beforeMarked = false;
  }
  if (afterMarked && !afterWordish) {
    text_.UnmarkRange(s, s);
    afterMarked = false;
  }
  if ((beforeWordish && (beforeMarked || (afterWordish && afterMarked))) ||
      (!beforeWordish && afterWordish && afterMarked)) {
    CheckAt(s);
  }
}

void Notification::CaretMoved() {
  if (start_ != end_ || start_ == caret_) return;
  const int32_t p = caret_;
  if (start_ == p + 1) {
    if (Wordish(p)) return;
    WindowWord word;
    if (Wordish(p - 1)) word = text_.WordAround(p);
    text_.UnmarkRange(p, p);
    if (!word.empty()) last_ = checker_.CheckAndMark(word);
    return;
  }
  if (start_ == p - 1) {
    if (Wordish(start_)) return;
    WindowWord word;
    const unsigned char at = At(p);
    if (IsWordChar(at) || at == '.') word = text_.WordAround(p);
    text_.UnmarkRange(start_, start_);
    if (!word.empty()) last_ = checker_.CheckAndMark(word);
    return;
  }
  // The caret jumped: the word it left is complete now.
  const WindowWord left = text_.WordAround(p);
  if (!left.empty() && (start_ < left.start || start_ > left.end())) {
    last_ = checker_.CheckAndMark(left);
  }
}

}  // namespace

BackgroundState& TheBackgroundState() {
  static BackgroundState state;
  return state;
}

int32_t CheckBackgroundNotify(const BackgroundCall& call) {
  BackgroundState& state = TheBackgroundState();
  if (state.busy) return 0;
  state.style = call.style;
  if (call.window != state.window) {
    // A window is registered once; the first notification only takes its measure.
    state.TakeOver(call.window, call.core, call.loop, call.userDictionary);
    state.prevCaret = TextCtl_GetSel(call.window).start;
    state.prevLength = TextCtl_GetTextLength(call.window);
    state.menuPos = -1;
  }
  return Notification(state).Run();
}

int32_t CheckBackgroundRecheck(const BackgroundCall& call) {
  BackgroundState& state = TheBackgroundState();
  state.TakeOver(call.window, call.core, call.loop, call.userDictionary);
  state.style = call.style;
  // Every word gets selected in turn: a visible window must not scroll and paint for each.
  TextCtl_Freeze(call.window);
  const TextSelection kept = TextCtl_GetSel(call.window);
  const int32_t length = TextCtl_GetTextLength(call.window);
  TextCtl_SetSel(call.window, length, length);
  if (length > 0) WordChecker(state).RecheckBefore(length);
  TextCtl_SetSel(call.window, kept.start, kept.end);
  TextCtl_Unfreeze(call.window);
  // The whole text is checked as it is now: the next notification compares with this, not with
  // whatever the window (perhaps another one) held at the last notification, which would have it
  // check all the text before the caret again.
  state.prevLength = TextCtl_GetTextLength(call.window);
  state.prevCaret = TextCtl_GetSel(call.window).start;
  return 0;
}

int32_t CheckBackgroundMenu(const BackgroundCall& call, int32_t x, int32_t y, HINSTANCE resources) {
  BackgroundState& state = TheBackgroundState();
  state.TakeOver(call.window, call.core, call.loop, call.userDictionary);
  const MarkedText text(state.window, state.style);
  const int32_t position = x == -1 ? y : TextCtl_CharFromPos(state.window, x, y);
  state.menuPos = position;
  if (position < 0) return TROV_ERR_NOT_FOUND;
  state.busy = true;
  state.menuCaret = TextCtl_GetSel(state.window).start;
  TextCtl_SetSel(state.window, position, position);
  const auto nothingToOffer = [&state] {
    state.busy = false;
    return 0;
  };
  if (text.HasFormats() && !text.IsMarkedAt(position, true)) return nothingToOffer();
  const WindowWord run =
      text.HasFormats() ? text.MarkedRunAround(position) : text.WordAround(position);
  if (run.empty()) return nothingToOffer();
  const WindowWord word = text.WordAround(position);
  if (word.empty() || WordChecker(state).CheckAndMark(word) == 0) return nothingToOffer();
  // A position given instead of a point opens the menu at that character.
  const POINT point = x == -1 ? TextCtl_PosFromChar(state.window, position) : POINT{x, y};
  TrackSuggestionMenu(state, word.word, point, resources);
  state.busy = false;
  return 1;
}

void ForgetBackgroundCore(const ControlCore& core) {
  BackgroundState& state = TheBackgroundState();
  if (state.core != &core) return;
  // The next call registers its window anew with a control that exists.
  state = BackgroundState{};
}

}  // namespace trov
