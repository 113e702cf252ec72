// A host's event sink for the tests: records the control's events as they arrive, with
// DeleteWord's offsets, and lets a test act inside an event as a host's handler would.
#ifndef VANTOR_TESTS_EVENT_RECORDER_H
#define VANTOR_TESTS_EVENT_RECORDER_H

#include <ocidl.h>

#include <functional>
#include <vector>

#include "com_fixture.h"
#include "vantor_ids.h"

namespace trov::test {

class EventRecorder final : public IDispatch {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
        IsEqualIID(riid, DIID__DVantorEvents)) {
      *object = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    events.push_back(id);
    if (id == 10 && parameters->cArgs == 1) offsets.push_back(V_I4(&parameters->rgvarg[0]));
    if (onEvent) onEvent(id);
    return S_OK;
  }

  ULONG refs = 1;
  std::vector<DISPID> events;
  std::vector<long> offsets;
  std::function<void(DISPID)> onEvent;
};

// A control test that listens to the control's events.
class EventTest : public ControlTest {
 protected:
  void Connect(AutomationClient& control) {
    ComRef<IConnectionPointContainer> container =
        Query<IConnectionPointContainer>(control.dispatch(), IID_IConnectionPointContainer);
    ASSERT_TRUE(container);
    ASSERT_EQ(container->FindConnectionPoint(DIID__DVantorEvents, point_.Put()), S_OK);
    ASSERT_EQ(point_->Advise(&recorder_, &cookie_), S_OK);
  }
  void TearDown() override {
    if (point_) {
      EXPECT_EQ(point_->Unadvise(cookie_), S_OK);
      point_.Reset();
    }
    EXPECT_EQ(recorder_.refs, 1u);
    ControlTest::TearDown();
  }

  EventRecorder recorder_;
  ComRef<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

}  // namespace trov::test

#endif  // VANTOR_TESTS_EVENT_RECORDER_H
