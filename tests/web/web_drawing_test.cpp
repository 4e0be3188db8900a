// The browser page's halves, run natively: what they save and copy must be what the window
// and the command line save and copy.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "palette/palette.h"
#include "web_drawing.h"

namespace pennatran {
namespace {

std::string Example(const char* name) {
  std::ifstream in(std::filesystem::path(PENNATRAN_SOURCE_DIR) / "examples" / name,
                   std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<int32_t> Lines(int32_t count) {
  std::vector<int32_t> lines;
  for (int32_t i = 0; i < count; ++i) lines.push_back(i);
  return lines;
}

TEST(WebDrawing, CopiesAndSavesTheBytesTheWindowSaves) {
  const std::string source = Example("palette-source.jww");
  const std::string destination = Example("plan-destination.jww");
  TWebDrawing webSource, webDestination;
  ASSERT_TRUE(webSource.Load(source, "palette-source.jww", true).Complete);
  ASSERT_TRUE(webDestination.Load(destination, "plan-destination.jww", false).Complete);
  const std::vector<int32_t> colors = {0, 2, 239};
  const std::vector<int32_t> lineTypes = {1, 15};
  EXPECT_TRUE(webDestination.CopyColorsFrom(webSource, colors));
  EXPECT_TRUE(webDestination.CopyLineTypesFrom(webSource, lineTypes));

  TJwwData windowSource, windowDestination;
  ASSERT_TRUE(windowSource.LoadFromBytes(reinterpret_cast<const uint8_t*>(source.data()),
                                         source.size(), "palette-source.jww"));
  ASSERT_TRUE(windowDestination.LoadFromBytes(reinterpret_cast<const uint8_t*>(destination.data()),
                                              destination.size(), "x.jww"));
  CopySlots(PaletteOfDrawing(windowSource),
            {{TSlot(17), TSlot(19), TSlot(256)}, {TSlot(18), TSlot(32)}}, windowDestination);
  const std::filesystem::path saved =
      std::filesystem::path(testing::TempDir()) / "web_drawing_saved.jww";
  ASSERT_TRUE(windowDestination.SaveToFile(saved, 700));
  EXPECT_EQ(webDestination.SaveBytes(), FileBytes(saved));
  std::filesystem::remove(saved);

  const std::vector<bool> colorMarks = webDestination.ColorsDifferingFrom(webSource);
  ASSERT_EQ(colorMarks.size(), 240u);
  for (const int32_t line : colors) EXPECT_FALSE(colorMarks[static_cast<size_t>(line)]) << line;
}

TEST(WebDrawing, TellsWhatALoadFound) {
  const std::string drawing = Example("plan-destination.jww");
  const struct {
    const char* Name;
    std::string Bytes;
    bool AcceptPalette, Ok, Complete, NotADrawing, IsPalette, Error;
  } cases[] = {
      {"whole drawing", drawing, false, true, true, false, false, false},
      {"cut drawing", drawing.substr(0, drawing.size() / 2), false, true, false, false, false,
       false},
      {"text", "hello", false, true, false, true, false, false},
      {"palette where no palette is taken", "{}", false, false, false, false, true, false},
      {"broken palette", "{\"format\": 1}", true, false, false, false, true, true},
  };
  for (const auto& c : cases) {
    TWebDrawing side;
    const TWebLoadResult result = side.Load(c.Bytes, "f.jww", c.AcceptPalette);
    EXPECT_EQ(result.Ok, c.Ok) << c.Name;
    EXPECT_EQ(result.Complete, c.Complete) << c.Name;
    EXPECT_EQ(result.NotADrawing, c.NotADrawing) << c.Name;
    EXPECT_EQ(result.IsPalette, c.IsPalette) << c.Name;
    EXPECT_EQ(result.Error.empty(), !c.Error) << c.Name;
    EXPECT_EQ(side.Opened(), c.Ok) << c.Name;

    // A palette file that is not taken leaves an open drawing as it was.
    TWebDrawing open;
    ASSERT_TRUE(open.Load(drawing, "d.jww", c.AcceptPalette).Complete);
    const std::vector<std::string> lines = open.ColorLines();
    open.Load(c.Bytes, "f.jww", c.AcceptPalette);
    if (c.IsPalette) {
      EXPECT_EQ(open.ColorLines(), lines) << c.Name;
    }
    EXPECT_TRUE(open.Opened()) << c.Name;
  }
}

// A palette file as source copies only the slots it holds and leaves the others alone.
TEST(WebDrawing, PaletteSourceCopiesItsSlotsOnly) {
  TWebDrawing drawing;
  ASSERT_TRUE(drawing.Load(Example("palette-source.jww"), "s.jww", true).Complete);
  TWebDrawing palette;
  const std::string json = drawing.PaletteJson({3}, {});
  ASSERT_TRUE(palette.Load(json, "p.json", true).IsPalette);
  // Its lists hold its slots only; its preview is the sheet of them.
  EXPECT_EQ(palette.ColorListed(), std::vector<int32_t>{3});
  EXPECT_EQ(palette.ColorLines(), std::vector<std::string>{drawing.ColorLines()[3]});
  EXPECT_TRUE(palette.LineTypeLines().empty());
  EXPECT_EQ(palette.ScreenColor(3), drawing.ScreenColor(3));
  EXPECT_TRUE(palette.SaveBytes().empty());
  EXPECT_NE(palette.PreviewTrace(100, 100).find("rectangle"), std::string::npos);

  TWebDrawing destination;
  ASSERT_TRUE(destination.Load(Example("plan-destination.jww"), "d.jww", false).Complete);
  const std::vector<std::string> before = destination.ColorLines();
  const std::vector<std::string> lineTypesBefore = destination.LineTypeLines();
  EXPECT_TRUE(destination.CopyColorsFrom(palette, Lines(240)));
  EXPECT_FALSE(destination.CopyLineTypesFrom(palette, Lines(16)));
  const std::vector<std::string> after = destination.ColorLines();
  for (size_t line = 0; line < after.size(); ++line) {
    EXPECT_EQ(after[line], line == 3 ? drawing.ColorLines()[3] : before[line]) << line;
  }
  EXPECT_EQ(destination.LineTypeLines(), lineTypesBefore);
}

TEST(WebDrawing, ExportsEveryHeldSlotWhenNoneIsChosen) {
  TWebDrawing drawing;
  ASSERT_TRUE(drawing.Load(Example("palette-source.jww"), "s.jww", true).Complete);
  TWebDrawing palette;
  ASSERT_TRUE(palette.Load(drawing.PaletteJson({}, {}), "p.json", true).Ok);
  EXPECT_EQ(palette.Palette().Held, AllUserSlots());
  EXPECT_EQ(palette.ColorLines(), drawing.ColorLines());
}

}  // namespace
}  // namespace pennatran
