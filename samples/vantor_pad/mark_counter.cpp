#include "mark_counter.h"

#include <richedit.h>

#include "editor_text.h"

namespace pad {
namespace {

// Puts back the selection that reading formats moves, and keeps the host from hearing of it.
class QuietSelection {
 public:
  explicit QuietSelection(HWND edit) : edit_(edit), frozen_(edit) {
    mask_ = SendMessageW(edit_, EM_SETEVENTMASK, 0, 0);
    SendMessageW(edit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection_));
  }
  QuietSelection(const QuietSelection&) = delete;
  QuietSelection& operator=(const QuietSelection&) = delete;
  ~QuietSelection() {
    SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection_));
    SendMessageW(edit_, EM_SETEVENTMASK, 0, mask_);
  }

 private:
  HWND edit_;
  FrozenView frozen_;
  LRESULT mask_ = 0;
  CHARRANGE selection_{};
};

}  // namespace

void MarkCounter::Restart() {
  position_ = 0;
  count_ = 0;
  firstMark_ = -1;
  complete_ = false;
}

bool MarkCounter::OneColour(long start, long end, bool& marked) const {
  const CHARRANGE range{start, end};
  SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  SendMessageW(edit_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  // Over a selection of mixed colours the rich edit clears the colour bit of the mask.
  if ((format.dwMask & CFM_COLOR) == 0) return false;
  marked = (format.dwEffects & CFE_AUTOCOLOR) == 0 && format.crTextColor == colour_;
  return true;
}

long MarkCounter::RunEnd(long start, long length, bool& marked) const {
  OneColour(start, start + 1, marked);
  // Longer and longer spans until one holds two colours, then halving between the last
  // span of one colour and that one.
  long good = start + 1;
  long bad = length + 1;
  bool same = marked;
  for (long step = 1; good < length; step *= 2) {
    const long probe = good + step < length ? good + step : length;
    if (!OneColour(start, probe, same)) {
      bad = probe;
      break;
    }
    good = probe;
  }
  while (bad - good > 1 && good < length) {
    const long middle = good + (bad - good) / 2;
    if (OneColour(start, middle, same)) {
      good = middle;
    } else {
      bad = middle;
    }
  }
  return good;
}

bool MarkCounter::Continue(DWORD budgetMs) {
  if (complete_) return true;
  const long length = EditorLength(edit_);
  const DWORD began = GetTickCount();
  QuietSelection quiet(edit_);
  while (position_ < length && GetTickCount() - began < budgetMs) {
    bool marked = false;
    const long end = RunEnd(position_, length, marked);
    if (marked) {
      if (firstMark_ < 0) firstMark_ = position_;
      ++count_;
    }
    position_ = end;
  }
  complete_ = position_ >= length;
  return complete_;
}

}  // namespace pad
