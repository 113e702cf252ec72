// The stream form: version (two 16-bit words), the extent (two 32-bit HIMETRIC values), then
// every property in table order: Booleans and shorts as 16 bits, longs as 32 bits, strings as a
// 32-bit count of UTF-16 units followed by the units. Little-endian throughout.
#include <cstring>
#include <new>

#include "property_exchange.h"

namespace trov {
namespace {

// No list the control keeps comes near this; a larger count marks a damaged stream.
constexpr uint32_t kMaxStoredTextUnits = 4096;

template <typename T>
HRESULT ReadExact(IStream& stream, T& value) {
  ULONG got = 0;
  const HRESULT result = stream.Read(&value, sizeof(value), &got);
  if (FAILED(result)) return result;
  return got == sizeof(value) ? S_OK : E_FAIL;
}

template <typename T>
HRESULT WriteExact(IStream& stream, const T& value) {
  ULONG put = 0;
  const HRESULT result = stream.Write(&value, sizeof(value), &put);
  if (FAILED(result)) return result;
  return put == sizeof(value) ? S_OK : STG_E_MEDIUMFULL;
}

HRESULT ReadValue(IStream& stream, VARTYPE type, StoredValue& value) {
  if (type == VT_I4) return ReadExact(stream, value.number);
  if (type != VT_BSTR) {
    int16_t number = 0;
    const HRESULT result = ReadExact(stream, number);
    value.number = type == VT_BOOL ? (number != 0 ? 1 : 0) : number;
    return result;
  }
  uint32_t units = 0;
  if (const HRESULT result = ReadExact(stream, units); FAILED(result)) return result;
  if (units > kMaxStoredTextUnits) return E_FAIL;
  value.text.resize(units);
  const ULONG bytes = units * sizeof(wchar_t);
  ULONG got = 0;
  const HRESULT result = stream.Read(value.text.data(), bytes, &got);
  if (FAILED(result)) return result;
  return got == bytes ? S_OK : E_FAIL;
}

}  // namespace

HRESULT StreamReader::ReadAll(IStream& stream) {
  uint16_t major = 0;
  uint16_t minor = 0;
  HRESULT result = ReadExact(stream, major);
  if (SUCCEEDED(result)) result = ReadExact(stream, minor);
  if (SUCCEEDED(result) && major != kPersistMajorVersion) result = E_FAIL;
  if (SUCCEEDED(result)) result = ReadExact(stream, extent_.cx);
  if (SUCCEEDED(result)) result = ReadExact(stream, extent_.cy);
  if (FAILED(result)) return result;
  try {
    values_.clear();
    for (const PersistedProperty& property : PersistedPropertiesOfForm(minor)) {
      StoredValue value;
      if (const HRESULT read = ReadValue(stream, property.type, value); FAILED(read)) return read;
      values_.push_back(std::move(value));
    }
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  next_ = 0;
  return S_OK;
}

HRESULT StreamReader::ReadHeader(std::optional<SIZEL>& extent) {
  extent.reset();
  if (extent_.cx > 0 && extent_.cy > 0) extent = extent_;
  return S_OK;
}

std::optional<StoredValue> StreamReader::Read(const PersistedProperty&) {
  if (next_ >= values_.size()) return std::nullopt;
  return values_[next_++];
}

HRESULT StreamWriter::WriteHeader(SIZEL extent, uint16_t minorVersion) {
  HRESULT result = WriteExact(stream_, kPersistMajorVersion);
  if (SUCCEEDED(result)) result = WriteExact(stream_, minorVersion);
  if (SUCCEEDED(result)) result = WriteExact(stream_, static_cast<int32_t>(extent.cx));
  if (SUCCEEDED(result)) result = WriteExact(stream_, static_cast<int32_t>(extent.cy));
  return result;
}

HRESULT StreamWriter::Write(const PersistedProperty& property, const StoredValue& value,
                            const StoredValue&) {
  if (property.type == VT_I4) return WriteExact(stream_, value.number);
  if (property.type != VT_BSTR) return WriteExact(stream_, static_cast<int16_t>(value.number));
  if (value.text.size() > kMaxStoredTextUnits) return E_FAIL;
  const auto units = static_cast<uint32_t>(value.text.size());
  if (const HRESULT result = WriteExact(stream_, units); FAILED(result)) return result;
  const ULONG bytes = units * sizeof(wchar_t);
  ULONG put = 0;
  const HRESULT result = stream_.Write(value.text.data(), bytes, &put);
  if (FAILED(result)) return result;
  return put == bytes ? S_OK : STG_E_MEDIUMFULL;
}

ULONGLONG StreamFormSizeMax() {
  ULONGLONG size = 2 * sizeof(uint16_t) + 2 * sizeof(int32_t);
  for (const PersistedProperty& property : PersistedProperties()) {
    if (property.type == VT_BSTR) {
      size += sizeof(uint32_t) + kMaxStoredTextUnits * sizeof(wchar_t);
    } else {
      size += property.type == VT_I4 ? sizeof(int32_t) : sizeof(int16_t);
    }
  }
  return size;
}

}  // namespace trov
