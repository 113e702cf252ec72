// Tests that host the control: COM on the test thread, a fresh control per test, and a private
// dictionary of known words so checking results do not depend on the default dictionaries.
#ifndef VANTOR_TESTS_COM_FIXTURE_H
#define VANTOR_TESTS_COM_FIXTURE_H

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "automation_client.h"

namespace trov::test {

class ControlTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new control, initialised as a container initialises a new one.
  AutomationClient NewControl();
  // Points the control at a private user dictionary holding words, and no other dictionary.
  void UsePrivateDictionary(AutomationClient& control, const std::vector<std::wstring>& words);

  std::filesystem::path directory_;
};

template <typename T>
ComRef<T> Query(IUnknown* object, REFIID riid) {
  ComRef<T> result;
  object->QueryInterface(riid, reinterpret_cast<void**>(result.Put()));
  return result;
}

// The HIMETRIC size of a pixel extent at the screen's resolution.
SIZEL Himetric(int cx, int cy);

}  // namespace trov::test

#endif  // VANTOR_TESTS_COM_FIXTURE_H
