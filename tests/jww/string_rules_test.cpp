#include "jww/string_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace pennatran {
namespace {

using namespace std::string_literals;

struct CleanCase {
  std::string Raw;
  std::string Reader;
  std::string Writer;
};

class CleaningTest : public ::testing::TestWithParam<CleanCase> {};

TEST_P(CleaningTest, ReaderAndWriterRules) {
  EXPECT_EQ(ReaderClean(GetParam().Raw), GetParam().Reader);
  EXPECT_EQ(WriterClean(GetParam().Raw), GetParam().Writer);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CleaningTest,
    ::testing::Values(
        // raw, reader result, writer result
        CleanCase{"", "", " "},
        CleanCase{"\x82\xA0", "\x82\xA0", "\x82\xA0"},              // two-byte character whole
        CleanCase{"ab\x82", "ab", "ab\x82"},                        // trailing lead byte
        CleanCase{"a\tb", "ab", "ab"},                              // control bytes dropped
        CleanCase{"\x7F\xB1\xDF", "\x7F\xB1\xDF", "\x7F\xB1\xDF"},  // DEL, half-width kana
        CleanCase{"^m", "^m", " "},                                 // only the writer drops ^m
        CleanCase{"a^mb^m", "a^mb^m", "ab"},
        CleanCase{"\x81^m", "\x81^m", "\x81^m"},  // ^ is the second byte here
        CleanCase{"\x01\x02", "", " "}, CleanCase{"a\0b"s, "ab", "ab"},
        CleanCase{"\xE0\x0A", "\xE0\x0A", "\xE0\x0A"},  // follower taken as it is
        CleanCase{"\xFE\xFF", "\xFE\xFF", "\xFE\xFF"},  // FE, FF are one-byte
        // An escape is one character of four bytes: its last byte leads nothing after it.
        CleanCase{"\xFD\x01\x41\x82\x0A", "\xFD\x01\x41\x82", "\xFD\x01\x41\x82"}));

// Cleaning into a short buffer keeps the longest prefix of whole characters of the cleaned
// string: a bound between the two bytes of a character leaves the character out, so that
// the next save does not write half of it.
TEST(CleaningIntoTest, KeepsThePrefixOfWholeCharactersOfTheCleanedString) {
  const std::string raw =
      "a\tb\x82\xA0"
      "c\x01\x95\x5C\x81";
  const std::string whole = ReaderClean(raw);  // "ab", 82 A0, "c", 95 5C
  const std::vector<size_t> kept = {0, 1, 2, 2, 4, 5, 5, 7, 7, 7};
  for (size_t columns = 0; columns < kept.size(); ++columns) {
    std::string buffer(2 * columns, '?');
    const size_t stored = ReaderCleanInto(raw, buffer.data(), columns);
    EXPECT_EQ(buffer.substr(0, stored), whole.substr(0, kept[columns])) << columns;
  }
}

TEST(BlankNameTest, SpacesAndControlsOnly) {
  EXPECT_TRUE(IsBlankName(""));
  EXPECT_TRUE(IsBlankName("  \t"));
  EXPECT_TRUE(IsBlankName("\x81\x40 \x81\x40"));
  EXPECT_FALSE(IsBlankName("Color_1"));
  EXPECT_FALSE(IsBlankName(" \x81"));
  EXPECT_FALSE(IsBlankName("\x82\xA0"));
  EXPECT_FALSE(IsBlankName("\x81\x41"));
}

}  // namespace
}  // namespace pennatran
