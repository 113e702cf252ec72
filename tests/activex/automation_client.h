// A host's view of the control in the tests: created by its ProgID like a container would, and
// driven through IDispatch by member name.
#ifndef VANTOR_TESTS_AUTOMATION_CLIENT_H
#define VANTOR_TESTS_AUTOMATION_CLIENT_H

#include <windows.h>
#include <oleauto.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "com_ref.h"

namespace trov::test {

// A VARIANT that clears itself.
class Var {
 public:
  Var() { VariantInit(&v_); }
  Var(const Var& other) : Var() { VariantCopy(&v_, const_cast<VARIANT*>(&other.v_)); }
  Var& operator=(const Var& other) {
    if (this != &other) VariantCopy(&v_, const_cast<VARIANT*>(&other.v_));
    return *this;
  }
  ~Var() { VariantClear(&v_); }

  static Var Text(const std::wstring& text) {
    Var var;
    V_VT(&var.v_) = VT_BSTR;
    V_BSTR(&var.v_) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return var;
  }
  static Var Short(int16_t value) {
    Var var;
    V_VT(&var.v_) = VT_I2;
    V_I2(&var.v_) = value;
    return var;
  }
  static Var Long(int32_t value) {
    Var var;
    V_VT(&var.v_) = VT_I4;
    V_I4(&var.v_) = value;
    return var;
  }
  static Var Bool(bool value) {
    Var var;
    V_VT(&var.v_) = VT_BOOL;
    V_BOOL(&var.v_) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return var;
  }

  VARIANT* get() { return &v_; }
  const VARIANT* get() const { return &v_; }
  VARTYPE type() const { return V_VT(&v_); }
  std::wstring text() const {
    return type() == VT_BSTR ? std::wstring(V_BSTR(&v_), SysStringLen(V_BSTR(&v_))) : L"<not text>";
  }
  long number() const {
    VARIANT converted;
    VariantInit(&converted);
    long result = -999999;
    if (SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(&v_), 0, VT_I4))) {
      result = V_I4(&converted);
    }
    return result;
  }

 private:
  VARIANT v_;
};

class AutomationClient {
 public:
  explicit AutomationClient(ComRef<IDispatch> dispatch) : dispatch_(std::move(dispatch)) {}

  // The control by its ProgID; empty when it cannot be created.
  static ComRef<IDispatch> CreateControl();

  IDispatch* dispatch() const { return dispatch_.Get(); }
  DISPID Id(const wchar_t* name) const;

  // Each records its HRESULT in last().
  Var Get(const wchar_t* name, std::initializer_list<Var> args = {});
  HRESULT Put(const wchar_t* name, const Var& value);
  Var Call(const wchar_t* name, std::initializer_list<Var> args = {});
  HRESULT last() const { return last_; }

  std::wstring Text(const wchar_t* name, std::initializer_list<Var> args = {}) {
    return Get(name, args).text();
  }
  long Number(const wchar_t* name, std::initializer_list<Var> args = {}) {
    return Get(name, args).number();
  }

  Var Invoke(DISPID id, WORD flags, std::vector<Var> args, bool namedPut, EXCEPINFO* exception);

 private:
  ComRef<IDispatch> dispatch_;
  HRESULT last_ = S_OK;
};

}  // namespace trov::test

#endif  // VANTOR_TESTS_AUTOMATION_CLIENT_H
