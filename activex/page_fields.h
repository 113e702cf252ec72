// A property page's fields and the values they hold: what a control shows for a property value,
// what it gives back, and which entries the page refuses.
#ifndef VANTOR_PAGE_FIELDS_H
#define VANTOR_PAGE_FIELDS_H

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "page_layouts.h"

namespace trov {

// Sets up the field's control once its dialog exists: a text field's length limit.
void PrepareField(HWND dialog, const PageField& field);
// Shows a property's value; one that cannot be converted leaves the field empty.
void ShowFieldValue(HWND dialog, const PageField& field, const VARIANT& value);
// True when the control's notification code means the user changed the field.
bool IsFieldChange(const PageField& field, WORD notification);
// The platform's message for an entry the page does not accept (a number field that holds no
// whole number, or one outside its range); empty when the entry is fine.
std::wstring FieldRefusal(HWND dialog, const PageField& field);
// The field's value as the property takes it; fails for an entry FieldRefusal refuses.
HRESULT ReadFieldValue(HWND dialog, const PageField& field, VARIANT* value);

}  // namespace trov

#endif  // VANTOR_PAGE_FIELDS_H
