#include "memory_text_control.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(MemoryTextControl, SelectionStaysInsideTheTextAndInOrder) {
  trov::MemoryTextControl control("hello");
  control.SetSelection(4, 1);
  EXPECT_EQ(control.SelectionStart(), 1);
  EXPECT_EQ(control.SelectionEnd(), 4);
  control.SetSelection(-3, 99);
  EXPECT_EQ(control.SelectionStart(), 0);
  EXPECT_EQ(control.SelectionEnd(), 5);
}

TEST(MemoryTextControl, ReplacingPutsTheCaretAfterTheNewText) {
  trov::MemoryTextControl control("the cat sat");
  control.SetSelection(4, 7);
  control.ReplaceSelection("horse");
  EXPECT_EQ(control.Text(), "the horse sat");
  EXPECT_EQ(control.SelectionStart(), 9);
  EXPECT_EQ(control.SelectionEnd(), 9);
  control.ReplaceSelection(nullptr);  // an empty selection and no text: nothing changes
  EXPECT_EQ(control.Text(), "the horse sat");
  control.SetSelection(3, 9);
  control.ReplaceSelection("");
  EXPECT_EQ(control.Text(), "the sat");
  EXPECT_EQ(control.SelectionStart(), 3);
}

TEST(MemoryTextControl, GetTextIsBoundedByTheBuffer) {
  trov::MemoryTextControl control("abcdef");
  EXPECT_EQ(control.TextLength(), 6);
  std::array<char, 4> small;
  small.fill('#');
  EXPECT_EQ(control.GetText(small.data(), 4), 3);
  EXPECT_STREQ(small.data(), "abc");
  std::array<char, 16> large;
  EXPECT_EQ(control.GetText(large.data(), 16), 6);
  EXPECT_STREQ(large.data(), "abcdef");
  EXPECT_EQ(control.GetText(large.data(), 0), 0);
  control.ScrollCaret();
  control.ScrollCaret();
  EXPECT_EQ(control.ScrollCount(), 2);
}

}  // namespace
