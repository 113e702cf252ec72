// The engine's one container: a growable array of fixed-size, trivially copyable elements. It is
// itself trivially copyable so that records holding a table can live in another table.
#ifndef TROV_GROW_TABLE_H
#define TROV_GROW_TABLE_H

#include <cstddef>
#include <cstdint>

namespace trov {

class GrowTable {
 public:
  // Empty table holding exactly initialCapacity elements; 0 or -12.
  int16_t Init(int32_t elementSize, int32_t initialCapacity);
  // Grows to n + n/2 elements when fewer than n fit; 0 or -12 (logged, table unchanged).
  int16_t Reserve(int32_t n);
  // Copies element to the end; its index, or -12.
  int32_t Append(const void* element);
  // Copies element to index, moving the following ones up; 0 or -12.
  int16_t Insert(int32_t index, const void* element);
  // Removes the element at index, moving the following ones down; 0 or -8.
  int16_t Remove(int32_t index);
  void Clear() { count_ = 0; }
  void Free();

  // Index of an element equal to key by compare(key, element), or -(insertion point) - 1.
  int32_t BinarySearch(const void* key, int (*compare)(const void* key, const void* element)) const;

  int32_t Count() const { return count_; }
  int32_t Capacity() const { return capacity_; }
  void* At(int32_t index) { return data_ + static_cast<std::size_t>(index) * elementSize_; }
  const void* At(int32_t index) const {
    return data_ + static_cast<std::size_t>(index) * elementSize_;
  }
  template <typename T>
  T& Get(int32_t index) {
    return *static_cast<T*>(At(index));
  }
  template <typename T>
  const T& Get(int32_t index) const {
    return *static_cast<const T*>(At(index));
  }

 private:
  std::byte* data_ = nullptr;
  int32_t elementSize_ = 0;
  int32_t count_ = 0;
  int32_t capacity_ = 0;
};

}  // namespace trov

#endif  // TROV_GROW_TABLE_H
