// The palette reader: hostile files are refused with their place named, files that only
// hold values a save changes are read, and names come back exactly as the drawing held them.
#include <gtest/gtest.h>

#include "hostile_palettes.h"
#include "jww/text_encoding.h"
#include "palette/palette_file.h"

namespace pennatran::testing {
namespace {

class HostilePaletteReadTest : public ::testing::TestWithParam<THostilePalette> {};

TEST_P(HostilePaletteReadTest, IsRefusedWithItsPlace) {
  TPalette palette;
  TPaletteFileError error;
  EXPECT_FALSE(ReadPaletteJson(GetParam().Text, palette, error));
  const std::string text = PaletteFileErrorText(error);
  EXPECT_NE(text.find(GetParam().Message), std::string::npos) << text;
  EXPECT_LT(text.size(), 300u) << text;
}

INSTANTIATE_TEST_SUITE_P(Table, HostilePaletteReadTest, ::testing::ValuesIn(HostilePalettes()),
                         [](const auto& param) {
                           std::string name =
                               param.param.File.substr(0, param.param.File.find('.'));
                           std::erase(name, '-');
                           return name;
                         });

TEST(PaletteReader, TakesAByteOrderMarkAndWholeNumbersWithAZeroFraction) {
  const std::string text = "\xEF\xBB\xBF" + PaletteWith(ColorWith(), "\"version\": 1.0");
  std::string slot17 = text;
  slot17.replace(slot17.find("\"slot\": 17"), 10, "\"slot\": 17.0");
  EXPECT_TRUE(LooksLikePaletteFile(slot17));
  TPalette palette;
  TPaletteFileError error;
  ASSERT_TRUE(ReadPaletteJson(slot17, palette, error)) << PaletteFileErrorText(error);
  EXPECT_EQ(palette.Held.Colors, std::vector<TSlot>{TSlot(17)});

  std::string fraction = text;
  fraction.replace(fraction.find("\"slot\": 17"), 10, "\"slot\": 17.5");
  EXPECT_FALSE(ReadPaletteJson(fraction, palette, error));
  EXPECT_EQ(PaletteFileErrorText(error), "/colors/0/slot: must be a whole number from 17 to 256");
  // The parts the words are made of, for a front end that words them itself.
  EXPECT_EQ(error.Failure, TPaletteFileFailure::NotWholeNumber);
  EXPECT_EQ(error.Pointer, "/colors/0/slot");
  EXPECT_EQ(error.High, 256);
}

// A lone surrogate forces the two-byte form; the characters Shift-JIS lacks must survive.
TEST(PaletteReader, NamesComeBackAsTheDrawingHeldThem) {
  const std::string loneSurrogate("\x00\xD8", 2);
  for (const SjisString& name : {Utf8ToSjis("é™𠮷") + FromUtf16Le(loneSurrogate),
                                 SjisString("\x85\x40 unassigned"), Utf8ToSjis("外壁")}) {
    TPalette palette;
    palette.Colors[TSlot(17)].Name = name;
    palette.Colors[TSlot(17)].ScreenColor = palette.Colors[TSlot(17)].PrintColor = 0xFF;
    palette.Held.Colors = {TSlot(17)};
    TPalette back;
    TPaletteFileError error;
    ASSERT_TRUE(ReadPaletteJson(WritePaletteJson(palette), back, error))
        << PaletteFileErrorText(error);
    EXPECT_EQ(back.Colors[TSlot(17)].Name, name) << SjisToUtf8(name);
  }
}

// Files written before nameUtf16 existed carry nameBytes in the one-byte form.
TEST(PaletteReader, ReadsNameBytesAndRefusesBothForms) {
  TPalette palette;
  TPaletteFileError error;
  ASSERT_TRUE(ReadPaletteJson(
      PaletteWith(ColorWith("\"#0000FF\"", "0.5", "\"nameBytes\": \"8540\", ")), palette, error))
      << PaletteFileErrorText(error);
  EXPECT_EQ(palette.Colors[TSlot(17)].Name, "\x85\x40");
  EXPECT_FALSE(
      ReadPaletteJson(PaletteWith(ColorWith("\"#0000FF\"", "0.5",
                                            "\"nameBytes\": \"8540\", \"nameUtf16\": \"4100\", ")),
                      palette, error));
  EXPECT_EQ(PaletteFileErrorText(error), "/colors/0/nameUtf16: goes without \"nameBytes\"");
}

}  // namespace
}  // namespace pennatran::testing
