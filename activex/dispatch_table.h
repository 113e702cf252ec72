// The members of _DVantor in one table: dispatch id, name, kind, declared types and handler.
// Adding a member is one row plus its handler; Invoke (control_dispatch.cpp) coerces the
// arguments to the declared types before a handler sees them.
#ifndef VANTOR_DISPATCH_TABLE_H
#define VANTOR_DISPATCH_TABLE_H

#include <windows.h>
#include <oaidl.h>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>

namespace trov {

class VantorControl;

// Coerced arguments in declaration order.
using DispatchArgs = std::span<const VARIANT>;
// A property get, parameterised property get or method call; result starts VT_EMPTY.
using DispatchCall = HRESULT (*)(VantorControl& control, DispatchArgs args, VARIANT* result);
using DispatchPut = HRESULT (*)(VantorControl& control, const VARIANT& value);

inline constexpr std::size_t kMaxDispatchParameters = 9;

struct DispatchMember {
  DISPID id;
  const wchar_t* name;
  bool isMethod;
  VARTYPE type;  // a property's value type; a method's result type, VT_EMPTY for none
  std::array<VARTYPE, kMaxDispatchParameters> parameters;
  std::size_t parameterCount;
  DispatchCall call;
  DispatchPut put;  // null for read-only properties
};

std::span<const DispatchMember> DispatchMembers();
const DispatchMember* FindDispatchMember(DISPID id);
// Names compare without regard to case, as automation names do.
const DispatchMember* FindDispatchMemberByName(const wchar_t* name);

}  // namespace trov

#endif  // VANTOR_DISPATCH_TABLE_H
