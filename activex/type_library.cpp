#include "type_library.h"

#include <oleauto.h>

#include "module.h"

namespace trov {

HRESULT LoadModuleTypeLib(ITypeLib** library) {
  if (library == nullptr) return E_POINTER;
  *library = nullptr;
  return LoadTypeLibEx(ModuleFilePath().c_str(), REGKIND_NONE, library);
}

HRESULT GetModuleTypeInfo(REFGUID guid, ITypeInfo** info) {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  ITypeLib* library = nullptr;
  const HRESULT loaded = LoadModuleTypeLib(&library);
  if (FAILED(loaded)) return loaded;
  const HRESULT found = library->GetTypeInfoOfGuid(guid, info);
  library->Release();
  return found;
}

}  // namespace trov
