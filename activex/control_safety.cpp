// IObjectSafety: a host marks the control safe for untrusted callers (through IDispatch) or for
// untrusted data (through the persistence interfaces); either mark restricts user-dictionary
// file access.
#include <array>

#include "vantor_control.h"

namespace trov {
namespace {

constexpr DWORD kSupportedSafety =
    INTERFACESAFE_FOR_UNTRUSTED_CALLER | INTERFACESAFE_FOR_UNTRUSTED_DATA;

constexpr std::array<const IID*, 4> kPersistenceInterfaces = {
    &IID_IPersistPropertyBag, &IID_IPersistStreamInit, &IID_IPersistStorage, &IID_IPersistMemory};

bool IsPersistenceInterface(REFIID riid) {
  for (const IID* iid : kPersistenceInterfaces) {
    if (IsEqualIID(riid, *iid)) return true;
  }
  return false;
}

bool IsSafetyInterface(REFIID riid) {
  return IsEqualIID(riid, IID_IDispatch) || IsPersistenceInterface(riid);
}

}  // namespace

HRESULT VantorControl::GetInterfaceSafetyOptions(REFIID riid, DWORD* supported, DWORD* enabled) {
  if (supported == nullptr || enabled == nullptr) return E_POINTER;
  *supported = kSupportedSafety;
  *enabled = safetyOptions_;
  if (!Implements(riid) || !IsSafetyInterface(riid)) return E_NOINTERFACE;
  return S_OK;
}

HRESULT VantorControl::SetInterfaceSafetyOptions(REFIID riid, DWORD optionSetMask,
                                                 DWORD enabledOptions) {
  if (optionSetMask == 0 && enabledOptions == 0) return S_OK;
  if (!Implements(riid) || !IsSafetyInterface(riid)) return E_FAIL;
  const DWORD bit = IsEqualIID(riid, IID_IDispatch) ? INTERFACESAFE_FOR_UNTRUSTED_CALLER
                                                    : INTERFACESAFE_FOR_UNTRUSTED_DATA;
  if (optionSetMask != bit) return E_FAIL;
  if (enabledOptions == bit) {
    safetyOptions_ |= static_cast<uint8_t>(bit);
  } else {
    safetyOptions_ &= static_cast<uint8_t>(~bit);
  }
  core_->SetRestrictedMode(safetyOptions_ != 0);
  return S_OK;
}

}  // namespace trov
