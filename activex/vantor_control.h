// The control object the host sees: one automation interface (_DVantor), one event interface
// (_DVantorEvents), the OLE embedding interfaces a container needs to place an invisible control,
// persistence, and IObjectSafety. It owns one control core and only translates between COM and
// the core; the checking and dictionary work is the core's.
//
// The object's interfaces live in one file each: vantor_control.cpp (identity, lifetime, events,
// class info), control_dispatch.cpp (IDispatch), control_ole.cpp (embedding), control_view.cpp
// (drawing and extent), control_persist.cpp (persistence), control_safety.cpp (IObjectSafety),
// control_pages.cpp (ISpecifyPropertyPages).
#ifndef VANTOR_VANTOR_CONTROL_H
#define VANTOR_VANTOR_CONTROL_H

#include <windows.h>
#include <objsafe.h>
#include <ocidl.h>
#include <oleidl.h>

#include <atomic>
#include <cstdint>
#include <memory>

#include "check_events.h"
#include "check_loop.h"
#include "check_spelling_dialog.h"
#include "control_core.h"
#include "dictionary_members.h"
#include "event_connection_point.h"
#include "window_text_control.h"

namespace trov {

// Safety option bits set through IObjectSafety.
inline constexpr uint8_t kSafeForUntrustedCaller = INTERFACESAFE_FOR_UNTRUSTED_CALLER;
inline constexpr uint8_t kSafeForUntrustedData = INTERFACESAFE_FOR_UNTRUSTED_DATA;

// The properties the control keeps itself; the host writes them directly.
struct MemberProperties {
  bool showContext = false;
  bool showDialog = true;
  int32_t textControlHWnd = 0;
  int32_t dialogLeft = -1;
  int32_t dialogTop = -1;
  bool showDictionariesButton = true;
  bool showOptionsButton = true;
};

class VantorControl final : public IDispatch,
                            public IOleObject,
                            public IOleControl,
                            public IOleInPlaceObject,
                            public IOleInPlaceActiveObject,
                            public IViewObject2,
                            public IPersistPropertyBag,
                            public IPersistStreamInit,
                            public IPersistStorage,
                            public IProvideClassInfo2,
                            public IConnectionPointContainer,
                            public IObjectSafety,
                            public ISpecifyPropertyPages,
                            private CheckListener,
                            private CheckDialogHost {
 public:
  // Created with one reference (the creator's).
  VantorControl();
  VantorControl(const VantorControl&) = delete;
  VantorControl& operator=(const VantorControl&) = delete;

  // ---- IUnknown (vantor_control.cpp) ----
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // ---- IDispatch (control_dispatch.cpp) ----
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override;

  // ---- IOleObject (control_ole.cpp) ----
  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
  HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
  HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR app, LPCOLESTR object) override;
  HRESULT STDMETHODCALLTYPE Close(DWORD saveOption) override;
  HRESULT STDMETHODCALLTYPE SetMoniker(DWORD which, IMoniker* moniker) override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
  HRESULT STDMETHODCALLTYPE InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
  HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD reserved, IDataObject** data) override;
  HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG msg, IOleClientSite* site, LONG index,
                                   HWND parent, LPCRECT rect) override;
  HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** verbs) override;
  HRESULT STDMETHODCALLTYPE Update() override;
  HRESULT STDMETHODCALLTYPE IsUpToDate() override;
  HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* clsid) override;
  HRESULT STDMETHODCALLTYPE GetUserType(DWORD form, LPOLESTR* type) override;
  HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
  HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* connection) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD connection) override;
  HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** advises) override;
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
  HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE* palette) override;

  // ---- IOleControl (control_ole.cpp) ----
  HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) override;
  HRESULT STDMETHODCALLTYPE OnMnemonic(MSG* msg) override;
  HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID id) override;
  HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL freeze) override;

  // ---- IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject (control_ole.cpp) ----
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;
  HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE UIDeactivate() override;
  HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT clip) override;
  HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG msg) override;
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL activate) override;
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL activate) override;
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window,
                                         BOOL frameWindow) override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;

  // ---- IViewObject2 (control_view.cpp) ----
  HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device,
                                 HDC targetDc, HDC drawDc, LPCRECTL bounds, LPCRECTL windowBounds,
                                 BOOL(STDMETHODCALLTYPE* cont)(ULONG_PTR),
                                 ULONG_PTR contArgument) override;
  HRESULT STDMETHODCALLTYPE GetColorSet(DWORD aspect, LONG index, void* aspectInfo,
                                        DVTARGETDEVICE* device, HDC targetDc,
                                        LOGPALETTE** colours) override;
  HRESULT STDMETHODCALLTYPE Freeze(DWORD aspect, LONG index, void* aspectInfo,
                                   DWORD* freeze) override;
  HRESULT STDMETHODCALLTYPE Unfreeze(DWORD freeze) override;
  HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
  HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device,
                                      LPSIZEL size) override;

  // ---- IPersist, IPersistPropertyBag, IPersistStreamInit, IPersistStorage
  //      (control_persist.cpp) ----
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
  HRESULT STDMETHODCALLTYPE InitNew() override;
  HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* log) override;
  HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clearDirty,
                                 BOOL saveAllProperties) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override;
  HRESULT STDMETHODCALLTYPE Load(IStream* stream) override;
  HRESULT STDMETHODCALLTYPE Save(IStream* stream, BOOL clearDirty) override;
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;
  HRESULT STDMETHODCALLTYPE InitNew(IStorage* storage) override;
  HRESULT STDMETHODCALLTYPE Load(IStorage* storage) override;
  HRESULT STDMETHODCALLTYPE Save(IStorage* storage, BOOL sameAsLoad) override;
  HRESULT STDMETHODCALLTYPE SaveCompleted(IStorage* storage) override;
  HRESULT STDMETHODCALLTYPE HandsOffStorage() override;

  // ---- IProvideClassInfo2 (vantor_control.cpp) ----
  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) override;

  // ---- IConnectionPointContainer (vantor_control.cpp) ----
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;

  // ---- IObjectSafety (control_safety.cpp) ----
  HRESULT STDMETHODCALLTYPE GetInterfaceSafetyOptions(REFIID riid, DWORD* supported,
                                                      DWORD* enabled) override;
  HRESULT STDMETHODCALLTYPE SetInterfaceSafetyOptions(REFIID riid, DWORD optionSetMask,
                                                      DWORD enabledOptions) override;

  // ---- ISpecifyPropertyPages (control_pages.cpp) ----
  HRESULT STDMETHODCALLTYPE GetPages(CAUUID* pages) override;

  // ---- What the dispatch handlers translate to ----
  ControlCore& Core() override { return *core_; }
  DictionaryMembers& Dictionaries() override { return dictionaries_; }
  CheckLoop& Loop() override { return loop_; }
  MemberProperties& Members() { return members_; }
  // Attaches the window the handle names (0: none) and loads its text.
  void SetTextControlHWnd(int32_t handle);
  // The handle goes to 0 without loading a text; a window still attached is let go, leaving an
  // empty copy. ErrorCode is kept: loading reports dictionary failures there.
  void ClearTextControlHWnd();
  // Loads text into the copy and detaches the text control.
  void SetText(const char* text);
  void MarkModified() { modified_ = true; }

  // ---- Dialogs (control_dialogs.cpp) ----
  // The check itself: the Check Spelling dialog's end code with ShowDialog on, else Resume's flags.
  int16_t Start();
  // The dialogs a host opens; ErrorCode is 0 afterwards whatever the user did.
  void ShowOptionsDialog();
  void ShowUserDictionaryDialog();
  void AboutBox();
  uint8_t SafetyOptions() const { return safetyOptions_; }

 private:
  ~VantorControl();

  // Every property to its initial value, as for a new control in a new container.
  void ResetProperties();
  // A host that never loads or initialises the control (a script's CreateObject) still gets a
  // control with its defaults and dictionaries, on first use.
  void EnsurePropertiesInitialised();
  void OnCheckEvent(CheckEvent event, int32_t offset) override;
  void OnReplaceOutOfSpace() override;
  // The window the control's dialogs belong to: the container's, else the active one.
  HWND DialogOwner();
  // What the Check Spelling dialog asks of the control (control_dialogs.cpp).
  HINSTANCE Resources() override;
  void AttachTextWindow(HWND window) override;
  void OpenOptionsDialog(HWND owner) override;
  void OpenUserDictionariesDialog(HWND owner) override;
  void ShowHelp(HWND dialog, int topic) override;
  bool Implements(REFIID riid);
  void NotifyViewChanged();

  std::atomic<ULONG> refs_{1};
  std::unique_ptr<ControlCore> core_;
  DictionaryMembers dictionaries_;
  CheckLoop loop_;
  std::unique_ptr<WindowTextControl> textControl_;
  MemberProperties members_;
  uint8_t safetyOptions_ = 0;
  bool modified_ = false;
  bool propertiesInitialised_ = false;
  SIZEL extent_{};  // HIMETRIC
  EventConnectionPoint events_;
  int eventFreezes_ = 0;
  IOleClientSite* site_ = nullptr;            // holds a reference
  IOleAdviseHolder* adviseHolder_ = nullptr;  // created on first Advise
  IAdviseSink* viewSink_ = nullptr;           // holds a reference
  DWORD viewAspects_ = 0;
  DWORD viewAdviseFlags_ = 0;
  bool inPlaceActive_ = false;
};

}  // namespace trov

#endif  // VANTOR_VANTOR_CONTROL_H
