#include "text/html_entities.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "text/charset.h"

namespace trov {
namespace {

// The entity names of the ISO 8859-1 letters with their codes, as HTML defines them.
constexpr const char* kHtmlLetterEntities =
    "AElig C6, Aacute C1, Acirc C2, Agrave C0, Aring C5, Atilde C3, Auml C4, Ccedil C7, ETH D0, "
    "Eacute C9, Ecirc CA, Egrave C8, Euml CB, Iacute CD, Icirc CE, Igrave CC, Iuml CF, Ntilde D1, "
    "Oacute D3, Ocirc D4, Ograve D2, Oslash D8, Otilde D5, Ouml D6, THORN DE, Uacute DA, "
    "Ucirc DB, Ugrave D9, Uuml DC, Yacute DD, aacute E1, acirc E2, aelig E6, agrave E0, "
    "aring E5, atilde E3, auml E4, ccedil E7, eacute E9, ecirc EA, egrave E8, eth F0, euml EB, "
    "iacute ED, icirc EE, igrave EC, iuml EF, ntilde F1, oacute F3, ocirc F4, ograve F2, "
    "oslash F8, otilde F5, ouml F6, szlig DF, thorn FE, uacute FA, ucirc FB, ugrave F9, "
    "uuml FC, yacute FD, yuml FF";

std::string Decode(const std::string& word, int32_t maxLength = 80) {
  std::string out(static_cast<size_t>(maxLength) + 1, '\x7f');
  const int32_t length = DecodeEntities(word, out.data(), maxLength);
  EXPECT_EQ(out[static_cast<size_t>(length)], '\0');
  out.resize(static_cast<size_t>(length));
  return out;
}

TEST(EntityTables, DecodingTableHoldsEveryLetterEntityInNameOrder) {
  std::istringstream list(kHtmlLetterEntities);
  std::string name;
  std::string code;
  int index = 0;
  while (list >> name >> code) {
    if (code.back() == ',') code.pop_back();
    ASSERT_LT(index, kEntityCount);
    EXPECT_STREQ(kEntityTable[index].name, name.c_str()) << "entry " << index;
    EXPECT_EQ(kEntityTable[index].code, std::stoi(code, nullptr, 16)) << name;
    // The name field is zero-filled to its end.
    for (size_t i = name.size(); i < sizeof kEntityTable[index].name; ++i) {
      EXPECT_EQ(kEntityTable[index].name[i], '\0') << name;
    }
    ++index;
  }
  EXPECT_EQ(index, kEntityCount);
}

TEST(EntityTables, WordEntityListIsInCodeOrderAndEndsWithTheQuotationMark) {
  EXPECT_EQ(kWordEntityNames.front(), "Agrave");
  EXPECT_EQ(kWordEntityNames[1], "Aacute");
  EXPECT_EQ(kWordEntityNames[22], "Ouml");  // D6; D7 is the multiplication sign
  EXPECT_EQ(kWordEntityNames[23], "Oslash");
  EXPECT_EQ(kWordEntityNames[61], "yuml");
  EXPECT_EQ(kWordEntityNames.back(), "#146");
  int previousCode = -1;
  for (int i = 0; i < kEntityCount; ++i) {
    const int code = EntityCharacter(kWordEntityNames[i]);
    EXPECT_GT(code, previousCode) << kWordEntityNames[i];
    previousCode = code;
  }
}

TEST(EntityTables, WordEntityTestIsExactAndCaseSensitive) {
  EXPECT_TRUE(IsWordEntity("eacute"));
  EXPECT_TRUE(IsWordEntity("Eacute"));
  EXPECT_TRUE(IsWordEntity("#146"));
  EXPECT_FALSE(IsWordEntity("EACUTE"));
  EXPECT_FALSE(IsWordEntity("amp"));
  EXPECT_FALSE(IsWordEntity("nbsp"));
  EXPECT_FALSE(IsWordEntity("#233"));
  EXPECT_FALSE(IsWordEntity("eacutex")) << "the word-entity test does not cut names";
  EXPECT_FALSE(IsWordEntity(""));
}

TEST(EntityTables, EntityCharacterSearchesTheFirstSixCharacters) {
  EXPECT_EQ(EntityCharacter("eacute"), 0xE9);
  EXPECT_EQ(EntityCharacter("Eacute"), 0xC9);
  EXPECT_EQ(EntityCharacter("AElig"), 0xC6);
  EXPECT_EQ(EntityCharacter("yuml"), 0xFF);
  EXPECT_EQ(EntityCharacter("eacutex"), 0xE9);
  EXPECT_EQ(EntityCharacter("eacut"), -1);
  EXPECT_EQ(EntityCharacter("amp"), -1);
  EXPECT_EQ(EntityCharacter("#146"), -1);
  EXPECT_EQ(EntityCharacter(""), -1);
  EXPECT_EQ(EntityCharacter("zzzzzz"), -1);
}

TEST(DecodeEntities, NamedEntitiesBecomeTheirLetters) {
  EXPECT_EQ(Decode("caf&eacute;"), "caf\xE9");
  EXPECT_EQ(Decode("CAF&Eacute;"), "CAF\xC9");
  EXPECT_EQ(Decode("&eacute;t&eacute;"), "\xE9t\xE9");
  EXPECT_EQ(Decode("&eacutex;"), "\xE9");
  EXPECT_EQ(Decode("plain"), "plain");
}

TEST(DecodeEntities, NumericEntitiesGiveTheLowEightBits) {
  EXPECT_EQ(Decode("don&#146;t"), "don\x92t");
  EXPECT_EQ(Decode("na&#239;ve"), "na\xEFve");
  EXPECT_EQ(Decode("&#65;"), "A");
  EXPECT_EQ(Decode("&#321;x"), "Ax") << "321 = 0x141";
  EXPECT_EQ(Decode("&#-191;"), "A") << "-191 = 0x...41";
  EXPECT_EQ(Decode("&#66abc;"), "B") << "digits end at the first non-digit";
  EXPECT_EQ(Decode("&#99999999999999999999;"), "\xFF")
      << "an overlong number still yields its low eight bits";
}

TEST(DecodeEntities, ZeroValueEndsTheWord) {
  EXPECT_EQ(Decode("ab&#0;cd"), "ab");
  EXPECT_EQ(Decode("ab&#;cd"), "ab") << "no digits read as 0";
  EXPECT_EQ(Decode("ab&#256;cd"), "ab") << "256 has low bits 0";
}

TEST(DecodeEntities, UnknownOrUnclosedEntitiesStayAsWritten) {
  EXPECT_EQ(Decode("x&amp;y"), "x&amp;y");
  EXPECT_EQ(Decode("AT&T"), "AT") << "an entity left open at the end is dropped";
  EXPECT_EQ(Decode("a&b&eacute;"), "a\xE9") << "a second & restarts the entity";
  EXPECT_EQ(Decode("&;x"), "&;x");
}

TEST(DecodeEntities, OutputAndNamesAreBounded) {
  const std::string longWord(100, 'a');
  EXPECT_EQ(Decode(longWord), std::string(80, 'a'));
  EXPECT_EQ(Decode(longWord + "&eacute;", 5), "aaaaa");
  // A name is collected up to 80 characters: the digits after those are not read.
  EXPECT_EQ(Decode("&#" + std::string(77, '0') + "65" + "9999;"), "A");
  EXPECT_EQ(Decode("&" + std::string(90, 'q') + ";z"), "&" + std::string(79, 'q'));
}

TEST(DecodeEntities, DecodedByteIgnoresTheSelectedSet) {
  ASSERT_TRUE(SelectCharSet(5));
  EXPECT_EQ(Decode("caf&eacute;"), "caf\xE9");
  EXPECT_TRUE(IsLetter(0xE9)) << "in set 5 the byte is a Cyrillic letter";
  SelectCharSet(1);
}

}  // namespace
}  // namespace trov
