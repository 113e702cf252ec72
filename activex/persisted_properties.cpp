#include "persisted_properties.h"

#include <algorithm>
#include <vector>

#include "automation_properties.h"

namespace trov {

std::span<const PersistedProperty> PersistedProperties() {
  static const std::vector<PersistedProperty> rows = [] {
    std::vector<const ControlProperty*> saved;
    for (const ControlProperty& property : ControlProperties()) {
      if (property.persistOrder > 0) saved.push_back(&property);
    }
    std::sort(saved.begin(), saved.end(), [](const ControlProperty* a, const ControlProperty* b) {
      return a->persistOrder < b->persistOrder;
    });
    std::vector<PersistedProperty> ordered;
    for (const ControlProperty* property : saved) {
      ordered.push_back({AutomationName(*property), property->dispatchId,
                         VariantTypeOf(property->type), property->persistedDefault.number,
                         AutomationDefaultText(*property)});
    }
    return ordered;
  }();
  return rows;
}

std::span<const PersistedProperty> PersistedPropertiesOfForm(uint16_t minorVersion) {
  const std::span<const PersistedProperty> all = PersistedProperties();
  return minorVersion == 0 ? all.first(std::min(kForm10Properties, all.size())) : all;
}

StoredValue DefaultValue(const PersistedProperty& property) {
  if (property.type == VT_BSTR) return {0, property.defaultText};
  return {property.defaultNumber, {}};
}

bool StoredFromVariant(const PersistedProperty& property, const VARIANT& value, StoredValue& out) {
  VARIANT converted;
  VariantInit(&converted);
  if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value), 0, property.type)))
    return false;
  switch (property.type) {
    case VT_BOOL:
      out = {V_BOOL(&converted) != VARIANT_FALSE ? 1 : 0, {}};
      break;
    case VT_I2:
      out = {V_I2(&converted), {}};
      break;
    case VT_I4:
      out = {V_I4(&converted), {}};
      break;
    default:
      out = {0, std::wstring(V_BSTR(&converted), SysStringLen(V_BSTR(&converted)))};
      break;
  }
  VariantClear(&converted);
  return true;
}

HRESULT VariantFromStored(const PersistedProperty& property, const StoredValue& value,
                          VARIANT& out) {
  VariantInit(&out);
  V_VT(&out) = property.type;
  switch (property.type) {
    case VT_BOOL:
      V_BOOL(&out) = value.number != 0 ? VARIANT_TRUE : VARIANT_FALSE;
      return S_OK;
    case VT_I2:
      V_I2(&out) = static_cast<SHORT>(value.number);
      return S_OK;
    case VT_I4:
      V_I4(&out) = value.number;
      return S_OK;
    default:
      V_BSTR(&out) = SysAllocStringLen(value.text.data(), static_cast<UINT>(value.text.size()));
      if (V_BSTR(&out) != nullptr) return S_OK;
      V_VT(&out) = VT_EMPTY;
      return E_OUTOFMEMORY;
  }
}

}  // namespace trov
