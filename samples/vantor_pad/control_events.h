// The pad's listener on the control's event interface (_DVantorEvents): a small IDispatch that
// is advised to the control's connection point and hands each event to the pad by its id.
#ifndef VANTOR_PAD_CONTROL_EVENTS_H
#define VANTOR_PAD_CONTROL_EVENTS_H

#include <windows.h>

#include <ocidl.h>
#include <wrl/client.h>

#include <functional>

namespace pad {

// The dispatch ids of the events the pad uses.
enum ControlEvent : DISPID {
  kEndOfTextEvent = 7,
  kReplaceWordEvent = 9,
  kDeleteWordEvent = 10,
};

// Lives as long as its owner, which disconnects it first: the control's references only borrow.
class ControlEvents final : public IDispatch {
 public:
  using Handler = std::function<void(DISPID event)>;

  ControlEvents() = default;
  ControlEvents(const ControlEvents&) = delete;
  ControlEvents& operator=(const ControlEvents&) = delete;
  ~ControlEvents() { Disconnect(); }

  // False when the control offers no connection point for its events.
  bool Connect(IUnknown* control, Handler handler);
  void Disconnect();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;

 private:
  Microsoft::WRL::ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
  Handler handler_;
};

}  // namespace pad

#endif  // VANTOR_PAD_CONTROL_EVENTS_H
