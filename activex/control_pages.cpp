// ISpecifyPropertyPages of the control: the pages a design environment shows for it.
#include <algorithm>
#include <array>

#include "vantor_control.h"
#include "vantor_ids.h"

namespace trov {

HRESULT VantorControl::GetPages(CAUUID* pages) {
  if (pages == nullptr) return E_POINTER;
  static constexpr std::array kPages = {CLSID_VantorGeneralPage, CLSID_VantorDictionariesPage,
                                        CLSID_VantorSuggestionsPage};
  pages->cElems = 0;
  pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof kPages));
  if (pages->pElems == nullptr) return E_OUTOFMEMORY;
  std::copy(kPages.begin(), kPages.end(), pages->pElems);
  pages->cElems = kPages.size();
  return S_OK;
}

}  // namespace trov
