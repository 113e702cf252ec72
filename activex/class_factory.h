// The class object of the control: creates control instances for DllGetClassObject callers.
#ifndef VANTOR_CLASS_FACTORY_H
#define VANTOR_CLASS_FACTORY_H

#include <windows.h>
#include <unknwn.h>

namespace trov {

class ControlClassFactory final : public IClassFactory {
 public:
  // IUnknown: one static instance per process; references only hold the module.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;
};

ControlClassFactory& TheControlClassFactory();

}  // namespace trov

#endif  // VANTOR_CLASS_FACTORY_H
