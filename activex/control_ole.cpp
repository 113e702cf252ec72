// The embedding interfaces of the control: enough for a container to site, activate and close an
// invisible control. The control never creates a window of its own.
#include <olectl.h>

#include "control_extent.h"
#include "vantor_control.h"
#include "vantor_ids.h"

namespace trov {
namespace {

constexpr DWORD kMiscStatus = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_INVISIBLEATRUNTIME |
                              OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_INSIDEOUT |
                              OLEMISC_CANTLINKINSIDE | OLEMISC_RECOMPOSEONRESIZE;
static_assert(kMiscStatus == 0x20591);

}  // namespace

// ---- IOleObject ----

HRESULT VantorControl::SetClientSite(IOleClientSite* site) {
  if (site) site->AddRef();
  if (site_) site_->Release();
  site_ = site;
  return S_OK;
}

HRESULT VantorControl::GetClientSite(IOleClientSite** site) {
  if (site == nullptr) return E_POINTER;
  if (site_) site_->AddRef();
  *site = site_;
  return S_OK;
}

HRESULT VantorControl::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

HRESULT VantorControl::Close(DWORD) {
  InPlaceDeactivate();
  if (adviseHolder_) adviseHolder_->SendOnClose();
  return S_OK;
}

HRESULT VantorControl::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

HRESULT VantorControl::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT VantorControl::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

HRESULT VantorControl::GetClipboardData(DWORD, IDataObject** data) {
  if (data) *data = nullptr;
  return E_NOTIMPL;
}

// Activation only tells the site: there is no window to show.
HRESULT VantorControl::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND, LPCRECT) {
  switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
    case OLEIVERB_UIACTIVATE: {
      IOleClientSite* activeSite = site != nullptr ? site : site_;
      IOleInPlaceSite* inPlace = nullptr;
      if (!inPlaceActive_ && activeSite != nullptr &&
          SUCCEEDED(activeSite->QueryInterface(IID_IOleInPlaceSite,
                                               reinterpret_cast<void**>(&inPlace)))) {
        if (inPlace->CanInPlaceActivate() == S_OK) {
          inPlace->OnInPlaceActivate();
          inPlaceActive_ = true;
        }
        inPlace->Release();
      }
      return S_OK;
    }
    case OLEIVERB_HIDE:
      return InPlaceDeactivate();
    default:
      return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
  }
}

HRESULT VantorControl::EnumVerbs(IEnumOLEVERB** verbs) {
  return OleRegEnumVerbs(CLSID_Vantor, verbs);
}

HRESULT VantorControl::Update() { return S_OK; }
HRESULT VantorControl::IsUpToDate() { return S_OK; }

HRESULT VantorControl::GetUserClassID(CLSID* clsid) {
  if (clsid == nullptr) return E_POINTER;
  *clsid = CLSID_Vantor;
  return S_OK;
}

HRESULT VantorControl::GetUserType(DWORD form, LPOLESTR* type) {
  return OleRegGetUserType(CLSID_Vantor, form, type);
}

// Whatever the container proposes, the control keeps the size of its bitmap.
HRESULT VantorControl::SetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (size == nullptr) return E_POINTER;
  extent_ = PixelsToHimetric(kFixedExtentPixels);
  *size = extent_;
  NotifyViewChanged();
  return S_OK;
}

HRESULT VantorControl::GetExtent(DWORD aspect, SIZEL* size) {
  if (size == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *size = extent_;
  return S_OK;
}

HRESULT VantorControl::Advise(IAdviseSink* sink, DWORD* connection) {
  if (connection == nullptr) return E_POINTER;
  *connection = 0;
  if (adviseHolder_ == nullptr) {
    const HRESULT created = CreateOleAdviseHolder(&adviseHolder_);
    if (FAILED(created)) return created;
  }
  return adviseHolder_->Advise(sink, connection);
}

HRESULT VantorControl::Unadvise(DWORD connection) {
  if (adviseHolder_ == nullptr) return OLE_E_NOCONNECTION;
  return adviseHolder_->Unadvise(connection);
}

HRESULT VantorControl::EnumAdvise(IEnumSTATDATA** advises) {
  if (advises == nullptr) return E_POINTER;
  *advises = nullptr;
  if (adviseHolder_ == nullptr) return S_OK;
  return adviseHolder_->EnumAdvise(advises);
}

HRESULT VantorControl::GetMiscStatus(DWORD, DWORD* status) {
  if (status == nullptr) return E_POINTER;
  *status = kMiscStatus;
  return S_OK;
}

HRESULT VantorControl::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

// ---- IOleControl ----

HRESULT VantorControl::GetControlInfo(CONTROLINFO* info) {
  if (info == nullptr) return E_POINTER;
  info->hAccel = nullptr;
  info->cAccel = 0;
  info->dwFlags = 0;
  return S_OK;
}

HRESULT VantorControl::OnMnemonic(MSG*) { return E_NOTIMPL; }
HRESULT VantorControl::OnAmbientPropertyChange(DISPID) { return S_OK; }

// While frozen, events are dropped: the container is not ready to handle them.
HRESULT VantorControl::FreezeEvents(BOOL freeze) {
  if (freeze) {
    ++eventFreezes_;
  } else if (eventFreezes_ > 0) {
    --eventFreezes_;
  }
  return S_OK;
}

// ---- IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject ----

HRESULT VantorControl::GetWindow(HWND* window) {
  if (window == nullptr) return E_POINTER;
  *window = nullptr;
  return E_FAIL;
}

HRESULT VantorControl::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT VantorControl::InPlaceDeactivate() {
  if (!inPlaceActive_) return S_OK;
  inPlaceActive_ = false;
  IOleInPlaceSite* inPlace = nullptr;
  if (site_ != nullptr &&
      SUCCEEDED(site_->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlace)))) {
    inPlace->OnInPlaceDeactivate();
    inPlace->Release();
  }
  return S_OK;
}

HRESULT VantorControl::UIDeactivate() { return S_OK; }
HRESULT VantorControl::SetObjectRects(LPCRECT, LPCRECT) { return S_OK; }
HRESULT VantorControl::ReactivateAndUndo() { return INPLACE_E_NOTUNDOABLE; }
HRESULT VantorControl::TranslateAccelerator(LPMSG) { return S_FALSE; }
HRESULT VantorControl::OnFrameWindowActivate(BOOL) { return S_OK; }
HRESULT VantorControl::OnDocWindowActivate(BOOL) { return S_OK; }
HRESULT VantorControl::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
HRESULT VantorControl::EnableModeless(BOOL) { return S_OK; }

}  // namespace trov
