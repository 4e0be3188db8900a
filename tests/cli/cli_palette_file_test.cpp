// Palette files: export then copy gives the source's slots exactly; hostile palette files
// are refused with the place named and nothing written; the export validates against the
// published schema.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>

#include "cli/cli_runner.h"
#include "palette/hostile_palettes.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Slots with names that are no text (an unassigned code), an escape-like pair, Japanese,
// and values at the edges of their types.
TJwwData Awkward(const std::string& prefix, uint32_t colorBase) {
  TJwwData doc = SampleDocument();
  doc.Header.Version = 700;
  for (size_t i = 0; i < doc.ColorExNos.size(); ++i) {
    TEntJwwColorExNo& c = doc.ColorExNos[i];
    c.Name = prefix + std::to_string(i);
    c.ScreenColor = colorBase + static_cast<uint32_t>(i) * 0x010203;
    c.ScreenWidth = static_cast<int32_t>(i) - 100;
    c.PrintColor = 0xFF000000u | static_cast<uint32_t>(i);
    c.PrintWidth = std::numeric_limits<int32_t>::min() + static_cast<int32_t>(i);
    c.PointRadius = 0.1 * static_cast<double>(i) + 0.2;
  }
  for (size_t i = 0; i < doc.LineTypeExNos.size(); ++i) {
    TEntJwwLineTypeExNo& t = doc.LineTypeExNos[i];
    t.Name = prefix + std::to_string(i);
    t.Pattern = 0xF0F0F0F0u ^ static_cast<uint32_t>(i);
    t.UnitDots = static_cast<int32_t>(i);
    t.ScreenPitch = -static_cast<int32_t>(i);
    t.PrintPitch = 7;
    t.SegmentCount = 3;
    for (int k = 0; k < 10; ++k) t.Pitches[k] = 1.0 / (k + 1 + static_cast<double>(i));
  }
  doc.ColorExNos[17].Name = "\x85\x40 unassigned";
  doc.ColorExNos[18].Name = "\x8A\x4F\x95\xC7";  // 外壁
  doc.ColorExNos[19].Name = "\x81";              // a lead byte that ends the name
  doc.ColorExNos[20].PointRadius = -0.0;
  doc.LineTypeExNos[17].Pitches[0] = std::numeric_limits<double>::quiet_NaN();
  doc.LineTypeExNos[18].Pitches[1] = std::numeric_limits<double>::infinity();
  doc.LineTypeExNos[19].Name = "\x83\x8A\x83\x5E";
  return doc;
}

class PaletteFileTest : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    Source = WriteFile("src.jww", TJwwBuilder::Drawing(Awkward("src", 0x102030)));
    Destination = WriteFile("dst.jww", TJwwBuilder::Drawing(Awkward("dst", 0x405060)));
    Palette = PathOf("office.json");
  }
  std::string Source, Destination, Palette;
};

TEST_F(PaletteFileTest, ExportThenCopyGivesTheSameSlotsAsACopyFromTheDrawing) {
  ASSERT_EQ(Run({"export", Source, "-o", Palette}).ExitCode, 0);
  EXPECT_NE(ReadText(Palette).find("\"nameBytes\": \"8540"), std::string::npos);
  EXPECT_NE(ReadText(Palette).find("外壁"), std::string::npos);

  for (const std::vector<std::string>& sel :
       {std::vector<std::string>{"--colors", "all", "--linetypes", "all"},
        std::vector<std::string>{"--colors", "17-20,256"},
        {"--linetypes", "17,18,32"}}) {
    std::vector<std::string> viaPalette = {"copy", Palette, Destination, "-o", PathOf("a.jww")};
    std::vector<std::string> viaDrawing = {"copy", Source, Destination, "-o", PathOf("b.jww")};
    viaPalette.insert(viaPalette.end(), sel.begin(), sel.end());
    viaDrawing.insert(viaDrawing.end(), sel.begin(), sel.end());
    const TCliResult a = Run(viaPalette);
    ASSERT_EQ(a.ExitCode, 0) << a.Err;
    ASSERT_EQ(Run(viaDrawing).ExitCode, 0);
    // The palette holds the slots as a save settles them; the drawing copy gets there on
    // its next save.
    const TCliResult same = Run({"diff", PathOf("a.jww"), PathOf("b.jww")});
    EXPECT_EQ(same.ExitCode, 0) << sel[0] << " " << sel[1] << "\n" << same.Out;
  }
}

TEST_F(PaletteFileTest, APartialPaletteHoldsOnlyItsSlots) {
  ASSERT_EQ(Run({"export", Source, "-o", Palette, "--colors", "20-22"}).ExitCode, 0);
  const TCliResult held = Run({"copy", Palette, Destination, "-o", PathOf("a.jww"), "--colors",
                               "all", "--linetypes", "all"});
  ASSERT_EQ(held.ExitCode, 0) << held.Err;
  const TJwwData out = Load(PathOf("a.jww"));
  EXPECT_EQ(out.ColorExNos[21].Name, "src21");
  EXPECT_EQ(out.ColorExNos[23].Name, "dst23");
  EXPECT_NE(out.LineTypeExNos[20].Name, "src20");

  const TCliResult missing =
      Run({"copy", Palette, Destination, "-o", PathOf("b.jww"), "--colors", "23"});
  EXPECT_EQ(missing.ExitCode, 2);
  EXPECT_NE(missing.Err.find("slot 23"), std::string::npos) << missing.Err;
  EXPECT_FALSE(std::filesystem::exists(PathOf("b.jww")));
}

// A source that cannot serve, and a selection it cannot meet, each get one line worded as
// every command words it, the option named.
TEST_F(PaletteFileTest, RefusedSourcesAndSelectionsAreWordedByTheCommandLine) {
  ASSERT_EQ(Run({"export", Source, "-o", Palette, "--colors", "20-22"}).ExitCode, 0);
  std::vector<uint8_t> cut = TJwwBuilder::Drawing(Awkward("cut", 0));
  cut.resize(cut.size() / 2);
  const std::string cutPath = WriteFile("cut.jww", cut);
  const std::string textPath = WriteFile("notes.txt", {'h', 'i', '\n'});
  const struct {
    std::vector<std::string> Args;
    std::string Err;  // the start of the line after "pennatran-cli: "
  } cases[] = {
      {{"export", cutPath, "-o", PathOf("x.json")},
       "\"" + cutPath + "\": not read completely (offset "},
      {{"export", textPath, "-o", PathOf("x.json")},
       "\"" + textPath + "\" is not a Jw_cad drawing file.\n"},
      {{"export", Palette, "-o", PathOf("x.json"), "--linetypes", "18"},
       "--linetypes: slot 18 is not in the source.\n"},
      {{"export", Source, "-o", PathOf("x.json"), "--colors", "20-17"},
       "--colors: the range \"20-17\" runs backwards.\n"},
      {{"diff", Source, Destination, "--colors", "17,x"},
       "--colors: \"x\" is not a slot number or a range such as 17-20.\n"},
      {{"copy", Source, Destination, "-o", PathOf("y.jww"), "--linetypes", "33"},
       "--linetypes: \"33\" lies outside the slots 17..32.\n"},
  };
  for (const auto& c : cases) {
    const TCliResult r = Run(c.Args);
    EXPECT_EQ(r.ExitCode, 2) << c.Err;
    EXPECT_EQ(r.Err.rfind("pennatran-cli: " + c.Err, 0), 0u) << r.Err;
  }
  Locale = "ja_JP.UTF-8";
  EXPECT_EQ(Run({"export", Palette, "-o", PathOf("x.json"), "--linetypes", "18"}, {"LANG"}).Err,
            "pennatran-cli: --linetypes: スロット 18 はコピー元にありません。\n");
  const std::string bad =
      WriteFile("bad.json", {'{', '"', 'f', 'o', 'r', 'm', 'a', 't', '"', ':', '1', '}'});
  EXPECT_EQ(Run({"export", bad, "-o", PathOf("x.json")}, {"LANG"}).Err,
            "pennatran-cli: " + bad + ": /format: 「pennatran-palette」でなければなりません。\n");
}

TEST_F(PaletteFileTest, TheExportValidatesAgainstTheSchema) {
  if (std::system("python3 -c 'import jsonschema' >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "python3 with the jsonschema module is not installed";
  ASSERT_EQ(Run({"export", Source, "-o", Palette}).ExitCode, 0);
  const std::string schema = std::string(PENNATRAN_SOURCE_DIR) + "/docs/palette.schema.json";
  const std::string check =
      "python3 -c 'import json,sys,jsonschema; "
      "jsonschema.validate(json.load(open(sys.argv[1])), json.load(open(sys.argv[2])))' '" +
      Palette + "' '" + schema + "'";
  EXPECT_EQ(std::system(check.c_str()), 0);
}

const char kColor[] =
    R"({"slot": 17, "name": "a", "screenColor": "#0000FF", "screenColorValue": 16711680,
 "screenWidth": 1, "printColor": "#000000", "printColorValue": 0, "printWidth": 2,
 "pointRadius": 0.5})";
const char kLineType[] =
    R"({"slot": 17, "name": "b", "pattern": 1, "unitDots": 1, "screenPitch": 1,
 "printPitch": 1, "segmentCount": 2, "pitches": [1,1,0,0,0,0,0,0,0,0]})";

std::string PaletteText(
    const std::string& colors, const std::string& lineTypes,
    const std::string& head = R"("format": "pennatran-palette", "version": 1)") {
  return "{" + head + ",\n\"colors\": [" + colors + "],\n\"lineTypes\": [" + lineTypes + "]}";
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

struct HostileCase {
  std::string Text;
  std::string Place;  // must appear in the message
};

class HostilePaletteTest : public PaletteFileTest,
                           public ::testing::WithParamInterface<HostileCase> {};

TEST_P(HostilePaletteTest, IsRefusedWithItsPlaceAndWritesNothing) {
  const std::string file = PathOf("bad.json");
  std::ofstream(file, std::ios::binary) << GetParam().Text;
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"copy", file, Destination, "-o", PathOf("out.jww"), "--colors",
                                 "all"},
        std::vector<std::string>{"export", file, "-o", PathOf("out.json")}}) {
    const TCliResult r = Run(args);
    EXPECT_EQ(r.ExitCode, 2) << r.Err;
    EXPECT_NE(r.Err.find(GetParam().Place), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find("bad.json"), std::string::npos) << r.Err;
  }
  EXPECT_FALSE(std::filesystem::exists(PathOf("out.jww")));
  EXPECT_FALSE(std::filesystem::exists(PathOf("out.json")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostilePaletteTest,
    ::testing::Values(
        HostileCase{"{\n  \"format\": \n}", "line 3, column 1"},
        HostileCase{"[1, 2]", "the top level"},
        HostileCase{PaletteText(kColor, kLineType, R"("format": "other", "version": 1)"),
                    "/format"},
        HostileCase{
            PaletteText(kColor, kLineType, R"("format": "pennatran-palette", "version": 2)"),
            "/version"},
        HostileCase{PaletteText(Replace(kColor, "17", "16"), kLineType), "/colors/0/slot"},
        HostileCase{PaletteText(kColor, Replace(kLineType, "17", "33")), "/lineTypes/0/slot"},
        HostileCase{PaletteText(std::string(kColor) + "," + kColor, ""), "/colors/1/slot"},
        HostileCase{
            PaletteText(Replace(kColor, "\"screenWidth\": 1", "\"screenWidth\": \"1\""), ""),
            "/colors/0/screenWidth"},
        HostileCase{
            PaletteText(Replace(kColor, "\"printWidth\": 2", "\"printWidth\": 2147483648"), ""),
            "/colors/0/printWidth"},
        HostileCase{PaletteText(Replace(kColor, "#0000FF", "#FF0000"), ""),
                    "/colors/0/screenColor"},
        HostileCase{
            PaletteText(Replace(kColor, "\"pointRadius\": 0.5", "\"pointRadius\": null"), ""),
            "/colors/0/pointRadius"},
        HostileCase{
            PaletteText(Replace(kColor, "\"name\": \"a\"", "\"name\": \"a\", \"nameBytes\": \"8\""),
                        ""),
            "/colors/0/nameBytes"},
        HostileCase{
            PaletteText(Replace(kColor, "\"name\": \"a\"", "\"colour\": 1, \"name\": \"a\""), ""),
            "/colors/0/colour"},
        HostileCase{PaletteText("", Replace(kLineType, "0,0,0,0,0,0,0,0]", "0,0,0,0,0,0,0]")),
                    "/lineTypes/0/pitches"},
        HostileCase{PaletteText("", Replace(kLineType, "\"pattern\": 1", "\"pattern\": -1")),
                    "/lineTypes/0/pattern"},
        HostileCase{R"({"format": "pennatran-palette", "version": 1, "colors": []})",
                    "\"lineTypes\" is missing"}));

// Each command that takes a source refuses them alike, and none of them crashes.
TEST_F(PaletteFileTest, EveryCommandRefusesTheAttackPalettes) {
  for (const THostilePalette& hostile : HostilePalettes()) {
    const std::string file = PathOf(hostile.File);
    std::ofstream(file, std::ios::binary) << hostile.Text;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"copy", file, Destination, "-o", PathOf("out.jww"), "--colors",
                                   "all"},
          std::vector<std::string>{"export", file, "-o", PathOf("out.json")},
          std::vector<std::string>{"diff", file, Destination},
          std::vector<std::string>{"audit", file, Destination},
          std::vector<std::string>{"apply", file, Destination, "--in-place"}}) {
      const TCliResult r = Run(args);
      EXPECT_TRUE(r.ExitCode == 1 || r.ExitCode == 2) << args[0] << " " << hostile.File;
      EXPECT_NE(r.Err.find(hostile.Message), std::string::npos) << args[0] << ": " << r.Err;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(PathOf("out.jww")));
  EXPECT_FALSE(std::filesystem::exists(PathOf("out.json")));
}

}  // namespace
}  // namespace pennatran::testing
