// A property page of the control: a child dialog that a property frame (or any host of pages)
// shows in its own window. Its fields show the properties of the objects it is given, read
// through their IDispatch, and Apply writes the fields the user changed back to every object.
// The three pages differ only in their layout (page_layouts.h).
#ifndef VANTOR_PROPERTY_PAGE_H
#define VANTOR_PROPERTY_PAGE_H

#include <windows.h>
#include <ocidl.h>

#include <atomic>
#include <vector>

#include "com_ref.h"
#include "page_layouts.h"

namespace trov {

class PropertyPage final : public IPropertyPage2 {
 public:
  // Created with one reference (the creator's).
  explicit PropertyPage(const PageLayout& layout);
  PropertyPage(const PropertyPage&) = delete;
  PropertyPage& operator=(const PropertyPage&) = delete;

  // ---- IUnknown ----
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // ---- IPropertyPage ----
  HRESULT STDMETHODCALLTYPE SetPageSite(IPropertyPageSite* site) override;
  HRESULT STDMETHODCALLTYPE Activate(HWND parent, LPCRECT rect, BOOL modal) override;
  HRESULT STDMETHODCALLTYPE Deactivate() override;
  HRESULT STDMETHODCALLTYPE GetPageInfo(PROPPAGEINFO* info) override;
  HRESULT STDMETHODCALLTYPE SetObjects(ULONG count, IUnknown** objects) override;
  HRESULT STDMETHODCALLTYPE Show(UINT command) override;
  HRESULT STDMETHODCALLTYPE Move(LPCRECT rect) override;
  HRESULT STDMETHODCALLTYPE IsPageDirty() override;
  HRESULT STDMETHODCALLTYPE Apply() override;
  HRESULT STDMETHODCALLTYPE Help(LPCOLESTR helpDirectory) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* msg) override;

  // ---- IPropertyPage2 ----
  HRESULT STDMETHODCALLTYPE EditProperty(DISPID id) override;

 private:
  ~PropertyPage();

  static INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int controlId, WORD notification);
  // Shows the first object's values; the page is clean afterwards.
  void LoadFields();
  // True when the page refuses a changed field: the user is told why and put back into it.
  bool RefuseChangedField();
  HRESULT WriteChangedFields();

  std::atomic<ULONG> refs_{1};
  const PageLayout& layout_;
  ComRef<IPropertyPageSite> site_;
  std::vector<ComRef<IDispatch>> objects_;
  std::vector<DISPID> ids_;    // each field's property in the objects' dispatch ids
  std::vector<bool> changed_;  // the fields the user changed since they were loaded
  HWND window_ = nullptr;      // while active
  bool loading_ = false;       // the page itself is filling the fields
};

}  // namespace trov

#endif  // VANTOR_PROPERTY_PAGE_H
