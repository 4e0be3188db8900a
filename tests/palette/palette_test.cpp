// The list line texts of the user slots and the copy of slots between two drawings.
#include "palette/palette.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "jww/text_encoding.h"
#include "support/jww_builder.h"

namespace pennatran {
namespace {

using testing::SampleDocument;

std::string Sjis(const char* utf8) {
  return Utf8ToSjis(utf8);
}

const TColorLineLabels kJapanese = {Sjis("幅:"), Sjis("点半径:")};

TEST(Palette, ColourLineTexts) {
  struct {
    TEntJwwColorExNo Entry;
    int32_t Slot;
    const char* Utf8;
  } rows[] = {
      {{0x0000FF, 1, "", 0x0000FF, 2, 0.3}, 17, "No.17 [] 0000FF 幅:1 0000FF 幅:2 点半径:0.30"},
      {{}, 256, "No.256 [] 000000 幅:0 000000 幅:0 点半径:0.00"},
      {{0xFFFFFFFF, -4, "a]b", 0x1000000, 123456, 12.345},
       30,
       "No.30 [a]b] FFFFFFFF 幅:-4 1000000 幅:123456 点半径:12.35"},
      {{0xABCDEF, 0, "x", 0x12, 0, -2.5}, 99, "No.99 [x] ABCDEF 幅:0 000012 幅:0 点半径:-2.50"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ColorListLine(row.Entry, row.Slot, kJapanese), Sjis(row.Utf8)) << row.Utf8;
  }
  // The names are shown as stored, Shift-JIS bytes included.
  TEntJwwColorExNo named{};
  named.Name = Sjis("赤");
  EXPECT_EQ(ColorListLine(named, 20, kJapanese),
            Sjis("No.20 [赤] 000000 幅:0 000000 幅:0 点半径:0.00"));
}

TEST(Palette, LineTypeLineTexts) {
  auto entry = [](uint32_t pattern, int32_t count) {
    TEntJwwLineTypeExNo e{};
    e.Pattern = pattern;
    e.SegmentCount = count;
    for (int i = 0; i < 10; ++i) e.Pitches[i] = i + 0.5;
    return e;
  };
  TEntJwwLineTypeExNo example{};
  example.SegmentCount = 2;
  example.Pitches[0] = 1;
  example.Pitches[1] = 0.5;
  EXPECT_EQ(LineTypeListLine(example, 17), "No.17 [] 00000000 2 [1.00,0.50]");
  EXPECT_EQ(LineTypeListLine(TEntJwwLineTypeExNo{}, 32), "No.32 [] 00000000 0 []");
  EXPECT_EQ(LineTypeListLine(entry(0xC3, -3), 20), "No.20 [] 000000C3 -3 []");
  EXPECT_EQ(LineTypeListLine(entry(0xFFFFFFFF, 1), 21), "No.21 [] FFFFFFFF 1 [0.50]");
  EXPECT_EQ(LineTypeListLine(entry(1, 12), 22),
            "No.22 [] 00000001 12 "
            "[0.50,1.50,2.50,3.50,4.50,5.50,6.50,7.50,8.50,9.50]");
  TEntJwwLineTypeExNo negative = entry(2, 2);
  negative.Name = "dash";
  negative.Pitches[0] = -1.25;
  EXPECT_EQ(LineTypeListLine(negative, 23), "No.23 [dash] 00000002 2 [-1.25,1.50]");
}

TEST(Palette, ListsHaveAFixedLengthEvenWithoutTables) {
  TJwwData empty;
  std::vector<SjisString> colours = ColorListLines(empty, kJapanese);
  ASSERT_EQ(colours.size(), 240u);
  EXPECT_EQ(colours.front(), Sjis("No.17 [] 000000 幅:0 000000 幅:0 点半径:0.00"));
  EXPECT_EQ(colours.back(), Sjis("No.256 [] 000000 幅:0 000000 幅:0 点半径:0.00"));
  std::vector<SjisString> types = LineTypeListLines(empty);
  ASSERT_EQ(types.size(), 16u);
  EXPECT_EQ(types.back(), "No.32 [] 00000000 0 []");
}

TJwwData Source() {
  TJwwData doc = SampleDocument();
  for (size_t i = 0; i < doc.ColorExNos.size(); ++i) {
    doc.ColorExNos[i].Name = "src" + std::to_string(i);
    doc.ColorExNos[i].ScreenColor = 0x100000 + static_cast<uint32_t>(i);
  }
  for (size_t i = 0; i < doc.LineTypeExNos.size(); ++i) {
    doc.LineTypeExNos[i].Name = "srcl" + std::to_string(i);
    doc.LineTypeExNos[i].Pitches[9] = static_cast<double>(i);
  }
  return doc;
}

TEST(Palette, CopyOverwritesExactlyTheSelectedSlots) {
  TJwwData src = Source();
  TJwwData dst = SampleDocument();
  const TJwwData before = dst;
  CopyColorSlots(src, dst, {239, 0, 3, -1, 240, 1000});
  CopyLineTypeSlots(src, dst, {15, 0, 16, -1});
  for (int32_t slot = 0; slot < 257; ++slot) {
    bool copied = slot == 17 || slot == 20 || slot == 256;
    EXPECT_EQ(dst.ColorExNos[slot], copied ? src.ColorExNos[slot] : before.ColorExNos[slot])
        << slot;
  }
  for (int32_t slot = 0; slot < 33; ++slot) {
    bool copied = slot == 17 || slot == 32;
    EXPECT_EQ(dst.LineTypeExNos[slot],
              copied ? src.LineTypeExNos[slot] : before.LineTypeExNos[slot])
        << slot;
  }
}

TEST(Palette, ACopyIsIndependentAndCopyingTwiceEqualsOnce) {
  TJwwData src = Source();
  TJwwData once = SampleDocument();
  std::vector<int32_t> all(240);
  for (int32_t i = 0; i < 240; ++i) all[i] = i;
  CopyColorSlots(src, once, all);
  TJwwData twice = once;
  CopyColorSlots(src, twice, all);
  EXPECT_EQ(twice.ColorExNos, once.ColorExNos);

  src.ColorExNos[40].Name = "changed later";
  src.ColorExNos[40].ScreenColor = 1;
  EXPECT_EQ(once.ColorExNos[40].Name, "src40");
  EXPECT_EQ(once.ColorExNos[40].ScreenColor, 0x100000u + 40);
}

TEST(Palette, CopyingFromOrIntoADrawingWithoutTables) {
  TJwwData noTables;
  TJwwData dst = Source();
  CopyColorSlots(noTables, dst, {0, 5});
  CopyLineTypeSlots(noTables, dst, {2});
  EXPECT_EQ(dst.ColorExNos[17], TEntJwwColorExNo{});
  EXPECT_EQ(dst.ColorExNos[22], TEntJwwColorExNo{});
  EXPECT_EQ(dst.ColorExNos[18].Name, "src18");
  EXPECT_EQ(dst.LineTypeExNos[19], TEntJwwLineTypeExNo{});
  EXPECT_TRUE(noTables.ColorExNos.empty());

  TJwwData src = Source();
  CopyColorSlots(src, noTables, {1});
  CopyLineTypeSlots(src, noTables, {});
  ASSERT_EQ(noTables.ColorExNos.size(), 257u);
  ASSERT_EQ(noTables.LineTypeExNos.size(), 33u);
  EXPECT_EQ(noTables.ColorExNos[18], src.ColorExNos[18]);
  EXPECT_EQ(noTables.ColorExNos[19], TEntJwwColorExNo{});
}

TEST(Palette, CopyingADrawingOntoItselfChangesNothing) {
  TJwwData doc = Source();
  const TJwwData before = doc;
  CopyColorSlots(doc, doc, {0, 100, 239});
  CopyLineTypeSlots(doc, doc, {0, 15});
  EXPECT_EQ(doc.ColorExNos, before.ColorExNos);
  EXPECT_EQ(doc.LineTypeExNos, before.LineTypeExNos);
}

}  // namespace
}  // namespace pennatran
