#include "base/grow_table.h"

#include <cstdlib>
#include <cstring>

#include "base/log.h"
#include "trov.h"

namespace trov {

int16_t GrowTable::Init(int32_t elementSize, int32_t initialCapacity) {
  data_ = nullptr;
  elementSize_ = elementSize;
  count_ = 0;
  capacity_ = 0;
  if (initialCapacity <= 0) return 0;
  data_ = static_cast<std::byte*>(std::calloc(static_cast<std::size_t>(initialCapacity),
                                              static_cast<std::size_t>(elementSize)));
  if (data_ == nullptr) {
    LogLine("out of memory");
    return TROV_ERR_NO_MEMORY;
  }
  capacity_ = initialCapacity;
  return 0;
}

int16_t GrowTable::Reserve(int32_t n) {
  if (capacity_ >= n) return 0;
  const int32_t newCapacity = n + n / 2;
  auto* block = static_cast<std::byte*>(
      std::calloc(static_cast<std::size_t>(newCapacity), static_cast<std::size_t>(elementSize_)));
  if (block == nullptr) {
    LogLine("out of memory");
    return TROV_ERR_NO_MEMORY;
  }
  if (data_ != nullptr) {
    std::memcpy(block, data_, static_cast<std::size_t>(capacity_) * elementSize_);
    std::free(data_);
  }
  data_ = block;
  capacity_ = newCapacity;
  return 0;
}

int32_t GrowTable::Append(const void* element) {
  const int16_t result = Reserve(count_ + 1);
  if (result < 0) return result;
  std::memcpy(At(count_), element, static_cast<std::size_t>(elementSize_));
  return count_++;
}

int16_t GrowTable::Insert(int32_t index, const void* element) {
  const int16_t result = Reserve(count_ + 1);
  if (result < 0) return result;
  std::memmove(At(index + 1), At(index), static_cast<std::size_t>(count_ - index) * elementSize_);
  std::memcpy(At(index), element, static_cast<std::size_t>(elementSize_));
  ++count_;
  return 0;
}

int16_t GrowTable::Remove(int32_t index) {
  if (index < 0 || index >= count_) return TROV_ERR_BUFFER_FULL;
  std::memmove(At(index), At(index + 1),
               static_cast<std::size_t>(count_ - index - 1) * elementSize_);
  --count_;
  return 0;
}

void GrowTable::Free() {
  std::free(data_);
  data_ = nullptr;
  count_ = 0;
  capacity_ = 0;
}

int32_t GrowTable::BinarySearch(const void* key,
                                int (*compare)(const void* key, const void* element)) const {
  int32_t low = 0;
  int32_t high = count_ - 1;
  while (low <= high) {
    const int32_t middle = low + (high - low) / 2;
    const int order = compare(key, At(middle));
    if (order == 0) return middle;
    if (order < 0) {
      high = middle - 1;
    } else {
      low = middle + 1;
    }
  }
  return -low - 1;
}

}  // namespace trov
