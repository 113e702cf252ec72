#include "path_conversion.h"

#include <gtest/gtest.h>

#include "native_path_style.h"

namespace {

using trov::PathStyle;

constexpr PathStyle kWin = PathStyle::kWindows;
constexpr PathStyle kPosix = PathStyle::kPosix;

TEST(PathConversionWindows, ExpandLeavesFullPathsAlone) {
  EXPECT_EQ(trov::ExpandDictionaryName(kWin, "C:\\app", "b.tlx"), "C:\\app\\b.tlx");
  EXPECT_EQ(trov::ExpandDictionaryName(kWin, "C:\\app", "C:\\dicts\\a.tlx"), "C:\\dicts\\a.tlx");
  EXPECT_EQ(trov::ExpandDictionaryName(kWin, "C:\\app", "\\\\server\\share\\d.tlx"),
            "\\\\server\\share\\d.tlx");
  // Only the second character is looked at for the drive colon.
  EXPECT_EQ(trov::ExpandDictionaryName(kWin, "C:\\app", "d:x.tlx"), "d:x.tlx");
  EXPECT_EQ(trov::ExpandDictionaryName(kWin, "C:\\app", "ab:x.tlx"), "C:\\app\\ab:x.tlx");
  // A slash is no separator here: the name is bare.
  EXPECT_EQ(trov::ExpandDictionaryName(kWin, "C:\\app", "/x.tlx"), "C:\\app\\/x.tlx");
  EXPECT_EQ(trov::ExpandDictionaryName(kWin, "C:\\app", ""), "C:\\app\\");
}

TEST(PathConversionWindows, ReduceComparesTheDirectoryCaselessly) {
  EXPECT_EQ(trov::ReduceDictionaryName(kWin, "C:\\app", "C:\\APP\\x.tlx"), "x.tlx");
  EXPECT_EQ(trov::ReduceDictionaryName(kWin, "C:\\app", "C:\\app\\sub\\x.tlx"),
            "C:\\app\\sub\\x.tlx");
  EXPECT_EQ(trov::ReduceDictionaryName(kWin, "C:\\app", "C:\\apps\\x.tlx"), "C:\\apps\\x.tlx");
  EXPECT_EQ(trov::ReduceDictionaryName(kWin, "C:\\app", "x.tlx"), "x.tlx");
  EXPECT_EQ(trov::ReduceDictionaryName(kWin, "C:\\app", "C:/app/x.tlx"), "C:/app/x.tlx");
}

TEST(PathConversionWindows, ListsSplitAtCommasWithoutTrimming) {
  EXPECT_EQ(trov::ExpandDictionaryList(kWin, "C:\\app", "C:\\dicts\\a.tlx,b.tlx"),
            "C:\\dicts\\a.tlx,C:\\app\\b.tlx");
  EXPECT_EQ(trov::ReduceDictionaryList(kWin, "C:\\app", "C:\\dicts\\a.tlx,C:\\app\\b.tlx"),
            "C:\\dicts\\a.tlx,b.tlx");
  EXPECT_EQ(trov::ExpandDictionaryList(kWin, "C:\\app", "a.tlx, b.tlx"),
            "C:\\app\\a.tlx,C:\\app\\ b.tlx");
  // A comma first makes the whole rest one name.
  EXPECT_EQ(trov::ExpandDictionaryList(kWin, "C:\\app", ",x.tlx"), "C:\\app\\,x.tlx");
  EXPECT_EQ(trov::ExpandDictionaryList(kWin, "C:\\app", "a,,b"), "C:\\app\\a,C:\\app\\,b");
  EXPECT_EQ(trov::ExpandDictionaryList(kWin, "C:\\app", "a,"), "C:\\app\\a");
  EXPECT_EQ(trov::ExpandDictionaryList(kWin, "C:\\app", ""), "");
  EXPECT_EQ(trov::ReduceDictionaryList(kWin, "C:\\app", ""), "");
}

TEST(PathConversionPosix, SlashRules) {
  EXPECT_EQ(trov::ExpandDictionaryName(kPosix, "/opt/app", "b.tlx"), "/opt/app/b.tlx");
  EXPECT_EQ(trov::ExpandDictionaryName(kPosix, "/opt/app", "/srv/d.tlx"), "/srv/d.tlx");
  // Windows full-path forms mean nothing here.
  EXPECT_EQ(trov::ExpandDictionaryName(kPosix, "/opt/app", "C:x.tlx"), "/opt/app/C:x.tlx");
  EXPECT_EQ(trov::ExpandDictionaryName(kPosix, "/opt/app", "\\x.tlx"), "/opt/app/\\x.tlx");
  EXPECT_EQ(trov::ReduceDictionaryName(kPosix, "/opt/app", "/opt/app/x.tlx"), "x.tlx");
  EXPECT_EQ(trov::ReduceDictionaryName(kPosix, "/opt/app", "/opt/app/sub/x.tlx"),
            "/opt/app/sub/x.tlx");
  EXPECT_EQ(trov::ReduceDictionaryList(kPosix, "/opt/app", "/srv/a.tlx,/opt/app/b.tlx"),
            "/srv/a.tlx,b.tlx");
}

TEST(PathConversionPosix, DirectoryCaseMatters) {
  // Another spelling is another directory on these file systems; reducing it would later expand
  // to the wrong file.
  EXPECT_EQ(trov::ReduceDictionaryName(kPosix, "/opt/app", "/opt/APP/x.tlx"), "/opt/APP/x.tlx");
}

TEST(PathConversion, RoundTripKeepsShortNamesShort) {
  for (PathStyle style : {kWin, kPosix}) {
    const char* dir = style == kWin ? "C:\\app" : "/opt/app";
    const std::string list = "userdic.tlx,correct.tlx";
    EXPECT_EQ(trov::ReduceDictionaryList(style, dir, trov::ExpandDictionaryList(style, dir, list)),
              list);
  }
}

TEST(PathConversion, NativeStyleMatchesThePlatform) {
#ifdef _WIN32
  EXPECT_EQ(trov::kNativePathStyle, kWin);
#else
  EXPECT_EQ(trov::kNativePathStyle, kPosix);
#endif
}

TEST(PathConversion, CaselessComparisonFoldsOnlyAsciiLetters) {
  EXPECT_TRUE(trov::SameIgnoringAsciiCase("C:\\A.TLX", "c:\\a.tlx"));
  EXPECT_FALSE(trov::SameIgnoringAsciiCase("a.tlx", "a.tlx "));
  EXPECT_FALSE(trov::SameIgnoringAsciiCase("\xC9.tlx", "\xE9.tlx"));
  EXPECT_FALSE(trov::SameIgnoringAsciiCase("[", "{"));  // 0x5B and 0x7B differ by 0x20 too
  EXPECT_FALSE(trov::SameIgnoringAsciiCase("C:\\dir\\..\\a.tlx", "C:\\a.tlx"));
}

}  // namespace
