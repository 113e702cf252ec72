// The document layer: decoding into engine bytes, positions, edits and exact write-back; and the
// atomic file replacement under it.
#include "atomic_write.h"
#include "document.h"
#include "tool_fixture.h"
#include "tool_options.h"

namespace vantor {
namespace {

class DocumentTest : public ToolTest {
 protected:
  Document Decode(const std::string& bytes, const TextEncoding& encoding = TextEncoding::Utf8()) {
    auto decoded = Document::Decode(bytes, encoding, charset_);
    EXPECT_EQ(decoded.index(), 0u) << std::get<1>(decoded);
    return std::get<Document>(std::move(decoded));
  }
  std::string Written(const Document& document,
                      const TextEncoding& encoding = TextEncoding::Utf8()) {
    auto bytes = document.Serialise(encoding, charset_);
    EXPECT_EQ(bytes.index(), 0u);
    return std::get<0>(bytes);
  }

  EngineCharset charset_ = *EngineCharset::ForSet(1);
};

TEST_F(DocumentTest, EveryCharacterIsOneEngineByte) {
  const Document document = Decode(
      "\xEF\xBB\xBF"
      "é\xE2\x98\x83\xE2\x80\x99x\n\xF0\x9F\x98\x80y");
  EXPECT_EQ(document.EngineText(), "\xE9\x1A'x\n\x1Ay");
  EXPECT_EQ(document.PositionOf(3).line, 1u);
  EXPECT_EQ(document.PositionOf(3).column, 4u);
  EXPECT_EQ(document.PositionOf(6).line, 2u);
  EXPECT_EQ(document.PositionOf(6).column, 2u);
  EXPECT_EQ(document.LineAround(1), "\xE9\x1A'x");
}

TEST_F(DocumentTest, UnchangedDocumentsAreWrittenBackByteForByte) {
  const std::string bytes = "\xEF\xBB\xBFna\xC3\xAFve \xE2\x98\x83 don\xE2\x80\x98t\r\n\t\x01z";
  EXPECT_EQ(Written(Decode(bytes)), bytes);
  EXPECT_FALSE(Decode(bytes).Changed());
}

TEST_F(DocumentTest, EditsKeepTheOriginalsAroundThem) {
  Document document = Decode(
      "\xE2\x98\x83"
      "abc don\xE2\x80\x99t \xE2\x98\x83");
  std::string text = document.EngineText();
  text.replace(1, 3, "xyz\xE9");  // abc -> xyzé, in the engine's set
  document.UpdateEngineText(text);
  EXPECT_TRUE(document.Changed());
  EXPECT_EQ(Written(document), "\xE2\x98\x83xyz\xC3\xA9 don\xE2\x80\x99t \xE2\x98\x83");
  text = document.EngineText();
  text.replace(1, 4, "abc");
  document.UpdateEngineText(text);
  EXPECT_FALSE(document.Changed());  // back to what was read
}

TEST_F(DocumentTest, NewCharactersTheEncodingCannotHoldAreRefused) {
  const TextEncoding ascii = *TextEncoding::Named("ISO-8859-7");  // Greek: no é
  Document document = Decode("abc", ascii);
  document.UpdateEngineText("\xE9");
  const auto bytes = document.Serialise(ascii, charset_);
  ASSERT_EQ(bytes.index(), 1u);
  EXPECT_EQ(std::get<1>(bytes), "cannot write U+00E9 in ISO-8859-7");
}

TEST_F(DocumentTest, InvalidTextIsRefusedWithItsPosition) {
  for (const auto& [bytes, message] : std::vector<std::pair<std::string, std::string>>{
           {"ab\n\xC0\xAF", "invalid UTF-8 (byte 0xC0 at line 2, column 1)"},  // overlong
           {"\xED\xA0\x80", "invalid UTF-8 (byte 0xED at line 1, column 1)"},  // surrogate
           {"abc\xE2\x98", "invalid UTF-8 (byte 0xE2 at line 1, column 4)"},   // cut short
           {std::string("a\nb\0", 4), "binary file (NUL character at line 2, column 2)"}}) {
    const auto decoded = Document::Decode(bytes, TextEncoding::Utf8(), charset_);
    ASSERT_EQ(decoded.index(), 1u);
    EXPECT_EQ(std::get<1>(decoded).substr(0, message.size()), message);
  }
}

TEST_F(DocumentTest, ReplacingAFileKeepsABackupAndLeavesNoTemporaryFile) {
  WriteFile("f.txt", "old");
  std::string error;
  ASSERT_TRUE(ReplaceFileAtomically(Path("f.txt"), "new", true, error)) << error;
  EXPECT_EQ(ReadFile("f.txt"), "new");
  EXPECT_EQ(ReadFile("f.txt.bak"), "old");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_)) ++files;
  EXPECT_EQ(files, 6);  // the four dictionaries, the file and its backup
  EXPECT_FALSE(ReplaceFileAtomically(Path("no/such/folder/f.txt"), "x", false, error));
}

TEST(ToolOptionsTest, ValuesSwitchesAndOperands) {
  const std::vector<std::string> arguments = {
      "--depth=70", "--max-suggestions", "5", "--no-catch-doubled", "--html", "a", "--", "--b"};
  const ParsedArguments parsed = ParseArguments(kCheck, arguments);
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.minSuggestionDepth, 70);
  EXPECT_EQ(parsed.options.maxSuggestions, 5);
  EXPECT_FALSE(parsed.options.switches.at(trov::OptionProperty::kCatchDoubledWords));
  EXPECT_TRUE(parsed.options.switches.at(trov::OptionProperty::kIgnoreHTMLMarkups));
  EXPECT_EQ(parsed.options.operands, (std::vector<std::string>{"a", "--b"}));
  EXPECT_EQ(ParseArguments(kCheck, std::vector<std::string>{"--scores"}).error,
            "unknown option --scores");  // belongs to suggest
  EXPECT_EQ(ParseArguments(kCheck, std::vector<std::string>{"--json=1"}).error,
            "option --json takes no value");
  EXPECT_EQ(ParseArguments(kCheck, std::vector<std::string>{"--main"}).error,
            "option --main needs a value");
}

}  // namespace
}  // namespace vantor
