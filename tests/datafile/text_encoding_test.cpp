#include <gtest/gtest.h>

#include "datafile/text_encoding.h"

namespace velmora {
namespace {

using namespace std::string_literals;

TEST(DecodeFileText, WithoutAMarkEveryByteIsWindows1252) {
    EXPECT_EQ(decodeFileText("Q.in\t150"), "Q.in\t150");
    // E9 is é, 80 the euro sign, 9F Ÿ; 81 is undefined and keeps its number.
    EXPECT_EQ(decodeFileText("caf\xE9 \x80 \x9F \x81"), "café € Ÿ \u0081");
    EXPECT_EQ(decodeFileText(""), "");
}

TEST(DecodeFileText, TheMarkChoosesTheEncodingAndIsDropped) {
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF"
                             "caf\xC3\xA9 \xE2\x82\xAC"),
              "café €");
    EXPECT_EQ(decodeFileText("\xFF\xFE"
                             "c\0\xE9\0\xAC\x20"s),
              "cé€");
    EXPECT_EQ(decodeFileText("\xFE\xFF"
                             "\0c\0\xE9\x20\xAC"s),
              "cé€");
    // A character beyond the basic plane comes as a surrogate pair.
    EXPECT_EQ(decodeFileText("\xFF\xFE"
                             "\x3D\xD8\x97\xDE"s),
              "\U0001F697");
    EXPECT_EQ(decodeFileText("\xFE\xFF"
                             "\xD8\x3D\xDE\x97"s),
              "\U0001F697");
}

TEST(DecodeFileText, ANulEndsTheText) {
    EXPECT_EQ(decodeFileText("1\t2\0"
                             "3\r\n"s),
              "1\t2");
    EXPECT_EQ(decodeFileText("\xFF\xFE"
                             "1\0\0\0"
                             "2\0"s),
              "1");
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF"
                             "1\0"
                             "2"s),
              "1");
}

TEST(DecodeFileText, MalformedUnicodeBecomesTheReplacementCharacter) {
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF"
                             "a\xC3"
                             "b\xFF"),
              "a\uFFFDb\uFFFD");
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF"
                             "\xC0\xAF"),
              "\uFFFD\uFFFD"); // overlong "/"
    EXPECT_EQ(decodeFileText("\xFF\xFE"
                             "\x00\xDC"
                             "a\0"s),
              "\uFFFDa"); // lone low surrogate
    EXPECT_EQ(decodeFileText("\xFF\xFE"
                             "a\0"
                             "b"s),
              "a"); // half a character
}

TEST(EncodeWindows1252, AsciiPassesAndOtherCharactersMapOrBecomeQuestionMarks) {
    EXPECT_EQ(encodeWindows1252("O/D\t1,000\r\n"), "O/D\t1,000\r\n");
    EXPECT_EQ(encodeWindows1252("café € Ÿ ÿ"), "caf\xE9 \x80 \x9F \xFF");
    EXPECT_EQ(encodeWindows1252("Ω ✓ \U0001F697"), "? ? ?");
    EXPECT_EQ(encodeWindows1252("a\xFF"
                                "b"),
              "a?b");
}

TEST(EncodeWindows1252, EveryByteComesBackAfterDecoding) {
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        bytes += static_cast<char>(b);
    EXPECT_EQ(encodeWindows1252(decodeFileText(bytes)), bytes);
}

} // namespace
} // namespace velmora
