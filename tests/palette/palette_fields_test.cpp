#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "palette/palette_diff.h"
#include "palette/palette_file.h"

namespace pennatran {
namespace {

std::vector<std::string> Keys(const nlohmann::ordered_json& entry) {
  std::vector<std::string> keys;
  for (auto it = entry.begin(); it != entry.end(); ++it) keys.push_back(it.key());
  return keys;
}

// A slot's keys come from its record's field names: renaming a field must not change the
// file, nor the order in which a diff names the fields.
TEST(PaletteFieldsTest, KeysAndDiffNamesStayThoseOfThePaletteFile) {
  TPalette palette;
  palette.Held = {{TSlot(17)}, {TSlot(17)}};
  const auto root = nlohmann::ordered_json::parse(WritePaletteJson(palette));
  EXPECT_EQ(
      Keys(root["colors"][0]),
      (std::vector<std::string>{"slot", "name", "screenColor", "screenColorValue", "screenWidth",
                                "printColor", "printColorValue", "printWidth", "pointRadius"}));
  EXPECT_EQ(Keys(root["lineTypes"][0]),
            (std::vector<std::string>{"slot", "name", "pattern", "unitDots", "screenPitch",
                                      "printPitch", "segmentCount", "pitches"}));

  TPalette changed = palette;
  changed.Colors[TSlot(17)] = {0x0000FF, 3, "n", 0, 4, 2};
  changed.LineTypes[TSlot(17)] = {0x12345678, 1, 2, 3, "n", 4, {0, 0, 0, 0, 0, 0, 0, 0, 0, 5}};
  std::vector<std::string> lines;
  for (const TFieldChange& change : CompareSlots(palette, changed, palette.Held))
    lines.push_back(ChangeText(change));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "colour No.17 Name \"Color_17\" → \"n\"",
                       "colour No.17 ScreenColor #000000 → #FF0000",
                       "colour No.17 ScreenWidth 0 → 3",
                       "colour No.17 PrintColor #000000 → #FF0000",
                       "colour No.17 PrintWidth 0 → 4",
                       "colour No.17 PointRadius 0 → 2",
                       "line type No.17 Name \"LType_17\" → \"n\"",
                       "line type No.17 Pattern C3C3C3C3 → 12345678",
                       "line type No.17 UnitDots 8 → 1",
                       "line type No.17 ScreenPitch 1 → 2",
                       "line type No.17 PrintPitch 8 → 3",
                       "line type No.17 SegmentCount 2 → 4",
                       "line type No.17 Pitch1 1 → 0",
                       "line type No.17 Pitch2 1 → 0",
                       "line type No.17 Pitch10 0 → 5",
                   }));
}

}  // namespace
}  // namespace pennatran
