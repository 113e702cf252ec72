#include "property_page.h"

#include <olectl.h>

#include <algorithm>
#include <string>
#include <utility>

#include "dialog_ids.h"
#include "dialog_template_size.h"
#include "guarded.h"
#include "module.h"
#include "page_fields.h"

namespace trov {
namespace {

HRESULT GetProperty(IDispatch* object, DISPID id, VARIANT* value) {
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value,
                        nullptr, nullptr);
}

HRESULT PutProperty(IDispatch* object, DISPID id, VARIANT* value) {
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{value, &named, 1, 1};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters,
                        nullptr, nullptr, nullptr);
}

LPOLESTR TaskMemoryCopy(const std::wstring& text) {
  auto* copy = static_cast<LPOLESTR>(CoTaskMemAlloc((text.size() + 1) * sizeof(OLECHAR)));
  if (copy != nullptr) std::copy(text.c_str(), text.c_str() + text.size() + 1, copy);
  return copy;
}

}  // namespace

PropertyPage::PropertyPage(const PageLayout& layout)
    : layout_(layout),
      ids_(layout.fields.size(), DISPID_UNKNOWN),
      changed_(layout.fields.size(), false) {
  HoldModule();
}

PropertyPage::~PropertyPage() {
  if (window_ != nullptr) DestroyWindow(window_);
  ReleaseModule();
}

HRESULT PropertyPage::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPropertyPage) ||
      IsEqualIID(riid, IID_IPropertyPage2)) {
    *object = static_cast<IPropertyPage2*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG PropertyPage::AddRef() { return ++refs_; }

ULONG PropertyPage::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT PropertyPage::SetPageSite(IPropertyPageSite* site) {
  site_ = ComRef<IPropertyPageSite>::Share(site);
  return S_OK;
}

HRESULT PropertyPage::Activate(HWND parent, LPCRECT rect, BOOL) {
  if (rect == nullptr) return E_POINTER;
  if (window_ != nullptr) return E_UNEXPECTED;
  window_ = CreateDialogParamW(ModuleInstance(), MAKEINTRESOURCEW(layout_.dialogId), parent,
                               &DialogProcedure, reinterpret_cast<LPARAM>(this));
  if (window_ == nullptr) return E_OUTOFMEMORY;
  for (const PageField& field : layout_.fields) PrepareField(window_, field);
  Move(rect);
  return Guarded([&] {
    LoadFields();
    return S_OK;
  });
}

// Entries not yet applied go with the window.
HRESULT PropertyPage::Deactivate() {
  if (window_ == nullptr) return E_UNEXPECTED;
  DestroyWindow(window_);
  window_ = nullptr;
  changed_.assign(changed_.size(), false);
  return S_OK;
}

HRESULT PropertyPage::GetPageInfo(PROPPAGEINFO* info) {
  if (info == nullptr) return E_POINTER;
  *info = PROPPAGEINFO{};
  info->cb = sizeof *info;
  info->size = DialogTemplatePixels(ModuleInstance(), layout_.dialogId);
  return Guarded([&] {
    info->pszTitle = TaskMemoryCopy(ModuleString(layout_.titleId));
    return info->pszTitle != nullptr ? S_OK : E_OUTOFMEMORY;
  });
}

// The page shows the first object's values and writes to all of them.
HRESULT PropertyPage::SetObjects(ULONG count, IUnknown** objects) {
  if (count > 0 && objects == nullptr) return E_POINTER;
  return Guarded([&] {
    std::vector<ComRef<IDispatch>> dispatches(count);
    for (ULONG i = 0; i < count; ++i) {
      if (objects[i] == nullptr ||
          FAILED(objects[i]->QueryInterface(IID_IDispatch,
                                            reinterpret_cast<void**>(dispatches[i].Put())))) {
        return E_NOINTERFACE;
      }
    }
    objects_ = std::move(dispatches);
    for (std::size_t i = 0; i < layout_.fields.size(); ++i) {
      auto* name = const_cast<LPOLESTR>(layout_.fields[i].property);
      if (objects_.empty() || FAILED(objects_.front()->GetIDsOfNames(
                                  IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &ids_[i]))) {
        ids_[i] = DISPID_UNKNOWN;
      }
    }
    if (window_ != nullptr) LoadFields();
    return S_OK;
  });
}

HRESULT PropertyPage::Show(UINT command) {
  if (window_ == nullptr) return E_UNEXPECTED;
  ShowWindow(window_, static_cast<int>(command));
  return S_OK;
}

HRESULT PropertyPage::Move(LPCRECT rect) {
  if (rect == nullptr) return E_POINTER;
  if (window_ == nullptr) return E_UNEXPECTED;
  MoveWindow(window_, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
             TRUE);
  return S_OK;
}

HRESULT PropertyPage::IsPageDirty() {
  return std::find(changed_.begin(), changed_.end(), true) != changed_.end() ? S_OK : S_FALSE;
}

// A refused entry applies nothing: the user corrects it first.
HRESULT PropertyPage::Apply() {
  if (window_ == nullptr || IsPageDirty() != S_OK) return S_OK;
  return Guarded([&] {
    if (RefuseChangedField()) return E_FAIL;
    const HRESULT written = WriteChangedFields();
    // The objects may keep a value in another form (dictionary lists come back reduced).
    LoadFields();
    return written;
  });
}

HRESULT PropertyPage::Help(LPCOLESTR) { return E_NOTIMPL; }

// Enter and Esc belong to the frame's buttons; Tab and the access keys move within the page.
HRESULT PropertyPage::TranslateAccelerator(MSG* msg) {
  if (msg == nullptr) return E_POINTER;
  if (window_ == nullptr) return S_FALSE;
  if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
    return S_FALSE;
  }
  return IsDialogMessageW(window_, msg) ? S_OK : S_FALSE;
}

HRESULT PropertyPage::EditProperty(DISPID id) {
  if (window_ == nullptr) return E_UNEXPECTED;
  const auto found = std::find(ids_.begin(), ids_.end(), id);
  if (id == DISPID_UNKNOWN || found == ids_.end()) return E_INVALIDARG;
  SetFocus(GetDlgItem(window_, layout_.fields[found - ids_.begin()].controlId));
  return S_OK;
}

INT_PTR CALLBACK PropertyPage::DialogProcedure(HWND dialog, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    return FALSE;  // the frame decides where the focus goes
  }
  if (message != WM_COMMAND) return FALSE;
  auto* page = reinterpret_cast<PropertyPage*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (page != nullptr) page->OnCommand(LOWORD(wParam), HIWORD(wParam));
  return FALSE;
}

void PropertyPage::OnCommand(int controlId, WORD notification) {
  if (loading_) return;
  for (std::size_t i = 0; i < layout_.fields.size(); ++i) {
    const PageField& field = layout_.fields[i];
    if (field.controlId != controlId || !IsFieldChange(field, notification)) continue;
    const bool wasDirty = IsPageDirty() == S_OK;
    changed_[i] = true;
    if (!wasDirty && site_) site_->OnStatusChange(PROPPAGESTATUS_DIRTY);
  }
}

void PropertyPage::LoadFields() {
  loading_ = true;
  for (std::size_t i = 0; i < layout_.fields.size(); ++i) {
    VARIANT value;
    VariantInit(&value);
    if (!objects_.empty() && ids_[i] != DISPID_UNKNOWN &&
        SUCCEEDED(GetProperty(objects_.front().Get(), ids_[i], &value))) {
      ShowFieldValue(window_, layout_.fields[i], value);
    }
    VariantClear(&value);
  }
  loading_ = false;
  changed_.assign(changed_.size(), false);
}

bool PropertyPage::RefuseChangedField() {
  for (std::size_t i = 0; i < layout_.fields.size(); ++i) {
    if (!changed_[i]) continue;
    const PageField& field = layout_.fields[i];
    const std::wstring refusal = FieldRefusal(window_, field);
    if (refusal.empty()) continue;
    MessageBoxW(window_, refusal.c_str(), ModuleString(IDS_CONTROL_NAME).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
    HWND control = GetDlgItem(window_, field.controlId);
    SetFocus(control);
    SendMessageW(control, EM_SETSEL, 0, -1);
    return true;
  }
  return false;
}

// Every changed field goes to every object; the first failure is reported after all are tried.
HRESULT PropertyPage::WriteChangedFields() {
  HRESULT result = S_OK;
  for (std::size_t i = 0; i < layout_.fields.size(); ++i) {
    if (!changed_[i] || ids_[i] == DISPID_UNKNOWN) continue;
    VARIANT value;
    HRESULT written = ReadFieldValue(window_, layout_.fields[i], &value);
    if (SUCCEEDED(written)) {
      for (const ComRef<IDispatch>& object : objects_) {
        const HRESULT put = PutProperty(object.Get(), ids_[i], &value);
        if (SUCCEEDED(written)) written = put;
      }
    }
    VariantClear(&value);
    if (SUCCEEDED(result)) result = written;
  }
  return result;
}

}  // namespace trov
