// The type library embedded in this module (resource TYPELIB 1).
#ifndef VANTOR_TYPE_LIBRARY_H
#define VANTOR_TYPE_LIBRARY_H

#include <windows.h>
#include <oaidl.h>

namespace trov {

// Loads the library without registering it; the caller releases *library.
HRESULT LoadModuleTypeLib(ITypeLib** library);
// The type description of guid in that library; the caller releases *info.
HRESULT GetModuleTypeInfo(REFGUID guid, ITypeInfo** info);

}  // namespace trov

#endif  // VANTOR_TYPE_LIBRARY_H
