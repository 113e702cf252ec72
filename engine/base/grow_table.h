// The engine's one container: a growable array that owns its elements. It grows by half of what
// it needs, and a failed allocation is a result (-12, logged) rather than an exception, so the
// tables behind the API keep the growth and the results their callers have always seen.
#ifndef TROV_GROW_TABLE_H
#define TROV_GROW_TABLE_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

#include "base/log.h"
#include "trov.h"

namespace trov {

template <typename T>
class GrowTable {
  // Growth moves the elements, and a move that could throw would leave two half tables.
  static_assert(std::is_nothrow_move_constructible_v<T> && std::is_nothrow_move_assignable_v<T>);
  static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);

 public:
  GrowTable() = default;
  ~GrowTable() { Free(); }
  GrowTable(GrowTable&& other) noexcept
      : data_(std::exchange(other.data_, nullptr)),
        count_(std::exchange(other.count_, 0)),
        capacity_(std::exchange(other.capacity_, 0)) {}
  GrowTable& operator=(GrowTable&& other) noexcept {
    if (this != &other) {
      Free();
      data_ = std::exchange(other.data_, nullptr);
      count_ = std::exchange(other.count_, 0);
      capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
  }

  // Empty table holding exactly initialCapacity elements; 0 or -12.
  int16_t Init(int32_t initialCapacity) {
    Free();
    if (initialCapacity <= 0) return 0;
    return MoveTo(initialCapacity);
  }
  // Grows to n + n/2 elements when fewer than n fit; 0 or -12 (logged, table unchanged).
  int16_t Reserve(int32_t n) { return capacity_ >= n ? 0 : MoveTo(n + n / 2); }
  // Moves element to the end; its index, or -12.
  int32_t Append(T element) {
    if (const int16_t result = Reserve(count_ + 1); result < 0) return result;
    std::construct_at(data_ + count_, std::move(element));
    return count_++;
  }
  // Moves element to index, moving the following ones up; 0 or -12.
  int16_t Insert(int32_t index, T element) {
    if (const int16_t result = Reserve(count_ + 1); result < 0) return result;
    if (index == count_) {
      std::construct_at(data_ + count_, std::move(element));
    } else {
      std::construct_at(data_ + count_, std::move(data_[count_ - 1]));
      std::move_backward(data_ + index, data_ + count_ - 1, data_ + count_);
      data_[index] = std::move(element);
    }
    ++count_;
    return 0;
  }
  // Removes the element at index, moving the following ones down; 0 or -8.
  int16_t Remove(int32_t index) {
    if (index < 0 || index >= count_) return TROV_ERR_BUFFER_FULL;
    std::move(data_ + index + 1, data_ + count_, data_ + index);
    std::destroy_at(data_ + --count_);
    return 0;
  }
  // Destroys every element; the storage stays.
  void Clear() {
    std::destroy(data_, data_ + count_);
    count_ = 0;
  }
  void Free() {
    Clear();
    ::operator delete(data_, std::nothrow);
    data_ = nullptr;
    capacity_ = 0;
  }

  int32_t Count() const { return count_; }
  int32_t Capacity() const { return capacity_; }
  T& operator[](int32_t index) { return data_[index]; }
  const T& operator[](int32_t index) const { return data_[index]; }
  T* begin() { return data_; }
  T* end() { return data_ + count_; }
  const T* begin() const { return data_; }
  const T* end() const { return data_ + count_; }

 private:
  // Moves the elements into fresh storage of capacity elements; 0 or -12.
  int16_t MoveTo(int32_t capacity) {
    auto* block = static_cast<T*>(
        ::operator new(static_cast<std::size_t>(capacity) * sizeof(T), std::nothrow));
    if (block == nullptr) {
      LogLine("out of memory");
      return TROV_ERR_NO_MEMORY;
    }
    std::uninitialized_move(data_, data_ + count_, block);
    std::destroy(data_, data_ + count_);
    ::operator delete(data_, std::nothrow);
    data_ = block;
    capacity_ = capacity;
    return 0;
  }

  T* data_ = nullptr;
  int32_t count_ = 0;
  int32_t capacity_ = 0;
};

}  // namespace trov

#endif  // TROV_GROW_TABLE_H
