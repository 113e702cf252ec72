// The class-object lookup and unload test every in-process server exports.
#include <windows.h>
#include <objbase.h>

#include "class_factory.h"
#include "module.h"
#include "vantor_ids.h"

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(clsid, CLSID_Vantor)) return CLASS_E_CLASSNOTAVAILABLE;
  return trov::TheControlClassFactory().QueryInterface(riid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return trov::ModuleHeld() ? S_FALSE : S_OK;
}
