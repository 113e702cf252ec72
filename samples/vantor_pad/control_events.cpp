#include "control_events.h"

#include "vantor_h.h"

namespace pad {

bool ControlEvents::Connect(IUnknown* control, Handler handler) {
  Disconnect();
  Microsoft::WRL::ComPtr<IConnectionPointContainer> container;
  if (FAILED(control->QueryInterface(IID_PPV_ARGS(&container))) ||
      FAILED(container->FindConnectionPoint(DIID__DVantorEvents, &point_))) {
    return false;
  }
  if (FAILED(point_->Advise(this, &cookie_))) {
    point_.Reset();
    return false;
  }
  handler_ = std::move(handler);
  return true;
}

void ControlEvents::Disconnect() {
  if (!point_) return;
  point_->Unadvise(cookie_);
  point_.Reset();
  handler_ = nullptr;
}

HRESULT ControlEvents::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
      IsEqualIID(riid, DIID__DVantorEvents)) {
    *object = static_cast<IDispatch*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT ControlEvents::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT ControlEvents::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                              UINT*) {
  if (handler_) handler_(id);
  return S_OK;
}

}  // namespace pad
