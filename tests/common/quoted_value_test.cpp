// A user's value inside a message: plain values as typed, everything that
// could steer a terminal or split the line escaped, bytes that are not UTF-8
// named, long values cut at 200 characters.

#include "common/quoted_value.h"

#include <gtest/gtest.h>

#include <string>

namespace fretlab {
namespace {

TEST(QuotedValue, APlainValueReadsExactlyAsTyped) {
  EXPECT_EQ(QuotedValue("Dorian"), "\"Dorian\"");
  EXPECT_EQ(QuotedValue(""), "\"\"");
  EXPECT_EQ(QuotedValue("C:\\songs \"old\""), "\"C:\\songs \"old\"\"");
  EXPECT_EQ(QuotedValue("B\u266d \u00e9t\u00e9 \U0001F3B8"), "\"B\u266d \u00e9t\u00e9 \U0001F3B8\"");
  EXPECT_TRUE(IsPlainValue("/home/ann/songs/caf\u00e9.svg"));
}

TEST(QuotedValue, ControlCharactersAreShownNotObeyed) {
  EXPECT_EQ(QuotedValue("a\x1b[31mred\x1b[0m"), "\"a\\x1B[31mred\\x1B[0m\"");
  EXPECT_EQ(QuotedValue("one\ntwo\tthree\rfour"), "\"one\\ntwo\\tthree\\rfour\"");
  EXPECT_EQ(QuotedValue(std::string("nul\0here", 8)), "\"nul\\x00here\"");
  EXPECT_EQ(QuotedValue("bell\x07 del\x7f"), "\"bell\\x07 del\\x7F\"");
  // C1 controls in UTF-8 (U+009B is a terminal's one-character CSI).
  EXPECT_EQ(QuotedValue("a\u009b2Jb\u0085"), "\"a\\u{009B}2Jb\\u{0085}\"");
  EXPECT_FALSE(IsPlainValue("x\n"));
}

TEST(QuotedValue, CharactersThatReorderOrHideTextAreShown) {
  EXPECT_EQ(QuotedValue("abc\u202Egnp.exe"), "\"abc\\u{202E}gnp.exe\"");
  EXPECT_EQ(QuotedValue("\u2066x\u2069 \u200Bz\u2028\uFEFF"),
            "\"\\u{2066}x\\u{2069} \\u{200B}z\\u{2028}\\u{FEFF}\"");
}

TEST(QuotedValue, BytesThatAreNotUtf8AreNamedOneByOne) {
  EXPECT_EQ(QuotedValue("caf\xe9.svg"), "\"caf\\xE9.svg\"");
  EXPECT_EQ(QuotedValue("bad\xff\xfe"), "\"bad\\xFF\\xFE\"");
  // A cut sequence, an overlong form, a surrogate and a code beyond U+10FFFF.
  EXPECT_EQ(QuotedValue("\xe2\x82"), "\"\\xE2\\x82\"");
  EXPECT_EQ(QuotedValue("\xc0\xaf"), "\"\\xC0\\xAF\"");
  EXPECT_EQ(QuotedValue("\xed\xa0\x80"), "\"\\xED\\xA0\\x80\"");
  EXPECT_EQ(QuotedValue("\xf4\x90\x80\x80"), "\"\\xF4\\x90\\x80\\x80\"");
  // The longest forms that are valid stay as they are.
  EXPECT_TRUE(IsPlainValue("\xf4\x8f\xbf\xbf \xef\xbf\xbd \xdf\xbf"));
}

TEST(QuotedValue, ALongValueIsCutAfter200CharactersWithAnEllipsis) {
  const std::string exact(200, 'a');
  EXPECT_EQ(QuotedValue(exact), "\"" + exact + "\"");
  EXPECT_TRUE(IsPlainValue(exact));
  EXPECT_EQ(QuotedValue(exact + "b"), "\"" + exact + "\u2026\"");
  EXPECT_FALSE(IsPlainValue(exact + "b"));
  // 128 KiB of anything gives a short line.
  const std::string huge(128 * 1024, '\x1b');
  const std::string quoted = QuotedValue(huge);
  std::string expected = "\"";
  for (int i = 0; i < 200; ++i) expected += "\\x1B";
  EXPECT_EQ(quoted, expected + "\u2026\"");
  // Characters are counted, not bytes: 200 notes of three bytes each fit.
  std::string flats;
  for (int i = 0; i < 200; ++i) flats += "\u266d";
  EXPECT_EQ(QuotedValue(flats), "\"" + flats + "\"");
  EXPECT_EQ(QuotedValue(flats + "\u266d"), "\"" + flats + "\u2026\"");
}

}  // namespace
}  // namespace fretlab
