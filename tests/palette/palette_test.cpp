// The list line texts of the user slots and the copy of slots between two drawings.
#include "palette/palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
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
    EXPECT_EQ(ListLine(row.Entry, TSlot(row.Slot), kJapanese), Sjis(row.Utf8)) << row.Utf8;
  }
  // The names are shown as stored, Shift-JIS bytes included.
  TEntJwwColorExNo named{};
  named.Name = Sjis("赤");
  EXPECT_EQ(ListLine(named, TSlot(20), kJapanese),
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
  EXPECT_EQ(ListLine(example, TSlot(17)), "No.17 [] 00000000 2 [1.00,0.50]");
  EXPECT_EQ(ListLine(TEntJwwLineTypeExNo{}, TSlot(32)), "No.32 [] 00000000 0 []");
  EXPECT_EQ(ListLine(entry(0xC3, -3), TSlot(20)), "No.20 [] 000000C3 -3 []");
  EXPECT_EQ(ListLine(entry(0xFFFFFFFF, 1), TSlot(21)), "No.21 [] FFFFFFFF 1 [0.50]");
  EXPECT_EQ(ListLine(entry(1, 12), TSlot(22)),
            "No.22 [] 00000001 12 "
            "[0.50,1.50,2.50,3.50,4.50,5.50,6.50,7.50,8.50,9.50]");
  TEntJwwLineTypeExNo negative = entry(2, 2);
  negative.Name = "dash";
  negative.Pitches[0] = -1.25;
  EXPECT_EQ(ListLine(negative, TSlot(23)), "No.23 [dash] 00000002 2 [-1.25,1.50]");
}

TEST(Palette, ListsHaveAFixedLengthEvenWithoutTables) {
  TJwwData empty;
  const TPalette palette = PaletteOfDrawing(empty);
  std::vector<SjisString> colours = ListLines(palette, TSlotKind::Color, kJapanese);
  ASSERT_EQ(colours.size(), 240u);
  EXPECT_EQ(colours.front(), Sjis("No.17 [] 000000 幅:0 000000 幅:0 点半径:0.00"));
  EXPECT_EQ(colours.back(), Sjis("No.256 [] 000000 幅:0 000000 幅:0 点半径:0.00"));
  std::vector<SjisString> types = ListLines(palette, TSlotKind::LineType, kJapanese);
  ASSERT_EQ(types.size(), 16u);
  EXPECT_EQ(types.back(), "No.32 [] 00000000 0 []");
}

// A file that is not a drawing keeps its slot tables unread (info lists them empty), and
// its slots read as zero entries all the same.
TEST(Palette, SlotTablesStayUnreadForAFileThatIsNotADrawing) {
  TJwwData doc;
  const std::string bytes = "not a drawing";
  EXPECT_FALSE(
      doc.LoadFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), "x.jww"));
  EXPECT_TRUE(doc.SlotTable<TSlotKind::Color>().empty());
  EXPECT_TRUE(doc.SlotTable<TSlotKind::LineType>().empty());
  EXPECT_EQ(doc.SlotEntry<TSlotKind::LineType>(TSlot(32)), TEntJwwLineTypeExNo{});
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

std::vector<TSlot> Slots(std::initializer_list<int32_t> numbers) {
  std::vector<TSlot> slots;
  for (int32_t n : numbers) slots.emplace_back(n);
  return slots;
}

TEST(Palette, CopyOverwritesExactlyTheSelectedUserSlots) {
  TJwwData src = Source();
  TJwwData dst = SampleDocument();
  const TJwwData before = dst;
  // Slot 16 is a fixed one; 257 and 33 lie past the tables.
  CopySlots(PaletteOfDrawing(src),
            {Slots({256, 17, 20, 16, 257, 1017}), Slots({32, 17, 33, 16, -1})}, dst);
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
  CopySlots(PaletteOfDrawing(src), AllUserSlots(), once);
  TJwwData twice = once;
  CopySlots(PaletteOfDrawing(src), AllUserSlots(), twice);
  EXPECT_EQ(twice.ColorExNos, once.ColorExNos);
  EXPECT_EQ(twice.LineTypeExNos, once.LineTypeExNos);

  src.ColorExNos[40].Name = "changed later";
  src.ColorExNos[40].ScreenColor = 1;
  EXPECT_EQ(once.ColorExNos[40].Name, "src40");
  EXPECT_EQ(once.ColorExNos[40].ScreenColor, 0x100000u + 40);
}

TEST(Palette, CopyingFromOrIntoADrawingWithoutTables) {
  TJwwData noTables;
  TJwwData dst = Source();
  CopySlots(PaletteOfDrawing(noTables), {Slots({17, 22}), Slots({19})}, dst);
  EXPECT_EQ(dst.ColorExNos[17], TEntJwwColorExNo{});
  EXPECT_EQ(dst.ColorExNos[22], TEntJwwColorExNo{});
  EXPECT_EQ(dst.ColorExNos[18].Name, "src18");
  EXPECT_EQ(dst.LineTypeExNos[19], TEntJwwLineTypeExNo{});
  EXPECT_TRUE(noTables.ColorExNos.empty());

  TJwwData src = Source();
  CopySlots(PaletteOfDrawing(src), {Slots({18}), {}}, noTables);
  ASSERT_EQ(noTables.ColorExNos.size(), 257u);
  EXPECT_TRUE(noTables.LineTypeExNos.empty());
  EXPECT_EQ(noTables.ColorExNos[18], src.ColorExNos[18]);
  EXPECT_EQ(noTables.ColorExNos[19], TEntJwwColorExNo{});
}

TEST(Palette, CopyingADrawingOntoItselfChangesNothing) {
  TJwwData doc = Source();
  const TJwwData before = doc;
  CopySlots(PaletteOfDrawing(doc), {Slots({17, 117, 256}), Slots({17, 32})}, doc);
  EXPECT_EQ(doc.ColorExNos, before.ColorExNos);
  EXPECT_EQ(doc.LineTypeExNos, before.LineTypeExNos);
}

TEST(Palette, PartKeepsOnlyHeldSlotsInOrderAndListsMarkTheirLines) {
  TPalette palette;
  palette.Held = {Slots({17, 20, 256}), Slots({32})};
  const TPalette part = PalettePart(palette, {Slots({256, 18, 17, 17}), Slots({17})});
  EXPECT_EQ(part.Held, (TSlotSet{Slots({17, 256}), {}}));
  EXPECT_EQ(ListLines(part, TSlotKind::Color, kJapanese).size(), 2u);

  const std::vector<bool> marks = MarkedListLines(TSlotKind::LineType, Slots({17, 32, 33}));
  ASSERT_EQ(marks.size(), 16u);
  EXPECT_EQ(std::count(marks.begin(), marks.end(), true), 2);
  EXPECT_TRUE(marks.front() && marks.back());
  EXPECT_EQ(ListLineOf(SlotOfListLine(239)), 239);
  EXPECT_EQ(SlotOfListLine(0), TSlot(17));
}

}  // namespace
}  // namespace pennatran
