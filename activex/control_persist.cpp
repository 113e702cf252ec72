// Persistence of the control: property bags, streams and storages all walk the persisted
// property table through the same automation handlers the host uses, so a loaded value reaches
// the core exactly as a host's set would.
#include <exception>
#include <new>
#include <span>
#include <vector>

#include "automation_values.h"
#include "com_ref.h"
#include "dispatch_table.h"
#include "guarded.h"
#include "native_path_style.h"
#include "path_conversion.h"
#include "property_exchange.h"
#include "vantor_control.h"
#include "vantor_ids.h"

namespace trov {
namespace {

constexpr wchar_t kStorageStreamName[] = L"Contents";

}  // namespace

// ---- Loading and saving through a reader or a writer ----

namespace {

HRESULT LoadFrom(VantorControl& control, PropertyReader& reader, SIZEL& extent) {
  std::optional<SIZEL> storedExtent;
  if (const HRESULT header = reader.ReadHeader(storedExtent); FAILED(header)) return header;
  if (storedExtent) extent = *storedExtent;
  for (const PersistedProperty& property : PersistedProperties()) {
    StoredValue value = reader.Read(property).value_or(DefaultValue(property));
    if (property.id == kUserDictionaryFilesId) {
      // A control marked safe keeps to the one user dictionary beside it, whatever was stored;
      // restricted mode refuses the property set, so the list goes to the core directly.
      if (control.SafetyOptions() != 0) value.text = kRestrictedUserDictionaryList;
      VARIANT text;
      if (const HRESULT made = VariantFromStored(property, value, text); FAILED(made)) return made;
      const std::string list = ExpandDictionaryList(
          kNativePathStyle, control.Core().UserDictionaryDirectory(), TextArg(text));
      VariantClear(&text);
      control.Core().SetErrorCode(control.Core().SetList(DictionaryKind::kUser, list));
      continue;
    }
    VARIANT applied;
    if (const HRESULT made = VariantFromStored(property, value, applied); FAILED(made)) {
      return made;
    }
    const HRESULT put = FindDispatchMember(property.id)->put(control, applied);
    VariantClear(&applied);
    if (FAILED(put)) return put;
  }
  control.ClearTextControlHWnd();
  return S_OK;
}

// The value to save and the default it is compared with.
HRESULT SavedValue(VantorControl& control, const PersistedProperty& property, StoredValue& value,
                   StoredValue& defaultValue) {
  defaultValue = DefaultValue(property);
  if (property.id == kUserDictionaryFilesId && control.SafetyOptions() != 0) {
    // Saved as the core holds it, full paths and all, against the restricted default.
    VARIANT full;
    VariantInit(&full);
    HRESULT result = SetTextResult(&full, control.Core().ListText(DictionaryKind::kUser));
    if (SUCCEEDED(result) && !StoredFromVariant(property, full, value)) result = E_FAIL;
    VariantClear(&full);
    defaultValue.text = kRestrictedUserDictionaryList;
    return result;
  }
  VARIANT current;
  VariantInit(&current);
  HRESULT result = FindDispatchMember(property.id)->call(control, {}, &current);
  if (SUCCEEDED(result) && !StoredFromVariant(property, current, value)) result = E_FAIL;
  VariantClear(&current);
  return result;
}

HRESULT SaveTo(VantorControl& control, PropertyWriter& writer, SIZEL extent) {
  const std::span<const PersistedProperty> properties = PersistedProperties();
  std::vector<StoredValue> values(properties.size());
  std::vector<StoredValue> defaults(properties.size());
  // The oldest form that holds every value that differs from its default.
  uint16_t minorVersion = 0;
  for (std::size_t i = 0; i < properties.size(); ++i) {
    if (const HRESULT read = SavedValue(control, properties[i], values[i], defaults[i]);
        FAILED(read)) {
      return read;
    }
    if (i >= kForm10Properties && values[i] != defaults[i]) {
      minorVersion = kPersistNewestMinorVersion;
    }
  }
  if (const HRESULT header = writer.WriteHeader(extent, minorVersion); FAILED(header)) {
    return header;
  }
  const std::size_t written = PersistedPropertiesOfForm(minorVersion).size();
  for (std::size_t i = 0; i < written; ++i) {
    if (const HRESULT result = writer.Write(properties[i], values[i], defaults[i]);
        FAILED(result)) {
      return result;
    }
  }
  return S_OK;
}

}  // namespace

void VantorControl::ResetProperties() {
  NoStoredValues defaults;
  LoadFrom(*this, defaults, extent_);
  propertiesInitialised_ = true;
  modified_ = false;
}

void VantorControl::EnsurePropertiesInitialised() {
  if (!propertiesInitialised_) ResetProperties();
}

// ---- IPersist ----

HRESULT VantorControl::GetClassID(CLSID* clsid) {
  if (clsid == nullptr) return E_POINTER;
  *clsid = CLSID_Vantor;
  return S_OK;
}

HRESULT VantorControl::IsDirty() { return modified_ ? S_OK : S_FALSE; }

// ---- IPersistPropertyBag and IPersistStreamInit ----

HRESULT VantorControl::InitNew() {
  return Guarded([&] {
    ResetProperties();
    return S_OK;
  });
}

HRESULT VantorControl::Load(IPropertyBag* bag, IErrorLog* log) {
  if (bag == nullptr) return E_POINTER;
  return Guarded([&] {
    BagReader reader(*bag, log);
    const HRESULT result = LoadFrom(*this, reader, extent_);
    propertiesInitialised_ = true;
    modified_ = false;
    return result;
  });
}

HRESULT VantorControl::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
  if (bag == nullptr) return E_POINTER;
  return Guarded([&] {
    EnsurePropertiesInitialised();
    BagWriter writer(*bag);
    const HRESULT result = SaveTo(*this, writer, extent_);
    if (SUCCEEDED(result) && clearDirty) modified_ = false;
    return result;
  });
}

HRESULT VantorControl::Load(IStream* stream) {
  if (stream == nullptr) return E_POINTER;
  return Guarded([&] {
    StreamReader reader;
    if (const HRESULT read = reader.ReadAll(*stream); FAILED(read)) return read;
    const HRESULT result = LoadFrom(*this, reader, extent_);
    propertiesInitialised_ = true;
    modified_ = false;
    return result;
  });
}

HRESULT VantorControl::Save(IStream* stream, BOOL clearDirty) {
  if (stream == nullptr) return E_POINTER;
  return Guarded([&] {
    EnsurePropertiesInitialised();
    StreamWriter writer(*stream);
    const HRESULT result = SaveTo(*this, writer, extent_);
    if (SUCCEEDED(result) && clearDirty) modified_ = false;
    return result;
  });
}

HRESULT VantorControl::GetSizeMax(ULARGE_INTEGER* size) {
  if (size == nullptr) return E_POINTER;
  size->QuadPart = StreamFormSizeMax();
  return S_OK;
}

// ---- IPersistStorage: the stream form in one stream of the storage ----

HRESULT VantorControl::InitNew(IStorage*) { return InitNew(); }

HRESULT VantorControl::Load(IStorage* storage) {
  if (storage == nullptr) return E_POINTER;
  ComRef<IStream> stream;
  const HRESULT opened = storage->OpenStream(kStorageStreamName, nullptr,
                                             STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.Put());
  if (FAILED(opened)) return opened;
  return Load(stream.Get());
}

HRESULT VantorControl::Save(IStorage* storage, BOOL) {
  if (storage == nullptr) return E_POINTER;
  ComRef<IStream> stream;
  const HRESULT created = storage->CreateStream(
      kStorageStreamName, STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0, stream.Put());
  if (FAILED(created)) return created;
  return Save(stream.Get(), TRUE);
}

HRESULT VantorControl::SaveCompleted(IStorage*) { return S_OK; }
HRESULT VantorControl::HandsOffStorage() { return S_OK; }

}  // namespace trov
