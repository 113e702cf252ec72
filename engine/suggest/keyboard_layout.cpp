#include "suggest/keyboard_layout.h"

#include <array>
#include <string_view>

namespace trov {
namespace {

struct KeyPosition {
  double column;  // in key widths, with each row's stagger included
  double row;
  bool present;
};

// The rows as they are staggered on the keyboard, a quarter and then half a key further right.
constexpr std::array<std::string_view, 3> kRows = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
constexpr std::array<double, 3> kStagger = {0.0, 0.25, 0.75};

constexpr std::array<KeyPosition, 26> MakePositions() {
  std::array<KeyPosition, 26> positions{};
  for (size_t row = 0; row < kRows.size(); ++row) {
    for (size_t column = 0; column < kRows[row].size(); ++column) {
      positions[static_cast<size_t>(kRows[row][column] - 'a')] = {
          kStagger[row] + static_cast<double>(column), static_cast<double>(row), true};
    }
  }
  return positions;
}

constexpr std::array<KeyPosition, 26> kPositions = MakePositions();

}  // namespace

bool NeighbouringKeys(unsigned char a, unsigned char b) {
  if (a == b || a < 'a' || a > 'z' || b < 'a' || b > 'z') return false;
  const KeyPosition& p = kPositions[a - 'a'];
  const KeyPosition& q = kPositions[b - 'a'];
  const double across = p.column - q.column;
  const double down = p.row - q.row;
  // Keys touch when they are next in a row or overlap diagonally (at most 0.75 key across); the
  // next key but one in a row is 2 away, a diagonal non-neighbour at least 1.25 across.
  return across * across + down * down < 1.6;
}

}  // namespace trov
