#include "page_fields.h"

#include <oleauto.h>

#include <algorithm>
#include <cwctype>
#include <optional>
#include <string_view>
#include <vector>

namespace trov {
namespace {

// Beyond every range a field accepts, and small enough that ten times it still fits.
constexpr long long kBeyondAnyRange = 1'000'000'000'000LL;

std::wstring FieldText(HWND dialog, const PageField& field) {
  HWND control = GetDlgItem(dialog, field.controlId);
  std::vector<wchar_t> text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  const int length = GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
  return std::wstring(text.data(), static_cast<std::size_t>(std::max(length, 0)));
}

// A whole number with blanks around it allowed, as the platform reads one; a number too long to
// hold comes back beyond every range rather than wrapped into one.
std::optional<long long> ParseWholeNumber(std::wstring_view text) {
  while (!text.empty() && std::iswspace(text.front())) text.remove_prefix(1);
  while (!text.empty() && std::iswspace(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (const wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = std::min(value * 10 + (c - L'0'), kBeyondAnyRange);
  }
  return negative ? -value : value;
}

}  // namespace

void PrepareField(HWND dialog, const PageField& field) {
  if (field.kind == FieldKind::kText) {
    SendDlgItemMessageW(dialog, field.controlId, EM_LIMITTEXT, field.maximum, 0);
  }
}

void ShowFieldValue(HWND dialog, const PageField& field, const VARIANT& value) {
  const VARTYPE shown = field.kind == FieldKind::kCheckBox ? VT_BOOL
                        : field.kind == FieldKind::kText   ? VT_BSTR
                                                           : VT_I4;
  VARIANT converted;
  VariantInit(&converted);
  const bool valid =
      SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(&value), 0, shown));
  switch (field.kind) {
    case FieldKind::kCheckBox:
      CheckDlgButton(dialog, field.controlId,
                     valid && V_BOOL(&converted) != VARIANT_FALSE ? BST_CHECKED : BST_UNCHECKED);
      break;
    case FieldKind::kText:
      SetDlgItemTextW(dialog, field.controlId,
                      valid && V_BSTR(&converted) != nullptr ? V_BSTR(&converted) : L"");
      break;
    case FieldKind::kNumber:
      SetDlgItemTextW(dialog, field.controlId,
                      valid ? std::to_wstring(V_I4(&converted)).c_str() : L"");
      break;
  }
  VariantClear(&converted);
}

bool IsFieldChange(const PageField& field, WORD notification) {
  return field.kind == FieldKind::kCheckBox ? notification == BN_CLICKED
                                            : notification == EN_CHANGE;
}

std::wstring FieldRefusal(HWND dialog, const PageField& field) {
  if (field.kind != FieldKind::kNumber) return {};
  const std::optional<long long> number = ParseWholeNumber(FieldText(dialog, field));
  if (!number) return L"Please enter an integer.";
  if (*number >= field.minimum && *number <= field.maximum) return {};
  return L"Please enter an integer between " + std::to_wstring(field.minimum) + L" and " +
         std::to_wstring(field.maximum) + L".";
}

HRESULT ReadFieldValue(HWND dialog, const PageField& field, VARIANT* value) {
  VariantInit(value);
  switch (field.kind) {
    case FieldKind::kCheckBox:
      V_VT(value) = VT_BOOL;
      V_BOOL(value) =
          IsDlgButtonChecked(dialog, field.controlId) == BST_CHECKED ? VARIANT_TRUE : VARIANT_FALSE;
      return S_OK;
    case FieldKind::kText: {
      const std::wstring text = FieldText(dialog, field);
      V_VT(value) = VT_BSTR;
      V_BSTR(value) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
      return V_BSTR(value) != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    case FieldKind::kNumber: {
      const std::optional<long long> number = ParseWholeNumber(FieldText(dialog, field));
      if (!number || *number < field.minimum || *number > field.maximum) return E_INVALIDARG;
      V_VT(value) = VT_I4;
      V_I4(value) = static_cast<LONG>(*number);
      return S_OK;
    }
  }
  return E_UNEXPECTED;
}

}  // namespace trov
