// IDispatch of the control: names and ids come from the dispatch table; Invoke checks the call
// against the member's row, coerces every argument to its declared type and runs the handler.
#include <olectl.h>

#include <array>
#include <exception>
#include <new>

#include "com_ref.h"
#include "dispatch_table.h"
#include "type_library.h"
#include "vantor_control.h"
#include "vantor_ids.h"

namespace trov {
namespace {

// Coerced copies of the arguments, cleared when the call is done.
class CoercedArguments {
 public:
  CoercedArguments() {
    for (VARIANT& value : values_) VariantInit(&value);
  }
  CoercedArguments(const CoercedArguments&) = delete;
  CoercedArguments& operator=(const CoercedArguments&) = delete;
  ~CoercedArguments() {
    for (VARIANT& value : values_) VariantClear(&value);
  }

  // Arguments arrive last first; by-reference and variant-wrapped values are read through.
  HRESULT Coerce(const DispatchMember& member, const DISPPARAMS& parameters, UINT* argumentError) {
    for (std::size_t i = 0; i < member.parameterCount; ++i) {
      const UINT position = parameters.cArgs - 1 - static_cast<UINT>(i);
      if (FAILED(VariantChangeType(&values_[i], &parameters.rgvarg[position], 0,
                                   member.parameters[i]))) {
        if (argumentError != nullptr) *argumentError = position;
        return DISP_E_TYPEMISMATCH;
      }
    }
    count_ = member.parameterCount;
    return S_OK;
  }
  DispatchArgs Args() const { return DispatchArgs(values_.data(), count_); }

 private:
  std::array<VARIANT, kMaxDispatchParameters> values_;
  std::size_t count_ = 0;
};

bool IsPut(WORD flags) { return (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0; }

HRESULT ReadOnlyFailure(EXCEPINFO* exception) {
  if (exception == nullptr) return CTL_E_SETNOTSUPPORTED;
  *exception = EXCEPINFO{};
  exception->scode = CTL_E_SETNOTSUPPORTED;
  exception->bstrSource = SysAllocString(kVantorProgId);
  exception->bstrDescription = SysAllocString(L"Property is read-only");
  return DISP_E_EXCEPTION;
}

HRESULT InvokePut(VantorControl& control, const DispatchMember& member,
                  const DISPPARAMS& parameters, EXCEPINFO* exception, UINT* argumentError) {
  if (member.isMethod) return DISP_E_MEMBERNOTFOUND;
  if (member.put == nullptr) return ReadOnlyFailure(exception);
  if (parameters.cArgs != 1) return DISP_E_BADPARAMCOUNT;
  if (parameters.cNamedArgs != 1 || parameters.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) {
    return DISP_E_PARAMNOTOPTIONAL;
  }
  VARIANT value;
  VariantInit(&value);
  if (FAILED(VariantChangeType(&value, &parameters.rgvarg[0], 0, member.type))) {
    if (argumentError != nullptr) *argumentError = 0;
    return DISP_E_TYPEMISMATCH;
  }
  const HRESULT result = member.put(control, value);
  VariantClear(&value);
  return result;
}

HRESULT InvokeCall(VantorControl& control, const DispatchMember& member, WORD flags,
                   const DISPPARAMS& parameters, VARIANT* result, UINT* argumentError) {
  const WORD accepted = member.isMethod ? DISPATCH_METHOD : DISPATCH_METHOD | DISPATCH_PROPERTYGET;
  if ((flags & accepted) == 0) return DISP_E_MEMBERNOTFOUND;
  if (parameters.cNamedArgs != 0) return DISP_E_NONAMEDARGS;
  if (parameters.cArgs != member.parameterCount) return DISP_E_BADPARAMCOUNT;
  CoercedArguments arguments;
  if (const HRESULT coerced = arguments.Coerce(member, parameters, argumentError);
      FAILED(coerced)) {
    return coerced;
  }
  VARIANT discarded;
  VariantInit(&discarded);
  VARIANT* out = result != nullptr ? result : &discarded;
  VariantInit(out);
  const HRESULT called = member.call(control, arguments.Args(), out);
  VariantClear(&discarded);
  return called;
}

}  // namespace

HRESULT VantorControl::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT VantorControl::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  return GetModuleTypeInfo(DIID__DVantor, info);
}

// Member names only: no member takes named arguments, so parameter names are unknown.
HRESULT VantorControl::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (count == 0) return S_OK;
  if (names == nullptr || ids == nullptr) return E_POINTER;
  const DispatchMember* member = names[0] != nullptr ? FindDispatchMemberByName(names[0]) : nullptr;
  ids[0] = member != nullptr ? member->id : DISPID_UNKNOWN;
  for (UINT i = 1; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return member != nullptr && count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT VantorControl::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* parameters,
                              VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (parameters == nullptr) return E_INVALIDARG;
  const DispatchMember* member = FindDispatchMember(id);
  if (member == nullptr) return DISP_E_MEMBERNOTFOUND;
  // Nothing thrown below may cross the interface.
  try {
    EnsurePropertiesInitialised();
    if (IsPut(flags)) return InvokePut(*this, *member, *parameters, exception, argumentError);
    return InvokeCall(*this, *member, flags, *parameters, result, argumentError);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace trov
