// Decoding piece by piece, as "vantor check" reads files, gives what decoding the whole text
// gives, wherever the pieces are cut: through characters, through the byte-order mark, and at
// the faults it must report.
#include "document.h"
#include "engine_text_decoder.h"
#include "tool_fixture.h"

namespace vantor {
namespace {

class EngineTextDecoderTest : public ::testing::Test {
 protected:
  // The engine text, or the error, from feeding bytes in pieces of the given sizes (repeating).
  std::string FedInPieces(const std::string& bytes, std::size_t first, std::size_t rest,
                          const TextEncoding& encoding = TextEncoding::Utf8()) {
    EngineTextDecoder decoder(encoding, charset_);
    std::string out;
    std::size_t piece = first;
    for (std::size_t position = 0; position < bytes.size(); position += piece, piece = rest) {
      if (!decoder.Feed(std::string_view(bytes).substr(position, piece), out)) {
        return "error: " + decoder.Error();
      }
    }
    return decoder.Finish() ? out : "error: " + decoder.Error();
  }

  std::string Whole(const std::string& bytes, const TextEncoding& encoding = TextEncoding::Utf8()) {
    auto decoded = Document::Decode(bytes, encoding, charset_);
    if (decoded.index() == 1) return "error: " + std::get<1>(decoded);
    return std::get<Document>(decoded).EngineText();
  }

  void ExpectSameAnyCut(const std::string& bytes,
                        const TextEncoding& encoding = TextEncoding::Utf8()) {
    const std::string expected = Whole(bytes, encoding);
    for (std::size_t first = 1; first <= bytes.size(); ++first) {
      for (std::size_t rest : {std::size_t{1}, std::size_t{2}, std::size_t{3}, bytes.size()}) {
        EXPECT_EQ(FedInPieces(bytes, first, rest, encoding), expected)
            << "pieces " << first << "/" << rest << " of " << bytes.size();
      }
    }
  }

  EngineCharset charset_ = *EngineCharset::ForSet(1);
};

TEST_F(EngineTextDecoderTest, CharactersCutByPiecesDecodeAsWhole) {
  ExpectSameAnyCut(
      "\xEF\xBB\xBF"
      "caf\xC3\xA9 \xE2\x98\x83 don\xE2\x80\x99t\r\n\xF0\x9F\x98\x80y");
  ExpectSameAnyCut(
      "\xEF\xBB"
      "x");  // looks like a byte-order mark, is not one: invalid
  ExpectSameAnyCut("\xEF\xBB\xBF");
  ExpectSameAnyCut(
      "ab\xEF\xBB\xBF"
      "c");  // a byte-order mark inside the text is a character
  // Long ASCII runs broken at every offset modulo eight.
  std::string mixed;
  for (int i = 0; i < 9; ++i)
    mixed += std::string(static_cast<std::size_t>(7 + i), 'a' + i) + "\xC3\xA9\x7F\x01";
  ExpectSameAnyCut(mixed);
  EXPECT_EQ(Whole("\xEF\xBB\xBF"
                  "ab"),
            "ab");
  EXPECT_EQ(FedInPieces("", 1, 1), "");
}

TEST_F(EngineTextDecoderTest, FaultsAreReportedAtTheirPlaceWhereverThePiecesEnd) {
  ExpectSameAnyCut("ab\n\xC0\xAF");         // overlong
  ExpectSameAnyCut("x\n\ny\xED\xA0\x80z");  // surrogate
  ExpectSameAnyCut("abc\xE2\x98");          // cut short at the end
  ExpectSameAnyCut("\xEF");                 // a lone start of a byte-order mark
  ExpectSameAnyCut("\xEF\xBB");
  ExpectSameAnyCut(std::string("a\nbc\0d", 6));
  ExpectSameAnyCut(std::string("abcdefghijklmnopq\0rs", 20));  // NUL inside an eight-byte stretch
  ExpectSameAnyCut("\xE2\x98\x83\xE2z");                       // a sequence broken by an ASCII byte
  EXPECT_EQ(FedInPieces("ab\n\xE2\x98 x", 4, 1),
            "error: invalid UTF-8 (byte 0xE2 at line 2, column 1); use --encoding to name the "
            "file's encoding");
}

TEST_F(EngineTextDecoderTest, SingleByteEncodingsDecodeAnyCut) {
  const auto latin2 = TextEncoding::Named("ISO-8859-2");
  ASSERT_TRUE(latin2.has_value());
  ExpectSameAnyCut("\xB1\xE6 \xA9x\n\xFF", *latin2);
  ExpectSameAnyCut(std::string("ab\0", 3), *latin2);
}

}  // namespace
}  // namespace vantor
