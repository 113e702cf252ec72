// The text-control adapter on real windows of every kind, and kind recognition with the
// registry's class mapping.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "test_windows.h"
#include "text_ctl.h"
#include "text_ctl_kind.h"
#include "window_text_control.h"

namespace trov {
namespace {

using test::TestWindow;

// Installation mappings written for one test and removed again.
class ClassMapping {
 public:
  ClassMapping(const char* className, const char* value) : name_(className) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kVantorRegistryKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                    nullptr);
    RegSetValueExA(key, className, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>(strlen(value) + 1));
    RegCloseKey(key);
  }
  ~ClassMapping() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVantorRegistryKey, 0, KEY_WRITE, &key) ==
        ERROR_SUCCESS) {
      RegDeleteValueA(key, name_);
      RegCloseKey(key);
    }
  }

 private:
  const char* name_;
};

void RegisterPlainClass(const char* className) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);
}

TEST(TextCtlKind, TxClassNamesNeedTwoOrThreeDigitsWorthAtLeastTen) {
  EXPECT_TRUE(TextCtl_IsTxClass("tx11"));
  EXPECT_TRUE(TextCtl_IsTxClass("TX32"));
  EXPECT_TRUE(TextCtl_IsTxClass("tx200"));
  EXPECT_TRUE(TextCtl_IsTxClass("tX10"));
  EXPECT_FALSE(TextCtl_IsTxClass("tx5"));
  EXPECT_FALSE(TextCtl_IsTxClass("tx05"));
  EXPECT_FALSE(TextCtl_IsTxClass("tx0999"));
  EXPECT_FALSE(TextCtl_IsTxClass("tx12a"));
  EXPECT_FALSE(TextCtl_IsTxClass("ax12"));
  EXPECT_FALSE(TextCtl_IsTxClass(""));
}

TEST(TextCtlKind, ClassNamesAndMappings) {
  EXPECT_EQ(TextCtl_KindOfClass("richedit20w", ""), TEXTCTL_RICHEDITW);
  EXPECT_EQ(TextCtl_KindOfClass("RICHEDIT50W", ""), TEXTCTL_RICHEDITW);
  EXPECT_EQ(TextCtl_KindOfClass("RichEdit20a", ""), TEXTCTL_RICHEDIT2A);
  EXPECT_EQ(TextCtl_KindOfClass("richedit", ""), TEXTCTL_RICHEDIT1);
  EXPECT_EQ(TextCtl_KindOfClass("EDIT", ""), TEXTCTL_EDIT);
  EXPECT_EQ(TextCtl_KindOfClass("TX32", ""), TEXTCTL_TX);
  EXPECT_EQ(TextCtl_KindOfClass("tx9", ""), TEXTCTL_EDIT);
  // Substrings decide when nothing else does.
  EXPECT_EQ(TextCtl_KindOfClass("MyRichEdit20AWrapper", ""), TEXTCTL_RICHEDIT2A);
  EXPECT_EQ(TextCtl_KindOfClass("HostRichEdit50WBox", ""), TEXTCTL_RICHEDITW);
  EXPECT_EQ(TextCtl_KindOfClass("OldRichEditPane", ""), TEXTCTL_RICHEDIT1);
  EXPECT_EQ(TextCtl_KindOfClass("WrapTX17Frame", ""), TEXTCTL_TX);
  // A mapping wins over the substrings; one that names no kind falls through to them.
  EXPECT_EQ(TextCtl_KindOfClass("MyRichEdit20AWrapper", "Edit"), TEXTCTL_EDIT);
  EXPECT_EQ(TextCtl_KindOfClass("MyRichEdit20AWrapper", "Nonsense"), TEXTCTL_RICHEDIT2A);
  EXPECT_EQ(TextCtl_KindOfClass("HostPane", "tx16"), TEXTCTL_TX);
  EXPECT_EQ(TextCtl_KindOfClass("HostPane", ""), TEXTCTL_EDIT);
}

TEST(TextCtlKind, BuiltInMappingAndRegistryOverride) {
  EXPECT_EQ(TextCtl_ClassMapping("TRichEdit"), "RICHEDIT");
  EXPECT_EQ(TextCtl_ClassMapping("RichTextWndClass"), "RICHEDIT");
  EXPECT_EQ(TextCtl_ClassMapping("VantorUnmappedClass"), "");

  RegisterPlainClass("TRichEdit");
  const HWND plain = CreateWindowExA(0, "TRichEdit", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(TextCtl_GetKind(plain), TEXTCTL_RICHEDIT1);
  {
    ClassMapping mapping("TRichEdit", "Edit");
    EXPECT_EQ(TextCtl_GetKind(plain), TEXTCTL_EDIT);
  }
  EXPECT_EQ(TextCtl_GetKind(plain), TEXTCTL_RICHEDIT1);
  DestroyWindow(plain);

  RegisterPlainClass("VantorHostText");
  const HWND host = CreateWindowExA(0, "VantorHostText", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
  EXPECT_EQ(TextCtl_GetKind(host), TEXTCTL_EDIT);
  {
    ClassMapping mapping("VantorHostText", "RichEdit20W");
    EXPECT_EQ(TextCtl_GetKind(host), TEXTCTL_RICHEDITW);
  }
  DestroyWindow(host);
}

TEST(TextCtlKind, RealWindowsOfEveryKind) {
  test::RegisterTxClass("TX32");
  const std::array<std::pair<const char*, TextCtlKind>, 5> kinds = {{
      {"Edit", TEXTCTL_EDIT},
      {"RICHEDIT", TEXTCTL_RICHEDIT1},
      {"RichEdit20A", TEXTCTL_RICHEDIT2A},
      {"RichEdit20W", TEXTCTL_RICHEDITW},
      {"TX32", TEXTCTL_TX},
  }};
  for (const auto& [className, kind] : kinds) {
    TestWindow window(className, "x");
    ASSERT_NE(window.handle(), nullptr) << className;
    EXPECT_EQ(TextCtl_GetKind(window.handle()), kind) << className;
  }
}

std::string ReadAll(HWND window) {
  std::string buffer(static_cast<std::size_t>(TextCtl_GetTextLength(window)) + 1, '\0');
  const int32_t got = TextCtl_GetText(window, buffer.data(), static_cast<int32_t>(buffer.size()));
  buffer.resize(static_cast<std::size_t>(got));
  return buffer;
}

TEST(TextCtlText, LineEndsFoldOnlyWhereTheWindowCountsThemAsOne) {
  test::RegisterTxClass("TX32");
  EXPECT_EQ(ReadAll(TestWindow("Edit", "a\r\nb").handle()), "a\r\nb");
  EXPECT_EQ(ReadAll(TestWindow("RICHEDIT", "a\r\nb").handle()), "a\r\nb");
  EXPECT_EQ(ReadAll(TestWindow("RichEdit20A", "a\r\nb").handle()), "a\nb");
  EXPECT_EQ(ReadAll(TestWindow("RichEdit20W", "a\r\nb").handle()), "a\nb");
  EXPECT_EQ(ReadAll(TestWindow("TX32", "a\r\nb").handle()), "a\r\nb");
}

TEST(TextCtlText, ReadingIsBoundedByTheBuffer) {
  test::RegisterTxClass("TX32");
  for (const char* className : {"Edit", "RICHEDIT", "RichEdit20A", "RichEdit20W", "TX32"}) {
    TestWindow window(className, "abcdef");
    std::array<char, 8> buffer;
    buffer.fill('#');
    EXPECT_EQ(TextCtl_GetText(window.handle(), buffer.data(), 4), 3) << className;
    EXPECT_STREQ(buffer.data(), "abc") << className;
    EXPECT_EQ(buffer[4], '#') << className;
  }
}

TEST(TextCtlText, SelectionReplacementAndRangesOnEveryKind) {
  test::RegisterTxClass("TX32");
  for (const char* className : {"Edit", "RICHEDIT", "RichEdit20A", "RichEdit20W", "TX32"}) {
    TestWindow window(className, "the cat sat");
    const HWND w = window.handle();
    TextCtl_SetSel(w, 4, 7);
    const TextSelection selection = TextCtl_GetSel(w);
    EXPECT_EQ(selection.start, 4) << className;
    EXPECT_EQ(selection.end, 7) << className;

    std::array<char, 16> range{};
    EXPECT_EQ(TextCtl_GetTextRange(w, 8, 11, range.data(), static_cast<int32_t>(range.size())), 3)
        << className;
    EXPECT_STREQ(range.data(), "sat") << className;
    // Reading a range through the selection puts the selection back.
    const TextSelection after = TextCtl_GetSel(w);
    EXPECT_EQ(after.start, 4) << className;
    EXPECT_EQ(after.end, 7) << className;

    TextCtl_ReplaceSel(w, "dog");
    EXPECT_EQ(ReadAll(w), "the dog sat") << className;
    EXPECT_EQ(TextCtl_GetTextLength(w), 11) << className;

    TextCtl_SelectChar(w, 2);
    const TextSelection one = TextCtl_GetSel(w);
    EXPECT_EQ(one.end - one.start, 1) << className;
  }
}

TEST(TextCtlText, TextRangeNeverOverrunsTheBuffer) {
  for (const char* className : {"Edit", "RICHEDIT", "RichEdit20A", "RichEdit20W"}) {
    TestWindow window(className, "abcdefghij");
    std::array<char, 8> buffer;
    buffer.fill('#');
    const int32_t got = TextCtl_GetTextRange(window.handle(), 0, 10, buffer.data(), 4);
    EXPECT_EQ(got, 3) << className;
    EXPECT_STREQ(buffer.data(), "abc") << className;
    EXPECT_EQ(buffer[4], '#') << className;
  }
}

TEST(TextCtlText, FindTextIsWholeWordOnRichEditsAndSubstringOnEdits) {
  test::RegisterTxClass("TX32");
  EXPECT_EQ(TextCtl_FindText(TestWindow("Edit", "concatenate").handle(), "cat", 0), 3);
  EXPECT_EQ(TextCtl_FindText(TestWindow("Edit", "a Cat").handle(), "cat", 0), -1);
  EXPECT_EQ(TextCtl_FindText(TestWindow("Edit", "cat cat").handle(), "cat", 1), 4);
  for (const char* className : {"RICHEDIT", "RichEdit20A", "RichEdit20W"}) {
    EXPECT_EQ(TextCtl_FindText(TestWindow(className, "concatenate").handle(), "cat", 0), -1)
        << className;
    EXPECT_EQ(TextCtl_FindText(TestWindow(className, "a concatenate Cat").handle(), "cat", 0), 14)
        << className;
  }
  EXPECT_EQ(TextCtl_FindText(TestWindow("TX32", "the cat").handle(), "cat", 0), 4);
}

TEST(TextCtlFormat, ColoursAndEffects) {
  test::RegisterTxClass("TX32");
  TestWindow edit("Edit", "plain");
  TextCtl_SetSel(edit.handle(), 0, 5);
  TextCtl_SetTextColor(edit.handle(), RGB(255, 0, 0));
  EXPECT_EQ(TextCtl_GetTextColor(edit.handle()), GetSysColor(COLOR_WINDOWTEXT));
  TextCtl_SetEffects(edit.handle(), kEffectBold, kEffectBold);
  EXPECT_EQ(TextCtl_GetEffects(edit.handle()), 0);
  EXPECT_EQ(edit.Text(), "plain");

  for (const char* className : {"RICHEDIT", "RichEdit20A", "RichEdit20W", "TX32"}) {
    TestWindow window(className, "rich text");
    const HWND w = window.handle();
    TextCtl_SetSel(w, 0, 4);
    TextCtl_SetTextColor(w, RGB(200, 0, 0));
    EXPECT_EQ(TextCtl_GetTextColor(w), RGB(200, 0, 0)) << className;
    TextCtl_SetEffects(w, kEffectBold | kEffectUnderline, kEffectBold | kEffectUnderline);
    EXPECT_EQ(TextCtl_GetEffects(w) & (kEffectBold | kEffectUnderline | kEffectItalic),
              kEffectBold | kEffectUnderline)
        << className;
    TextCtl_SetEffects(w, kEffectBold, 0);
    EXPECT_EQ(TextCtl_GetEffects(w) & (kEffectBold | kEffectUnderline), kEffectUnderline)
        << className;
  }
}

TEST(TextCtlFormat, CharacterFromPoint) {
  test::RegisterTxClass("TX32");
  TestWindow tx("TX32", "abcdef");
  EXPECT_EQ(TextCtl_CharFromPos(tx.handle(), 17, 2), 2);
  EXPECT_EQ(TextCtl_CharFromPos(tx.handle(), 17, 40), -1);
  TestWindow rich("RichEdit20A", "abcdef");
  EXPECT_EQ(TextCtl_CharFromPos(rich.handle(), 0, 0), 0);
}

TEST(WindowTextControl, ADestroyedWindowReadsAsEmptyAndIgnoresEdits) {
  HWND gone = nullptr;
  {
    TestWindow window("Edit", "text");
    gone = window.handle();
  }
  WindowTextControl control(gone);
  EXPECT_EQ(control.TextLength(), 0);
  std::array<char, 8> buffer;
  buffer.fill('#');
  EXPECT_EQ(control.GetText(buffer.data(), static_cast<int32_t>(buffer.size())), 0);
  EXPECT_EQ(buffer[0], '\0');
  control.SetSelection(0, 1);
  control.ReplaceSelection("x");
}

}  // namespace
}  // namespace trov
