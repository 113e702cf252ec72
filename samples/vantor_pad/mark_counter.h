// Counts the words background checking has marked in a rich edit: runs of text in the marking
// colour. Reading formats goes through the selection, so the walk goes run by run (a handful of
// messages per run, not one per character) and a slice at a time: a long document never stalls
// the editor. The window's selection, scroll position and notifications are left as they were.
#ifndef VANTOR_PAD_MARK_COUNTER_H
#define VANTOR_PAD_MARK_COUNTER_H

#include <windows.h>

namespace pad {

class MarkCounter {
 public:
  MarkCounter(HWND edit, COLORREF colour) : edit_(edit), colour_(colour) {}

  // Starts counting again from the start of the text.
  void Restart();
  // Walks on for about budgetMs milliseconds; true once the whole text is counted.
  bool Continue(DWORD budgetMs);
  bool complete() const { return complete_; }
  // The marked runs seen so far.
  long count() const { return count_; }
  // Where the first marked run starts; -1 while none has been seen.
  long firstMark() const { return firstMark_; }

 private:
  // Whether [start, end) has one colour; marked tells whether that is the marking colour.
  bool OneColour(long start, long end, bool& marked) const;
  // The end of the run of one colour that starts at start.
  long RunEnd(long start, long length, bool& marked) const;

  HWND edit_;
  COLORREF colour_;
  long position_ = 0;
  long count_ = 0;
  long firstMark_ = -1;
  bool complete_ = false;
};

}  // namespace pad

#endif  // VANTOR_PAD_MARK_COUNTER_H
