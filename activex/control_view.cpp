// Drawing at design time: the control shows its bitmap in whatever rectangle it is given.
#include "module.h"
#include "resource.h"
#include "vantor_control.h"

namespace trov {

HRESULT VantorControl::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC drawDc,
                            LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                            ULONG_PTR) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (drawDc == nullptr || bounds == nullptr) return E_INVALIDARG;
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageW(ModuleInstance(), MAKEINTRESOURCEW(IDB_CONTROL), IMAGE_BITMAP, 0, 0, 0));
  if (bitmap == nullptr) return E_FAIL;
  HDC memory = CreateCompatibleDC(drawDc);
  HRESULT result = E_FAIL;
  if (memory != nullptr) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const BOOL drawn = StretchBlt(drawDc, bounds->left, bounds->top, bounds->right - bounds->left,
                                  bounds->bottom - bounds->top, memory, 0, 0, info.bmWidth,
                                  info.bmHeight, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    result = drawn ? S_OK : E_FAIL;
  }
  DeleteObject(bitmap);
  return result;
}

HRESULT VantorControl::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colours) {
  if (colours == nullptr) return E_POINTER;
  *colours = nullptr;
  return S_FALSE;
}

HRESULT VantorControl::Freeze(DWORD, LONG, void*, DWORD* freeze) {
  if (freeze) *freeze = 0;
  return E_NOTIMPL;
}

HRESULT VantorControl::Unfreeze(DWORD) { return E_NOTIMPL; }

HRESULT VantorControl::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
  if (sink) sink->AddRef();
  if (viewSink_) viewSink_->Release();
  viewSink_ = sink;
  viewAspects_ = aspects;
  viewAdviseFlags_ = flags;
  return S_OK;
}

HRESULT VantorControl::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
  if (aspects) *aspects = viewAspects_;
  if (flags) *flags = viewAdviseFlags_;
  if (sink) {
    if (viewSink_) viewSink_->AddRef();
    *sink = viewSink_;
  }
  return S_OK;
}

HRESULT VantorControl::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
  return GetExtent(aspect, size);
}

void VantorControl::NotifyViewChanged() {
  if (viewSink_ && (viewAspects_ & DVASPECT_CONTENT)) viewSink_->OnViewChange(DVASPECT_CONTENT, -1);
}

}  // namespace trov
