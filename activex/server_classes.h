// The module's COM classes: the control and its three property pages, each with its own class
// object, ProgID and registry name. DllGetClassObject and the registration both read this list,
// so a class is added in one place.
#ifndef VANTOR_SERVER_CLASSES_H
#define VANTOR_SERVER_CLASSES_H

#include <windows.h>
#include <unknwn.h>

#include <span>

namespace trov {

struct ServerClass {
  const CLSID& clsid;
  const wchar_t* progId;
  // The class key's default value; null for the control, whose name is string resource 1.
  const wchar_t* name;
  // The control's registration carries its type library, flags and toolbox bitmap.
  bool isControl;
  IClassFactory& factory;
};

std::span<const ServerClass> ServerClasses();
// Null for a class the module does not serve.
IClassFactory* FindClassFactory(REFCLSID clsid);

}  // namespace trov

#endif  // VANTOR_SERVER_CLASSES_H
