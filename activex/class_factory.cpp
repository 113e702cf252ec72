#include "class_factory.h"

#include <new>

#include "module.h"
#include "vantor_control.h"

namespace trov {

HRESULT ControlClassFactory::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG ControlClassFactory::AddRef() {
  HoldModule();
  return 2;
}

ULONG ControlClassFactory::Release() {
  ReleaseModule();
  return 1;
}

HRESULT ControlClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  VantorControl* control = nullptr;
  try {
    control = new VantorControl();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  // The query's reference is the only one left once the creation reference goes.
  const HRESULT result = control->QueryInterface(riid, object);
  control->Release();
  return result;
}

HRESULT ControlClassFactory::LockServer(BOOL lock) {
  if (lock) {
    HoldModule();
  } else {
    ReleaseModule();
  }
  return S_OK;
}

ControlClassFactory& TheControlClassFactory() {
  static ControlClassFactory factory;
  return factory;
}

}  // namespace trov
