// The tool's tables of the engine's sets come from the engine's mapping; natively they must equal
// what glibc's converter says of every byte of Windows-1252 and ISO 8859-2 to -10.
#include "byte_table.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

#if !defined(_WIN32)
TEST(ByteTable, EngineSetsAgreeWithGlibcOnEveryByte) {
  for (int set = 1; set <= 10; ++set) {
    const std::string encoding = set == 1 ? "WINDOWS-1252" : "ISO-8859-" + std::to_string(set);
    const auto engine = CharacterSetTable(set);
    const auto glibc = LoadByteTable(encoding);
    ASSERT_TRUE(engine && glibc) << encoding;
    for (int byte = 0; byte < 256; ++byte) {
      EXPECT_EQ(engine->toUnicode[static_cast<std::size_t>(byte)],
                glibc->toUnicode[static_cast<std::size_t>(byte)])
          << encoding << " byte " << byte;
    }
    EXPECT_EQ(engine->fromUnicode, glibc->fromUnicode) << encoding;
  }
}
#endif

TEST(ByteTable, OnlyTheTenSetsHaveEngineTables) {
  EXPECT_FALSE(CharacterSetTable(0));
  EXPECT_FALSE(CharacterSetTable(11));
  const auto cyrillic = CharacterSetTable(5);
  ASSERT_TRUE(cyrillic);
  EXPECT_EQ(cyrillic->Encode(U'ж'), 0xD6);
  EXPECT_EQ(cyrillic->Encode(U'ґ'), std::nullopt);
}

}  // namespace
}  // namespace vantor
