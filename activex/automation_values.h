// VARIANT and BSTR values in and out of the dispatch handlers. Strings cross as UTF-16 and are
// the engine's 8-bit text in its selected character set inside the control.
#ifndef VANTOR_AUTOMATION_VALUES_H
#define VANTOR_AUTOMATION_VALUES_H

#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace trov {

// Arguments arrive already coerced to the member's declared types.
inline bool BoolArg(const VARIANT& value) { return V_BOOL(&value) != VARIANT_FALSE; }
inline int16_t ShortArg(const VARIANT& value) { return V_I2(&value); }
inline int32_t LongArg(const VARIANT& value) { return V_I4(&value); }
// A null BSTR is the empty string.
std::string TextArg(const VARIANT& value);

HRESULT SetBoolResult(VARIANT* result, bool value);
HRESULT SetShortResult(VARIANT* result, int16_t value);
HRESULT SetLongResult(VARIANT* result, int32_t value);
HRESULT SetTextResult(VARIANT* result, std::string_view text);

// text as a new BSTR in the selected character set, or null when memory runs out.
BSTR AllocText(std::string_view text);

}  // namespace trov

#endif  // VANTOR_AUTOMATION_VALUES_H
