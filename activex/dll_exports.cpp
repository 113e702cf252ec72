// The class-object lookup and unload test every in-process server exports.
#include <windows.h>
#include <objbase.h>

#include "module.h"
#include "server_classes.h"

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  IClassFactory* factory = trov::FindClassFactory(clsid);
  if (factory == nullptr) return CLASS_E_CLASSNOTAVAILABLE;
  return factory->QueryInterface(riid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return trov::ModuleHeld() ? S_FALSE : S_OK; }
