#include "com_fixture.h"

#include <ocidl.h>

#include <atomic>

namespace trov::test {

void ControlTest::SetUp() {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  static std::atomic<int> counter{0};
  directory_ =
      std::filesystem::temp_directory_path() /
      ("vantor_activex_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(counter++));
  // Wine reuses process ids: a run that was killed may have left this very folder behind.
  std::error_code ignored;
  std::filesystem::remove_all(directory_, ignored);
  std::filesystem::create_directories(directory_);
}

void ControlTest::TearDown() {
  std::error_code ignored;
  std::filesystem::remove_all(directory_, ignored);
  CoUninitialize();
}

AutomationClient ControlTest::NewControl() {
  ComRef<IDispatch> dispatch = AutomationClient::CreateControl();
  EXPECT_TRUE(dispatch) << "the control is not registered";
  if (dispatch) {
    ComRef<IPersistStreamInit> persist =
        Query<IPersistStreamInit>(dispatch.Get(), IID_IPersistStreamInit);
    EXPECT_EQ(persist->InitNew(), S_OK);
  }
  return AutomationClient(dispatch);
}

void ControlTest::UsePrivateDictionary(AutomationClient& control,
                                       const std::vector<std::wstring>& words) {
  ASSERT_EQ(control.Put(L"MainDictionaryFiles", Var::Text(L"")), S_OK);
  ASSERT_EQ(control.Put(L"UserDictionaryFiles", Var::Text(L"")), S_OK);
  const std::wstring file = (directory_ / "words.tlx").wstring();
  constexpr int16_t kAnyLanguage = 0x7878;
  ASSERT_EQ(
      control.Call(L"CreateUserDictionary", {Var::Text(file), Var::Short(kAnyLanguage)}).number(),
      0);
  for (const std::wstring& word : words) {
    ASSERT_EQ(control
                  .Call(L"AddToUserDictionary",
                        {Var::Text(file), Var::Text(word), Var::Short('i'), Var::Text(L"")})
                  .number(),
              0)
        << std::string(word.begin(), word.end());
  }
  ASSERT_EQ(control.Number(L"UserDictionaryCount"), 1);
}

SIZEL Himetric(int cx, int cy) {
  HDC screen = GetDC(nullptr);
  const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
  const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return {MulDiv(cx, 2540, dpiX), MulDiv(cy, 2540, dpiY)};
}

}  // namespace trov::test
