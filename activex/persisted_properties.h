// The properties a container saves and restores, in the one order both directions use (the
// stream form carries values without names), with their defaults: the saved rows of the
// control's property table in the types automation uses.
#ifndef VANTOR_PERSISTED_PROPERTIES_H
#define VANTOR_PERSISTED_PROPERTIES_H

#include <windows.h>
#include <oaidl.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace trov {

struct PersistedProperty {
  const wchar_t* name;
  DISPID id;     // the automation member that applies and reads the value
  VARTYPE type;  // VT_BOOL, VT_I2, VT_I4 or VT_BSTR
  int32_t defaultNumber;
  const wchar_t* defaultText;  // VT_BSTR rows only
};

// One persisted value: number for the numeric and Boolean rows (Booleans 0 or 1), text for the
// string rows.
struct StoredValue {
  int32_t number = 0;
  std::wstring text;

  bool operator==(const StoredValue&) const = default;
};

// Format version written first: major 1, then the minor version of the form. Form 1.0 holds the
// first kForm10Properties rows; form 1.1 adds the rows after them. A control saves the oldest form
// that holds its values, so a control that leaves the later rows at their defaults writes exactly
// the 1.0 form older readers expect; a 1.0 stream loads with the later rows at their defaults.
inline constexpr uint16_t kPersistMajorVersion = 1;
inline constexpr uint16_t kPersistNewestMinorVersion = 1;
inline constexpr size_t kForm10Properties = 35;
inline constexpr DISPID kUserDictionaryFilesId = 39;
// What a restricted control uses and saves as the user dictionary list default.
inline constexpr wchar_t kRestrictedUserDictionaryList[] = L"userdic.tlx";

std::span<const PersistedProperty> PersistedProperties();
// The rows that a form of this minor version holds, in order.
std::span<const PersistedProperty> PersistedPropertiesOfForm(uint16_t minorVersion);

StoredValue DefaultValue(const PersistedProperty& property);
// The value as the row's type; false when it cannot be converted.
bool StoredFromVariant(const PersistedProperty& property, const VARIANT& value, StoredValue& out);
// A new VARIANT of the row's type; the caller clears it. E_OUTOFMEMORY for a failed string.
HRESULT VariantFromStored(const PersistedProperty& property, const StoredValue& value,
                          VARIANT& out);

}  // namespace trov

#endif  // VANTOR_PERSISTED_PROPERTIES_H
