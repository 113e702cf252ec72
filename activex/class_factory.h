// A class object: creates instances of one of the module's classes for DllGetClassObject
// callers. Each class has its own, a static object whose references only hold the module.
#ifndef VANTOR_CLASS_FACTORY_H
#define VANTOR_CLASS_FACTORY_H

#include <windows.h>
#include <unknwn.h>

namespace trov {

class ClassFactory final : public IClassFactory {
 public:
  // Makes a new object and queries it for riid; the object may throw std::bad_alloc.
  using Creator = HRESULT (*)(REFIID riid, void** object);

  explicit ClassFactory(Creator create) : create_(create) {}
  ClassFactory(const ClassFactory&) = delete;
  ClassFactory& operator=(const ClassFactory&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  Creator create_;
};

}  // namespace trov

#endif  // VANTOR_CLASS_FACTORY_H
