#include "automation_values.h"

#include "charset_codec.h"
#include "trov.h"

namespace trov {

std::string TextArg(const VARIANT& value) {
  const BSTR text = V_BSTR(&value);
  return WideToCharSet(TROV_GetCharSet(), std::wstring_view(text, SysStringLen(text)));
}

HRESULT SetBoolResult(VARIANT* result, bool value) {
  V_VT(result) = VT_BOOL;
  V_BOOL(result) = value ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT SetShortResult(VARIANT* result, int16_t value) {
  V_VT(result) = VT_I2;
  V_I2(result) = value;
  return S_OK;
}

HRESULT SetLongResult(VARIANT* result, int32_t value) {
  V_VT(result) = VT_I4;
  V_I4(result) = value;
  return S_OK;
}

BSTR AllocText(std::string_view text) {
  const std::wstring wide = CharSetToWide(TROV_GetCharSet(), text);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

HRESULT SetTextResult(VARIANT* result, std::string_view text) {
  const BSTR allocated = AllocText(text);
  if (allocated == nullptr) return E_OUTOFMEMORY;
  V_VT(result) = VT_BSTR;
  V_BSTR(result) = allocated;
  return S_OK;
}

}  // namespace trov
