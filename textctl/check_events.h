// What the check loop reports to its owner. The event values are the dispatch ids of the control's
// event interface, so the automation layer fires them as they come.
#ifndef VANTOR_CHECK_EVENTS_H
#define VANTOR_CHECK_EVENTS_H

#include <cstdint>

namespace trov {

enum class CheckEvent : int32_t {
  kMisspelledWord = 1,
  kWordWithDigits = 2,
  kMixedCaseWord = 3,
  kDoubledWord = 4,
  kCapitalization = 5,
  kConditionallyChangeWord = 6,
  kEndOfText = 7,
  kUndoChange = 8,
  kReplaceWord = 9,
  kDeleteWord = 10,  // the only event with an argument: the offset
};

class CheckListener {
 public:
  virtual ~CheckListener() = default;
  // Fired synchronously inside the call that causes it; offset is meaningful for kDeleteWord only.
  virtual void OnCheckEvent(CheckEvent event, int32_t offset) = 0;
  // An automatic replacement did not fit the text copy: the owner tells the user ("Can't replace
  // word; probably out of space") before the loop ends as at the end of the text.
  virtual void OnReplaceOutOfSpace() = 0;
};

}  // namespace trov

#endif  // VANTOR_CHECK_EVENTS_H
