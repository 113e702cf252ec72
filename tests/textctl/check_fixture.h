// Test helper: a check loop over a core whose dictionaries live in a scratch directory, an
// in-memory text control, and a listener that records every event in order.
#ifndef VANTOR_TESTS_CHECK_FIXTURE_H
#define VANTOR_TESTS_CHECK_FIXTURE_H

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "check_loop.h"
#include "control/core_fixture.h"
#include "memory_text_control.h"

namespace vantor_test {

using Event = std::pair<trov::CheckEvent, int32_t>;
using Events = std::vector<Event>;

inline Event On(trov::CheckEvent event, int32_t offset = 0) { return {event, offset}; }

class RecordingListener : public trov::CheckListener {
 public:
  void OnCheckEvent(trov::CheckEvent event, int32_t offset) override {
    events.emplace_back(event, offset);
  }
  void OnReplaceOutOfSpace() override { ++outOfSpace; }

  // The events since the last call.
  Events Take() { return std::exchange(events, {}); }

  Events events;
  int outOfSpace = 0;
};

// Where the copy of the text gets its memory when there is none to be had.
inline std::unique_ptr<char[]> NoMemory(std::size_t) { return nullptr; }

class CheckLoopTest : public CoreTest {
 protected:
  void SetUp() override {
    Lexicon("main.tlx",
            {"a", "big", "cat", "dog", "here", "is", "mat", "on", "Paris", "sat", "the"});
    Lexicon("user.tlx", {"sta\tasat", "alot\tca lot"});
    ASSERT_EQ(core.SetList(trov::DictionaryKind::kMain, dir.File("main.tlx")), 0);
    ASSERT_EQ(core.SetList(trov::DictionaryKind::kUser, dir.File("user.tlx")), 0);
  }

  // Attaches a text control holding text.
  void Attach(const std::string& text) {
    control = trov::MemoryTextControl(text);
    loop.AttachTextControl(&control);
  }

  // Records a Change All pair as the host would: the problem word, its replacement, ReplaceAll.
  int16_t ChangeAll(const char* from, const char* to) {
    loop.SetMisspelledWord(from);
    loop.SetReplacementWord(to);
    return loop.ReplaceAllWord();
  }

  // Text of the copy and of the control are one text as long as a control is attached.
  void ExpectText(const std::string& text) {
    EXPECT_EQ(loop.Text(), text);
    EXPECT_EQ(control.Text(), text);
  }

  void ExpectSelection(int32_t start, int32_t end) {
    EXPECT_EQ(control.SelectionStart(), start);
    EXPECT_EQ(control.SelectionEnd(), end);
  }

  RecordingListener listener;
  trov::CheckLoop loop{core, listener};
  trov::MemoryTextControl control;
};

}  // namespace vantor_test

#endif  // VANTOR_TESTS_CHECK_FIXTURE_H
