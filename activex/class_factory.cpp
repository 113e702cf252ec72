#include "class_factory.h"

#include <new>

#include "module.h"

namespace trov {

HRESULT ClassFactory::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG ClassFactory::AddRef() {
  HoldModule();
  return 2;
}

ULONG ClassFactory::Release() {
  ReleaseModule();
  return 1;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  try {
    return create_(riid, object);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  if (lock) {
    HoldModule();
  } else {
    ReleaseModule();
  }
  return S_OK;
}

}  // namespace trov
