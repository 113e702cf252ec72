// The three property pages as data: each page's dialog and title, and for each field the
// control that shows it, the control property it is bound to (by name, through the objects'
// IDispatch) and what it accepts.
#ifndef VANTOR_PAGE_LAYOUTS_H
#define VANTOR_PAGE_LAYOUTS_H

#include <span>

namespace trov {

enum class FieldKind { kCheckBox, kText, kNumber };

struct PageField {
  int controlId;
  const wchar_t* property;
  FieldKind kind;
  int minimum;  // numbers: the accepted range
  int maximum;  // numbers: the accepted range; texts: the most characters
};

struct PageLayout {
  int dialogId;
  int titleId;                        // string resource
  std::span<const PageField> fields;  // in the dialog's order, top to bottom
};

extern const PageLayout kGeneralPage;
extern const PageLayout kDictionariesPage;
extern const PageLayout kSuggestionsPage;

}  // namespace trov

#endif  // VANTOR_PAGE_LAYOUTS_H
