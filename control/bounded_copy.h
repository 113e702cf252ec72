// Copies into the core's fixed text buffers: at most size - 1 characters, always terminated.
#ifndef VANTOR_BOUNDED_COPY_H
#define VANTOR_BOUNDED_COPY_H

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace trov {

template <std::size_t N>
void CopyBounded(std::array<char, N>& destination, std::string_view source) {
  static_assert(N > 0);
  const std::size_t count = std::min(source.size(), N - 1);
  std::copy_n(source.data(), count, destination.data());
  destination[count] = '\0';
}

// A null text reads as the empty text, as an absent automation string does; the result is always
// a terminated string the engine can take.
inline const char* TextOrEmpty(const char* text) { return text == nullptr ? "" : text; }

}  // namespace trov

#endif  // VANTOR_BOUNDED_COPY_H
