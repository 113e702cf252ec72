// The control's property table in automation's terms: UTF-16 names and texts, VARIANT types.
#ifndef VANTOR_AUTOMATION_PROPERTIES_H
#define VANTOR_AUTOMATION_PROPERTIES_H

#include <windows.h>
#include <oaidl.h>

#include "control_properties.h"

namespace trov {

VARTYPE VariantTypeOf(PropertyType type);
// The row's name and saved default text, widened once and kept for the life of the module.
const wchar_t* AutomationName(const ControlProperty& property);
const wchar_t* AutomationDefaultText(const ControlProperty& property);

}  // namespace trov

#endif  // VANTOR_AUTOMATION_PROPERTIES_H
