// One half of a copy, as the window, the page and the command line hold it: what it saves
// and copies must be what the drawing library saves and copies.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

#include "palette/palette.h"
#include "session/half_session.h"
#include "support/jww_builder.h"

namespace pennatran {
namespace {

using testing::Append;
using testing::MakeLine;
using testing::SampleDocument;
using testing::TJwwBuilder;

const TColorLineLabels kLabels = {"w:", "r:"};

std::string Example(const char* name) {
  std::ifstream in(std::filesystem::path(PENNATRAN_SOURCE_DIR) / "examples" / name,
                   std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<TSlot> Slots(std::initializer_list<int32_t> numbers) {
  std::vector<TSlot> slots;
  for (const int32_t number : numbers) slots.push_back(TSlot(number));
  return slots;
}

TEST(HalfSession, CopiesAndSavesTheBytesTheWindowSaves) {
  const std::string source = Example("palette-source.jww");
  const std::string destination = Example("plan-destination.jww");
  THalfSession sourceHalf, destinationHalf;
  ASSERT_TRUE(sourceHalf.OpenBytes(source, "palette-source.jww", true).Complete);
  ASSERT_TRUE(destinationHalf.OpenBytes(destination, "plan-destination.jww", false).Complete);
  TSlotSet chosen;
  chosen.Colors = Slots({17, 19, 256});
  chosen.LineTypes = Slots({18, 32});
  EXPECT_TRUE(destinationHalf.CopyFrom(sourceHalf, TSlotKind::Color, chosen.Colors));
  EXPECT_TRUE(destinationHalf.CopyFrom(sourceHalf, TSlotKind::LineType, chosen.LineTypes));

  TJwwData windowSource, windowDestination;
  ASSERT_TRUE(windowSource.LoadFromBytes(reinterpret_cast<const uint8_t*>(source.data()),
                                         source.size(), "palette-source.jww"));
  ASSERT_TRUE(windowDestination.LoadFromBytes(reinterpret_cast<const uint8_t*>(destination.data()),
                                              destination.size(), "x.jww"));
  CopySlots(PaletteOfDrawing(windowSource), chosen, windowDestination);
  const std::filesystem::path saved =
      std::filesystem::path(::testing::TempDir()) / "half_session_saved.jww";
  ASSERT_TRUE(windowDestination.SaveToFile(saved, 700));
  EXPECT_EQ(destinationHalf.SaveBytes(), FileBytes(saved));

  const std::vector<TSlot> differing = destinationHalf.DifferingFrom(sourceHalf, TSlotKind::Color);
  for (const TSlot slot : chosen.Colors) EXPECT_FALSE(Holds(differing, slot)) << slot.Number();
  // The lines it holds after the copy are the drawing's own, read whole.
  const TPalette read = PaletteOfDrawing(destinationHalf.Drawing());
  for (const TSlot slot : UserSlots(TSlotKind::Color)) {
    EXPECT_EQ(destinationHalf.Palette().Colors[slot], read.Colors[slot]) << slot.Number();
  }
  for (const TSlot slot : UserSlots(TSlotKind::LineType)) {
    EXPECT_EQ(destinationHalf.Palette().LineTypes[slot], read.LineTypes[slot]) << slot.Number();
  }

  // A save to a file writes the same bytes and settles the copies.
  EXPECT_TRUE(destinationHalf.Unsaved());
  ASSERT_TRUE(destinationHalf.SaveToFile(saved));
  EXPECT_FALSE(destinationHalf.Unsaved());
  EXPECT_EQ(FileBytes(saved), destinationHalf.SaveBytes());
  std::filesystem::remove(saved);
}

// Lines given mark copies unsaved even where the source holds none of them; nothing is
// copied into a palette file or from a half not opened.
TEST(HalfSession, CopiesOnlyBetweenOpenHalves) {
  THalfSession drawing, palette, closed;
  ASSERT_TRUE(drawing.OpenBytes(Example("plan-destination.jww"), "d.jww", false).Complete);
  ASSERT_TRUE(palette.OpenBytes(drawing.PaletteJson({Slots({18}), {}}), "p.json", true).Ok);
  EXPECT_FALSE(drawing.CopyFrom(closed, TSlotKind::Color, Slots({18})));
  EXPECT_FALSE(drawing.Unsaved());
  EXPECT_FALSE(palette.CopyFrom(drawing, TSlotKind::Color, Slots({18})));
  EXPECT_FALSE(drawing.CopyFrom(palette, TSlotKind::Color, Slots({19})));
  EXPECT_TRUE(drawing.Unsaved());
  EXPECT_TRUE(drawing.DifferingFrom(closed, TSlotKind::Color).empty());
}

TEST(HalfSession, TellsWhatALoadFound) {
  const std::string drawing = Example("plan-destination.jww");
  const struct {
    const char* Name;
    std::string Bytes;
    bool AcceptPalette, Ok, Complete, NotADrawing, IsPalette, Error;
  } cases[] = {
      {"whole drawing", drawing, false, true, true, false, false, false},
      {"cut drawing", drawing.substr(0, drawing.size() / 2), false, true, false, false, false,
       false},
      {"text", "hello", false, false, false, true, false, false},
      {"palette where no palette is taken", "{}", false, false, false, false, true, false},
      {"broken palette", "{\"format\": 1}", true, false, false, false, true, true},
  };
  for (const auto& c : cases) {
    THalfSession side;
    const TSessionLoad result = side.OpenBytes(c.Bytes, "f.jww", c.AcceptPalette);
    EXPECT_EQ(result.Ok, c.Ok) << c.Name;
    EXPECT_EQ(result.Complete, c.Complete) << c.Name;
    EXPECT_EQ(result.NotADrawing, c.NotADrawing) << c.Name;
    EXPECT_EQ(result.IsPalette, c.IsPalette) << c.Name;
    EXPECT_EQ(result.PaletteError.Failure == TPaletteSourceFailure::None, !c.Error) << c.Name;
    EXPECT_EQ(side.Opened(), c.Ok) << c.Name;

    // A palette file that is not taken, and what is no drawing, leave an open drawing as it
    // was.
    THalfSession open;
    ASSERT_TRUE(open.OpenBytes(drawing, "d.jww", c.AcceptPalette).Complete);
    const std::vector<std::string> lines = open.ListTexts(TSlotKind::Color, kLabels);
    open.OpenBytes(c.Bytes, "f.jww", c.AcceptPalette);
    if (c.IsPalette || c.NotADrawing) {
      EXPECT_EQ(open.ListTexts(TSlotKind::Color, kLabels), lines) << c.Name;
    }
    EXPECT_TRUE(open.Opened()) << c.Name;
  }
}

// A file that is no drawing leaves the half as it was: its drawing, copies not saved, and
// the images extracted into its scratch folder; the load still says why.
TEST(HalfSession, AFileThatIsNoDrawingLeavesTheHalfAsItWas) {
  const std::filesystem::path folder =
      std::filesystem::path(::testing::TempDir()) / "half_session_no_drawing";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder / "scratch");
  TJwwData withImage = SampleDocument();
  Append(withImage, MakeLine(0, 0, 10, 10));
  TJwwBuilder builder(700);
  builder.Header(withImage).EntitySection(withImage).Images({{"photo.bmp", "BM photo"}});
  ASSERT_TRUE(builder.WriteTo(folder / "d.jww"));
  std::ofstream(folder / "notes.jww", std::ios::binary) << "not a drawing";

  THalfSession source, half;
  ASSERT_TRUE(source.OpenBytes(Example("palette-source.jww"), "s.jww", true).Complete);
  half.SetScratchFolder(folder / "scratch");
  ASSERT_TRUE(half.OpenDrawingFile(folder / "d.jww").Complete);
  ASSERT_TRUE(half.CopyFrom(source, TSlotKind::Color, Slots({17})));
  const std::vector<std::string> lines = half.ListTexts(TSlotKind::Color, kLabels);
  const std::string bytes = half.SaveBytes();

  const TSessionLoad load = half.OpenDrawingFile(folder / "notes.jww");
  EXPECT_FALSE(load.Ok);
  EXPECT_TRUE(load.NotADrawing);
  EXPECT_TRUE(load.Error.NotADrawing());
  EXPECT_TRUE(half.Opened());
  EXPECT_TRUE(half.Unsaved());
  EXPECT_EQ(half.ListTexts(TSlotKind::Color, kLabels), lines);
  EXPECT_EQ(half.SaveBytes(), bytes);
  EXPECT_EQ(FileBytes(folder / "scratch" / "photo.bmp"), "BM photo");

  // A drawing that is taken replaces the images of the one before, even of the same name.
  TJwwBuilder other(700);
  other.Header(withImage).EntitySection(withImage).Images({{"photo.bmp", "BM other"}});
  ASSERT_TRUE(other.WriteTo(folder / "e.jww"));
  ASSERT_TRUE(half.OpenDrawingFile(folder / "e.jww").Ok);
  EXPECT_FALSE(half.Unsaved());
  EXPECT_EQ(FileBytes(folder / "scratch" / "photo.bmp"), "BM other");
  half.Close();
  EXPECT_FALSE(std::filesystem::exists(folder / "scratch" / "photo.bmp"));
  std::filesystem::remove_all(folder);
}

// A palette file as source copies only the slots it holds and leaves the others alone.
TEST(HalfSession, PaletteSourceCopiesItsSlotsOnly) {
  THalfSession drawing;
  ASSERT_TRUE(drawing.OpenBytes(Example("palette-source.jww"), "s.jww", true).Complete);
  THalfSession palette;
  const std::string json = drawing.PaletteJson({Slots({20}), {}});
  ASSERT_TRUE(palette.OpenBytes(json, "p.json", true).IsPalette);
  // Its lists hold its slots only; its preview is the sheet of them.
  EXPECT_EQ(palette.Listed(TSlotKind::Color), Slots({20}));
  EXPECT_EQ(palette.ListTexts(TSlotKind::Color, kLabels),
            std::vector<std::string>{drawing.ListTexts(TSlotKind::Color, kLabels)[3]});
  EXPECT_TRUE(palette.ListTexts(TSlotKind::LineType, kLabels).empty());
  EXPECT_EQ(palette.Entry<TSlotKind::Color>(TSlot(20)).ScreenColor,
            drawing.Entry<TSlotKind::Color>(TSlot(20)).ScreenColor);
  EXPECT_TRUE(palette.SaveBytes().empty());
  EXPECT_NE(palette.PreviewTrace(100, 100).find("rectangle"), std::string::npos);

  THalfSession destination;
  ASSERT_TRUE(destination.OpenBytes(Example("plan-destination.jww"), "d.jww", false).Complete);
  const std::vector<std::string> before = destination.ListTexts(TSlotKind::Color, kLabels);
  const std::vector<std::string> lineTypesBefore =
      destination.ListTexts(TSlotKind::LineType, kLabels);
  EXPECT_TRUE(destination.CopyFrom(palette, TSlotKind::Color, UserSlots(TSlotKind::Color)));
  EXPECT_FALSE(destination.CopyFrom(palette, TSlotKind::LineType, UserSlots(TSlotKind::LineType)));
  const std::vector<std::string> after = destination.ListTexts(TSlotKind::Color, kLabels);
  for (size_t line = 0; line < after.size(); ++line) {
    EXPECT_EQ(after[line],
              line == 3 ? drawing.ListTexts(TSlotKind::Color, kLabels)[3] : before[line])
        << line;
  }
  EXPECT_EQ(destination.ListTexts(TSlotKind::LineType, kLabels), lineTypesBefore);
}

TEST(HalfSession, ExportsEveryHeldSlotWhenNoneIsChosen) {
  THalfSession drawing;
  ASSERT_TRUE(drawing.OpenBytes(Example("palette-source.jww"), "s.jww", true).Complete);
  THalfSession palette;
  ASSERT_TRUE(palette.OpenBytes(drawing.PaletteJson({}), "p.json", true).Ok);
  EXPECT_EQ(palette.Palette().Held, AllUserSlots());
  EXPECT_EQ(palette.ListTexts(TSlotKind::Color, kLabels),
            drawing.ListTexts(TSlotKind::Color, kLabels));
}

// A drawing whose background is neither black nor white previews on the mode the set-up
// before it left, whichever half that was; a redraw keeps each half's first mode.
TEST(HalfSession, AMidToneBackgroundKeepsTheModeTheOpenBeforeLeft) {
  const auto drawingOn = [](uint32_t background) {
    TJwwData doc = SampleDocument();
    doc.Pens[0].ScreenColor = background;
    Append(doc, MakeLine(0, 0, 100, 50));
    const std::vector<uint8_t> bytes = TJwwBuilder::Drawing(doc);
    return std::string(bytes.begin(), bytes.end());
  };
  const std::string black = drawingOn(0x000000), white = drawingOn(0xFFFFFF),
                    midTone = drawingOn(0x808080);
  THalfSession source, destination;
  for (THalfSession* half : {&source, &destination}) half->ResetPreview(120, 80, {});
  const auto back = [](const THalfSession& half) {
    return half.Context().Attributes->GetBackColor();
  };

  TPreviewCarry carry;
  ASSERT_TRUE(source.OpenBytes(black, "black.jww", false).Complete);
  EXPECT_EQ(source.PreparePreview(carry), BackgroundMode::Black);
  ASSERT_TRUE(destination.OpenBytes(midTone, "mid.jww", false).Complete);
  EXPECT_EQ(destination.PreparePreview(carry), BackgroundMode::Black);
  EXPECT_EQ(back(destination), 0x000000u);
  EXPECT_EQ(carry.BackMode, BackgroundMode::Black);

  // A white source opened later changes neither the destination's redraw nor its mode.
  ASSERT_TRUE(source.OpenBytes(white, "white.jww", false).Complete);
  EXPECT_EQ(source.PreparePreview(carry), BackgroundMode::White);
  destination.PrepareRedraw(carry);
  EXPECT_EQ(back(destination), 0x000000u);
  EXPECT_EQ(destination.BackMode(), BackgroundMode::Black);
  EXPECT_EQ(carry.BackMode, BackgroundMode::White);
  EXPECT_EQ(back(source), 0xFFFFFFu);

  // From a fresh carry, as the page and the command line start, it previews on white.
  TPreviewCarry fresh;
  EXPECT_EQ(destination.PreparePreview(fresh), BackgroundMode::White);
  const std::string trace = destination.PreviewTrace(120, 80);
  EXPECT_EQ(trace.substr(0, trace.find('\n')), "pen FFFFFF 1 solid");
}

}  // namespace
}  // namespace pennatran
