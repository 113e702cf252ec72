// Owners for COM references and automation strings, so every early return releases them.
#ifndef VANTOR_COM_REF_H
#define VANTOR_COM_REF_H

#include <windows.h>
#include <oleauto.h>

#include <utility>

namespace trov {

template <typename T>
class ComRef {
 public:
  ComRef() = default;
  // Takes over a reference the caller already holds.
  explicit ComRef(T* owned) : p_(owned) {}
  ComRef(const ComRef& other) : p_(other.p_) {
    if (p_) p_->AddRef();
  }
  ComRef(ComRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComRef& operator=(ComRef other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComRef() { Reset(); }

  // Adds a reference of its own to borrowed.
  static ComRef Share(T* borrowed) {
    if (borrowed) borrowed->AddRef();
    return ComRef(borrowed);
  }

  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // Releases the old reference and hands out the slot for an out parameter.
  T** Put() {
    Reset();
    return &p_;
  }
  void Reset() {
    if (T* old = std::exchange(p_, nullptr)) old->Release();
  }
  // A new reference for an out parameter.
  T* Copy() const {
    if (p_) p_->AddRef();
    return p_;
  }

 private:
  T* p_ = nullptr;
};

class UniqueBstr {
 public:
  UniqueBstr() = default;
  explicit UniqueBstr(BSTR owned) : s_(owned) {}
  UniqueBstr(const UniqueBstr&) = delete;
  UniqueBstr& operator=(const UniqueBstr&) = delete;
  ~UniqueBstr() { SysFreeString(s_); }

  BSTR Get() const { return s_; }
  BSTR* Put() {
    SysFreeString(s_);
    s_ = nullptr;
    return &s_;
  }
  BSTR Release() { return std::exchange(s_, nullptr); }

 private:
  BSTR s_ = nullptr;
};

}  // namespace trov

#endif  // VANTOR_COM_REF_H
