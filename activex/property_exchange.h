// Where persisted values come from and go to: a property bag (named values, defaults left out)
// or a stream (every value in order, no names). Loading and saving walk the same table in the
// same order through these.
#ifndef VANTOR_PROPERTY_EXCHANGE_H
#define VANTOR_PROPERTY_EXCHANGE_H

#include <windows.h>
#include <ocidl.h>

#include <optional>
#include <vector>

#include "persisted_properties.h"

namespace trov {

class PropertyReader {
 public:
  virtual ~PropertyReader() = default;
  // The stored extent (HIMETRIC), if any; a failure for stored state that cannot be used.
  virtual HRESULT ReadHeader(std::optional<SIZEL>& extent) = 0;
  // The stored value of the next property, or none: the default applies.
  virtual std::optional<StoredValue> Read(const PersistedProperty& property) = 0;
};

class PropertyWriter {
 public:
  virtual ~PropertyWriter() = default;
  virtual HRESULT WriteHeader(SIZEL extent, uint16_t minorVersion) = 0;
  virtual HRESULT Write(const PersistedProperty& property, const StoredValue& value,
                        const StoredValue& defaultValue) = 0;
};

// A new control: nothing stored, every property takes its default.
class NoStoredValues final : public PropertyReader {
 public:
  HRESULT ReadHeader(std::optional<SIZEL>& extent) override {
    extent.reset();
    return S_OK;
  }
  std::optional<StoredValue> Read(const PersistedProperty&) override { return std::nullopt; }
};

class BagReader final : public PropertyReader {
 public:
  BagReader(IPropertyBag& bag, IErrorLog* log) : bag_(bag), log_(log) {}
  HRESULT ReadHeader(std::optional<SIZEL>& extent) override;
  std::optional<StoredValue> Read(const PersistedProperty& property) override;

 private:
  std::optional<int32_t> ReadLong(const wchar_t* name);

  IPropertyBag& bag_;
  IErrorLog* log_;
};

class BagWriter final : public PropertyWriter {
 public:
  explicit BagWriter(IPropertyBag& bag) : bag_(bag) {}
  HRESULT WriteHeader(SIZEL extent, uint16_t minorVersion) override;
  // A value equal to its default is left out.
  HRESULT Write(const PersistedProperty& property, const StoredValue& value,
                const StoredValue& defaultValue) override;

 private:
  HRESULT WriteLong(const wchar_t* name, int32_t value);

  IPropertyBag& bag_;
};

// Reads the whole stream form first, so a damaged or short stream changes nothing.
class StreamReader final : public PropertyReader {
 public:
  // Fails with the stream's error, or E_FAIL for a version or value that cannot be right.
  HRESULT ReadAll(IStream& stream);
  HRESULT ReadHeader(std::optional<SIZEL>& extent) override;
  std::optional<StoredValue> Read(const PersistedProperty& property) override;

 private:
  SIZEL extent_{};
  std::vector<StoredValue> values_;
  std::size_t next_ = 0;
};

class StreamWriter final : public PropertyWriter {
 public:
  explicit StreamWriter(IStream& stream) : stream_(stream) {}
  HRESULT WriteHeader(SIZEL extent, uint16_t minorVersion) override;
  HRESULT Write(const PersistedProperty& property, const StoredValue& value,
                const StoredValue& defaultValue) override;

 private:
  IStream& stream_;
};

// Bytes the stream form of the current values needs at most.
ULONGLONG StreamFormSizeMax();

}  // namespace trov

#endif  // VANTOR_PROPERTY_EXCHANGE_H
