#include "automation_client.h"

#include <algorithm>

namespace trov::test {

ComRef<IDispatch> AutomationClient::CreateControl() {
  CLSID clsid;
  ComRef<IDispatch> dispatch;
  if (FAILED(CLSIDFromProgID(L"VANTOR.VantorCtrl.3", &clsid))) return dispatch;
  CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                   reinterpret_cast<void**>(dispatch.Put()));
  return dispatch;
}

DISPID AutomationClient::Id(const wchar_t* name) const {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

Var AutomationClient::Invoke(DISPID id, WORD flags, std::vector<Var> args, bool namedPut,
                             EXCEPINFO* exception) {
  // Positional arguments go last first, as automation expects.
  std::reverse(args.begin(), args.end());
  std::vector<VARIANT> raw;
  for (Var& arg : args) raw.push_back(*arg.get());
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{raw.data(), namedPut ? &putId : nullptr, static_cast<UINT>(raw.size()),
                        namedPut ? 1u : 0u};
  Var result;
  UINT argumentError = 0;
  last_ = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, result.get(),
                            exception, &argumentError);
  return result;
}

Var AutomationClient::Get(const wchar_t* name, std::initializer_list<Var> args) {
  return Invoke(Id(name), DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, false, nullptr);
}

HRESULT AutomationClient::Put(const wchar_t* name, const Var& value) {
  Invoke(Id(name), DISPATCH_PROPERTYPUT, {value}, true, nullptr);
  return last_;
}

Var AutomationClient::Call(const wchar_t* name, std::initializer_list<Var> args) {
  return Invoke(Id(name), DISPATCH_METHOD, args, false, nullptr);
}

}  // namespace trov::test
