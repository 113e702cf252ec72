#include "event_connection_point.h"

#include <olectl.h>

#include <algorithm>
#include <new>

#include "com_ref.h"
#include "snapshot_enumerator.h"
#include "vantor_ids.h"

namespace trov {

EventConnectionPoint::~EventConnectionPoint() {
  for (const Connection& connection : connections_) connection.sink->Release();
}

HRESULT EventConnectionPoint::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IConnectionPoint)) {
    *object = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG EventConnectionPoint::AddRef() { return container_.AddRef(); }
ULONG EventConnectionPoint::Release() { return container_.Release(); }

HRESULT EventConnectionPoint::GetConnectionInterface(IID* iid) {
  if (iid == nullptr) return E_POINTER;
  *iid = DIID__DVantorEvents;
  return S_OK;
}

HRESULT EventConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
  if (out == nullptr) return E_POINTER;
  container_.AddRef();
  *out = &container_;
  return S_OK;
}

HRESULT EventConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (cookie == nullptr) return E_POINTER;
  *cookie = 0;
  if (sink == nullptr) return E_POINTER;
  // Sinks written for the event interface answer its id; script engines answer IDispatch only.
  IDispatch* dispatch = nullptr;
  if (FAILED(sink->QueryInterface(DIID__DVantorEvents, reinterpret_cast<void**>(&dispatch))) &&
      FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)))) {
    return CONNECT_E_CANNOTCONNECT;
  }
  try {
    connections_.push_back({nextCookie_, dispatch});
  } catch (const std::bad_alloc&) {
    dispatch->Release();
    return E_OUTOFMEMORY;
  }
  *cookie = nextCookie_++;
  return S_OK;
}

HRESULT EventConnectionPoint::Unadvise(DWORD cookie) {
  const auto found = std::find_if(connections_.begin(), connections_.end(),
                                  [cookie](const Connection& c) { return c.cookie == cookie; });
  if (found == connections_.end()) return CONNECT_E_NOCONNECTION;
  IDispatch* sink = found->sink;
  connections_.erase(found);
  sink->Release();
  return S_OK;
}

HRESULT EventConnectionPoint::EnumConnections(IEnumConnections** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  try {
    std::vector<CONNECTDATA> snapshot;
    snapshot.reserve(connections_.size());
    for (const Connection& connection : connections_) {
      snapshot.push_back({connection.sink, connection.cookie});
    }
    return ConnectionEnumerator::Create(snapshot, 0, out);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

void EventConnectionPoint::Fire(DISPID id, std::span<VARIANT> arguments) {
  // A sink may unadvise itself, or another, while it handles the event: fire to a copy.
  std::vector<ComRef<IDispatch>> sinks;
  try {
    sinks.reserve(connections_.size());
    for (const Connection& connection : connections_) {
      sinks.push_back(ComRef<IDispatch>::Share(connection.sink));
    }
  } catch (const std::bad_alloc&) {
    return;
  }
  DISPPARAMS parameters{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
  for (const ComRef<IDispatch>& sink : sinks) {
    sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr, nullptr,
                 nullptr);
  }
}

}  // namespace trov
