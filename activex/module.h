// This module as a COM server: its instance handle, its path, and the count of live objects and
// server locks that decides whether it may be unloaded.
#ifndef VANTOR_MODULE_H
#define VANTOR_MODULE_H

#include <windows.h>

#include <string>

namespace trov {

HINSTANCE ModuleInstance();
std::wstring ModuleFilePath();
// The module's directory in the engine's 8-bit file-name form, without the last backslash.
std::string ModuleDirectory();
// String resource id of this module; empty when it is missing.
std::wstring ModuleString(UINT id);

// Every live COM object and every IClassFactory::LockServer(TRUE) holds the module.
void HoldModule();
void ReleaseModule();
bool ModuleHeld();

}  // namespace trov

#endif  // VANTOR_MODULE_H
