// The control object's identity and lifetime, its events, and its class information.
#include "vantor_control.h"

#include <olectl.h>

#include <array>
#include <vector>

#include "background_check.h"
#include "com_ref.h"
#include "control_extent.h"
#include "dialog_support.h"
#include "module.h"
#include "product_settings.h"
#include "resource.h"
#include "snapshot_enumerator.h"
#include "text_ctl_kind.h"
#include "type_library.h"
#include "user_dictionary_folder.h"
#include "vantor_ids.h"

namespace trov {
namespace {

constexpr std::size_t kLogFileLimit = 256;  // bytes of the "LogFile" value, terminator included

// A missing key or value, or one too long, leaves logging off.
void StartLogFromRegistry() {
  const std::string name = ProductSetting("LogFile", kLogFileLimit);
  if (!name.empty()) TROV_SetLogFile(name.c_str());
}

}  // namespace

VantorControl::VantorControl()
    : core_(std::make_unique<ControlCore>(ModuleDirectory())),
      dictionaries_(*core_),
      loop_(*core_, *this),
      extent_(PixelsToHimetric(kInitialExtentPixels)),
      events_(*this) {
  // Compressed dictionaries are loaded whole.
  core_->SetMemoryBudget(-1);
  StartLogFromRegistry();
  core_->SetUserDictionaryDirectory(PrepareUserDictionaryFolder(core_->ModuleDirectory()));
  HoldModule();
}

VantorControl::~VantorControl() {
  ForgetBackgroundCore(*core_);
  loop_.AttachTextControl(nullptr);
  if (adviseHolder_) adviseHolder_->Release();
  if (viewSink_) viewSink_->Release();
  if (site_) site_->Release();
  core_->ReleaseCore();
  ReleaseModule();
}

HRESULT VantorControl::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  IUnknown* found = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
      IsEqualIID(riid, DIID__DVantor)) {
    found = static_cast<IDispatch*>(this);
  } else if (IsEqualIID(riid, IID_IOleObject)) {
    found = static_cast<IOleObject*>(this);
  } else if (IsEqualIID(riid, IID_IOleControl)) {
    found = static_cast<IOleControl*>(this);
  } else if (IsEqualIID(riid, IID_IOleWindow) || IsEqualIID(riid, IID_IOleInPlaceObject)) {
    found = static_cast<IOleInPlaceObject*>(this);
  } else if (IsEqualIID(riid, IID_IOleInPlaceActiveObject)) {
    found = static_cast<IOleInPlaceActiveObject*>(this);
  } else if (IsEqualIID(riid, IID_IViewObject) || IsEqualIID(riid, IID_IViewObject2)) {
    found = static_cast<IViewObject2*>(this);
  } else if (IsEqualIID(riid, IID_IPersist) || IsEqualIID(riid, IID_IPersistStreamInit)) {
    found = static_cast<IPersistStreamInit*>(this);
  } else if (IsEqualIID(riid, IID_IPersistPropertyBag)) {
    found = static_cast<IPersistPropertyBag*>(this);
  } else if (IsEqualIID(riid, IID_IPersistStorage)) {
    found = static_cast<IPersistStorage*>(this);
  } else if (IsEqualIID(riid, IID_IProvideClassInfo) || IsEqualIID(riid, IID_IProvideClassInfo2)) {
    found = static_cast<IProvideClassInfo2*>(this);
  } else if (IsEqualIID(riid, IID_IConnectionPointContainer)) {
    found = static_cast<IConnectionPointContainer*>(this);
  } else if (IsEqualIID(riid, IID_IObjectSafety)) {
    found = static_cast<IObjectSafety*>(this);
  } else if (IsEqualIID(riid, IID_ISpecifyPropertyPages)) {
    found = static_cast<ISpecifyPropertyPages*>(this);
  }
  if (found == nullptr) return E_NOINTERFACE;
  found->AddRef();
  *object = found;
  return S_OK;
}

ULONG VantorControl::AddRef() { return ++refs_; }

ULONG VantorControl::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

bool VantorControl::Implements(REFIID riid) {
  ComRef<IUnknown> probe;
  return SUCCEEDED(QueryInterface(riid, reinterpret_cast<void**>(probe.Put())));
}

void VantorControl::SetTextControlHWnd(int32_t handle) {
  members_.textControlHWnd = handle;
  std::unique_ptr<WindowTextControl> attached;
  if (handle != 0) {
    attached = std::make_unique<WindowTextControl>(static_cast<HWND>(LongToHandle(handle)));
  }
  // The loop lets go of the old window before it is destroyed.
  loop_.AttachTextControl(attached.get());
  textControl_ = std::move(attached);
  MarkModified();
}

void VantorControl::ClearTextControlHWnd() {
  members_.textControlHWnd = 0;
  if (!textControl_) return;
  const int16_t errorCode = core_->ErrorCode();
  loop_.AttachTextControl(nullptr);
  textControl_.reset();
  core_->SetErrorCode(errorCode);
}

void VantorControl::SetText(const char* text) {
  loop_.SetText(text);
  textControl_.reset();
  members_.textControlHWnd = 0;
  MarkModified();
}

void VantorControl::OnCheckEvent(CheckEvent event, int32_t offset) {
  if (eventFreezes_ > 0) return;
  VARIANT argument;
  VariantInit(&argument);
  std::span<VARIANT> arguments;
  if (event == CheckEvent::kDeleteWord) {
    V_VT(&argument) = VT_I4;
    V_I4(&argument) = offset;
    arguments = std::span<VARIANT>(&argument, 1);
  }
  // The host may release its last reference to the control inside a handler.
  AddRef();
  events_.Fire(static_cast<DISPID>(event), arguments);
  Release();
}

void VantorControl::OnReplaceOutOfSpace() {
  // Inside the Check Spelling dialog the active window is the dialog, which the box then blocks.
  ShowResourceMessage(ModuleInstance(), GetActiveWindow(), IDS_REPLACE_NO_SPACE);
}

HRESULT VantorControl::GetClassInfo(ITypeInfo** info) {
  return GetModuleTypeInfo(CLSID_Vantor, info);
}

HRESULT VantorControl::GetGUID(DWORD kind, GUID* guid) {
  if (guid == nullptr) return E_POINTER;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
    *guid = GUID_NULL;
    return E_INVALIDARG;
  }
  *guid = DIID__DVantorEvents;
  return S_OK;
}

HRESULT VantorControl::EnumConnectionPoints(IEnumConnectionPoints** points) {
  if (points == nullptr) return E_POINTER;
  try {
    const std::vector<IConnectionPoint*> all{&events_};
    return ConnectionPointEnumerator::Create(all, 0, points);
  } catch (const std::bad_alloc&) {
    *points = nullptr;
    return E_OUTOFMEMORY;
  }
}

HRESULT VantorControl::FindConnectionPoint(REFIID riid, IConnectionPoint** point) {
  if (point == nullptr) return E_POINTER;
  *point = nullptr;
  if (!IsEqualIID(riid, DIID__DVantorEvents)) return CONNECT_E_NOCONNECTION;
  events_.AddRef();
  *point = &events_;
  return S_OK;
}

}  // namespace trov
