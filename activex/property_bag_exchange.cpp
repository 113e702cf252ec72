// The property-bag form: the version and the extent under names of their own, then each
// property by name.
#include "property_exchange.h"

namespace trov {
namespace {

constexpr wchar_t kVersionName[] = L"_Version";
constexpr wchar_t kExtentXName[] = L"_ExtentX";
constexpr wchar_t kExtentYName[] = L"_ExtentY";

}  // namespace

std::optional<int32_t> BagReader::ReadLong(const wchar_t* name) {
  VARIANT value;
  VariantInit(&value);
  V_VT(&value) = VT_I4;
  std::optional<int32_t> result;
  if (SUCCEEDED(bag_.Read(name, &value, log_))) {
    VARIANT converted;
    VariantInit(&converted);
    if (SUCCEEDED(VariantChangeType(&converted, &value, 0, VT_I4))) result = V_I4(&converted);
    VariantClear(&converted);
  }
  VariantClear(&value);
  return result;
}

HRESULT BagReader::ReadHeader(std::optional<SIZEL>& extent) {
  extent.reset();
  // A bag without a version was written by a container that never saved one: take it as 1.0.
  if (const auto version = ReadLong(kVersionName);
      version && (*version >> 16) != kPersistMajorVersion) {
    return E_FAIL;
  }
  const auto x = ReadLong(kExtentXName);
  const auto y = ReadLong(kExtentYName);
  if (x && y && *x > 0 && *y > 0) extent = SIZEL{*x, *y};
  return S_OK;
}

std::optional<StoredValue> BagReader::Read(const PersistedProperty& property) {
  VARIANT value;
  VariantInit(&value);
  V_VT(&value) = property.type;
  std::optional<StoredValue> result;
  if (SUCCEEDED(bag_.Read(property.name, &value, log_))) {
    StoredValue stored;
    if (StoredFromVariant(property, value, stored)) result = std::move(stored);
  }
  VariantClear(&value);
  return result;
}

HRESULT BagWriter::WriteLong(const wchar_t* name, int32_t number) {
  VARIANT value;
  VariantInit(&value);
  V_VT(&value) = VT_I4;
  V_I4(&value) = number;
  return bag_.Write(name, &value);
}

HRESULT BagWriter::WriteHeader(SIZEL extent, uint16_t minorVersion) {
  HRESULT result = WriteLong(kVersionName, (kPersistMajorVersion << 16) | minorVersion);
  if (SUCCEEDED(result)) result = WriteLong(kExtentXName, extent.cx);
  if (SUCCEEDED(result)) result = WriteLong(kExtentYName, extent.cy);
  return result;
}

HRESULT BagWriter::Write(const PersistedProperty& property, const StoredValue& value,
                         const StoredValue& defaultValue) {
  if (value == defaultValue) return S_OK;
  VARIANT variant;
  HRESULT result = VariantFromStored(property, value, variant);
  if (SUCCEEDED(result)) result = bag_.Write(property.name, &variant);
  VariantClear(&variant);
  return result;
}

}  // namespace trov
