// The control's one connection point: hosts advise their _DVantorEvents sinks here and the
// control fires each check event to all of them, synchronously, on the calling thread.
#ifndef VANTOR_EVENT_CONNECTION_POINT_H
#define VANTOR_EVENT_CONNECTION_POINT_H

#include <windows.h>
#include <ocidl.h>

#include <span>
#include <vector>

namespace trov {

class EventConnectionPoint final : public IConnectionPoint {
 public:
  // Lives inside its container and shares the container's reference count.
  explicit EventConnectionPoint(IConnectionPointContainer& container) : container_(container) {}
  EventConnectionPoint(const EventConnectionPoint&) = delete;
  EventConnectionPoint& operator=(const EventConnectionPoint&) = delete;
  ~EventConnectionPoint();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;

  // Calls event id on every sink; arguments in DISPPARAMS order (last argument first).
  void Fire(DISPID id, std::span<VARIANT> arguments);

 private:
  struct Connection {
    DWORD cookie;
    IDispatch* sink;  // holds a reference
  };

  IConnectionPointContainer& container_;
  std::vector<Connection> connections_;
  DWORD nextCookie_ = 1;
};

}  // namespace trov

#endif  // VANTOR_EVENT_CONNECTION_POINT_H
