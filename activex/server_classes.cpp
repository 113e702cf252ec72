#include "server_classes.h"

#include <array>

#include "class_factory.h"
#include "page_layouts.h"
#include "property_page.h"
#include "vantor_control.h"
#include "vantor_ids.h"

namespace trov {
namespace {

// The query takes its own reference; the creation reference goes with the call.
template <typename Object>
HRESULT QueryNew(Object* created, REFIID riid, void** object) {
  const HRESULT result = created->QueryInterface(riid, object);
  created->Release();
  return result;
}

HRESULT CreateControl(REFIID riid, void** object) {
  return QueryNew(new VantorControl(), riid, object);
}

template <const PageLayout& kLayout>
HRESULT CreatePage(REFIID riid, void** object) {
  return QueryNew(new PropertyPage(kLayout), riid, object);
}

// Process-wide by nature: class objects are static, one per class.
ClassFactory controlFactory(&CreateControl);
ClassFactory generalPageFactory(&CreatePage<kGeneralPage>);
ClassFactory dictionariesPageFactory(&CreatePage<kDictionariesPage>);
ClassFactory suggestionsPageFactory(&CreatePage<kSuggestionsPage>);

const std::array<ServerClass, 4> kClasses = {{
    {CLSID_Vantor, kVantorProgId, nullptr, true, controlFactory},
    {CLSID_VantorGeneralPage, kGeneralPageProgId, L"Vantor General Property Page", false,
     generalPageFactory},
    {CLSID_VantorDictionariesPage, kDictionariesPageProgId, L"Vantor Dictionaries Property Page",
     false, dictionariesPageFactory},
    {CLSID_VantorSuggestionsPage, kSuggestionsPageProgId, L"Vantor Suggestions Property Page",
     false, suggestionsPageFactory},
}};

}  // namespace

std::span<const ServerClass> ServerClasses() { return kClasses; }

IClassFactory* FindClassFactory(REFCLSID clsid) {
  for (const ServerClass& serverClass : kClasses) {
    if (IsEqualCLSID(clsid, serverClass.clsid)) return &serverClass.factory;
  }
  return nullptr;
}

}  // namespace trov
