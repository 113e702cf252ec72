// An enumerator over a snapshot taken when it is created: the connection-point enumerators of
// the control. Each held element keeps its own reference, handed out anew by Next.
#ifndef VANTOR_SNAPSHOT_ENUMERATOR_H
#define VANTOR_SNAPSHOT_ENUMERATOR_H

#include <windows.h>
#include <ocidl.h>

#include <atomic>
#include <new>
#include <utility>
#include <vector>

#include "module.h"

namespace trov {

// How an element's references are kept: IEnumConnections holds CONNECTDATA records,
// IEnumConnectionPoints interface pointers.
struct ConnectDataTraits {
  using Element = CONNECTDATA;
  static void AddRef(const CONNECTDATA& data) { data.pUnk->AddRef(); }
  static void Release(const CONNECTDATA& data) { data.pUnk->Release(); }
};

struct ConnectionPointTraits {
  using Element = IConnectionPoint*;
  static void AddRef(IConnectionPoint* point) { point->AddRef(); }
  static void Release(IConnectionPoint* point) { point->Release(); }
};

template <typename Interface, typename Traits, const IID& kIid>
class SnapshotEnumerator final : public Interface {
 public:
  using Element = typename Traits::Element;

  // Creates the enumerator with one reference, or returns E_OUTOFMEMORY.
  static HRESULT Create(const std::vector<Element>& elements, std::size_t position,
                        Interface** out) {
    *out = nullptr;
    try {
      *out = new SnapshotEnumerator(elements, position);
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    }
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, kIid)) {
      *object = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE Next(ULONG count, Element* out, ULONG* fetched) override {
    if (out == nullptr || (count > 1 && fetched == nullptr)) return E_POINTER;
    ULONG given = 0;
    for (; given < count && position_ < elements_.size(); ++given, ++position_) {
      out[given] = elements_[position_];
      Traits::AddRef(out[given]);
    }
    if (fetched != nullptr) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    const std::size_t left = elements_.size() - position_;
    const bool enough = count <= left;
    position_ += enough ? count : left;
    return enough ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    position_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(Interface** out) override {
    if (out == nullptr) return E_POINTER;
    return Create(elements_, position_, out);
  }

 private:
  SnapshotEnumerator(const std::vector<Element>& elements, std::size_t position)
      : elements_(elements), position_(position) {
    for (const Element& element : elements_) Traits::AddRef(element);
    HoldModule();
  }
  ~SnapshotEnumerator() {
    for (const Element& element : elements_) Traits::Release(element);
    ReleaseModule();
  }

  std::atomic<ULONG> refs_{1};
  std::vector<Element> elements_;
  std::size_t position_;
};

using ConnectionEnumerator =
    SnapshotEnumerator<IEnumConnections, ConnectDataTraits, IID_IEnumConnections>;
using ConnectionPointEnumerator =
    SnapshotEnumerator<IEnumConnectionPoints, ConnectionPointTraits, IID_IEnumConnectionPoints>;

}  // namespace trov

#endif  // VANTOR_SNAPSHOT_ENUMERATOR_H
