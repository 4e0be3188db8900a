// Real drawings leave user slot names blank and unused line types at segment count 0 and
// pattern 0; a save fills those in. A palette exported from such a drawing must still
// match once applied, and a second apply must leave every drawing alone.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_runner.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Blank user slot names, unused line types, a print colour other than the screen colour.
TJwwData RealShaped(uint32_t colorBase) {
  TJwwData doc = SampleDocument();
  doc.Header.Version = 700;
  for (size_t i = 17; i < doc.ColorExNos.size(); ++i) {
    TEntJwwColorExNo& c = doc.ColorExNos[i];
    c.Name = "";
    c.ScreenColor = colorBase + static_cast<uint32_t>(i);
    c.PrintColor = 0;
    c.ScreenWidth = 1;
    c.PrintWidth = 1;
    c.PointRadius = i % 2 == 0 ? -0.0 : 0.3;
  }
  for (size_t i = 17; i < doc.LineTypeExNos.size(); ++i) doc.LineTypeExNos[i] = {};
  doc.LineTypeExNos[18] = {0, 2, 1, 1, "", 4, {1.0, 0.5, 1.0, 0.5}};
  doc.ColorExNos[20].Name = "^^mm";
  doc.ColorExNos[21].Name = "\x8A\x4F\x95\xC7";  // 外壁
  return doc;
}

class SettledSlotsTest : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    Source = WriteFile("office.jww", TJwwBuilder::Drawing(RealShaped(0x100), 700, true));
    fs::create_directories(Folder / "site");
    for (int i = 0; i < 3; ++i) {
      TJwwData doc = RealShaped(0x200000 * static_cast<uint32_t>(i + 1));
      doc.ColorExNos[30].Name = "site" + std::to_string(i);
      Drawings.push_back(Folder / "site" / ("d" + std::to_string(i) + ".jww"));
      WriteFile("site/d" + std::to_string(i) + ".jww", TJwwBuilder::Drawing(doc, 700, i == 1));
    }
    Palette = PathOf("office.json");
  }
  std::string Source, Palette;
  std::vector<fs::path> Drawings;
};

TEST_F(SettledSlotsTest, ExportApplyAuditThenASecondApplyWritesNothing) {
  const TCliResult exported = Run({"export", Source, "-o", Palette});
  ASSERT_EQ(exported.ExitCode, 0) << exported.Err;
  EXPECT_EQ(exported.Err, "");  // what a drawing holds gets no word
  const std::string site = PathOf("site");

  const TCliResult first = Run({"apply", Palette, site, "--in-place"});
  ASSERT_EQ(first.ExitCode, 0) << first.Err;
  EXPECT_NE(first.Out.find("3 saved"), std::string::npos) << first.Out;

  const TCliResult audit = Run({"audit", Palette, site});
  EXPECT_EQ(audit.ExitCode, 0) << audit.Out;
  EXPECT_NE(audit.Out.find("3 match, 0 differ"), std::string::npos) << audit.Out;

  std::vector<std::string> bytes;
  const auto old = fs::file_time_type::clock::now() - std::chrono::hours(48);
  for (const fs::path& drawing : Drawings) {
    bytes.push_back(ReadBytes(drawing));
    fs::last_write_time(drawing, old);
  }
  const TCliResult second = Run({"apply", Palette, site, "--in-place"});
  ASSERT_EQ(second.ExitCode, 0) << second.Err;
  EXPECT_NE(second.Out.find("0 saved, 3 unchanged"), std::string::npos) << second.Out;
  for (size_t i = 0; i < Drawings.size(); ++i) {
    EXPECT_EQ(ReadBytes(Drawings[i]), bytes[i]) << Drawings[i];
    EXPECT_EQ(fs::last_write_time(Drawings[i]), old) << Drawings[i];
  }

  // The source itself, never saved by us, matches the palette taken from it.
  EXPECT_EQ(Run({"diff", Palette, Source}).ExitCode, 0);
  EXPECT_EQ(Run({"audit", Palette, Source}).ExitCode, 0);
}

const char kLenient[] = R"({"format": "pennatran-palette", "version": 1.0,
 "colors": [
  {"slot": 17.0, "name": "", "screenColor": "#0000FF", "screenColorValue": 16711680,
   "screenWidth": 1, "printColor": "#000000", "printColorValue": 0, "printWidth": 2,
   "pointRadius": 0.5},
  {"slot": 18, "name": "a\u0001b", "screenColor": "#0000FF", "screenColorValue": 16711680,
   "screenWidth": 1, "printColor": "#000000", "printColorValue": 0, "printWidth": 2,
   "pointRadius": 0.5},
  {"slot": 19, "name": "x", "screenColor": "#0000FF", "screenColorValue": 16711680,
   "screenWidth": 1, "printColor": "#0000FF", "printColorValue": 16711680, "printWidth": 2,
   "pointRadius": 0.5}],
 "lineTypes": [
  {"slot": 17, "name": "", "pattern": 0, "unitDots": 1, "screenPitch": 1,
   "printPitch": 1, "segmentCount": 0, "pitches": [0,0,0,0,0,0,0,0,0,0]},
  {"slot": 18, "name": "odd", "pattern": 1, "unitDots": 1, "screenPitch": 1,
   "printPitch": 1, "segmentCount": 3, "pitches": [1,1,1,0,0,0,0,0,0,0]}]})";

TEST_F(SettledSlotsTest, APaletteWithValuesASaveChangesIsReadAndTheChangesAreNamed) {
  std::ofstream(Palette, std::ios::binary) << kLenient;
  const std::string site = PathOf("site");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"apply", Palette, site, "--dry-run"},
        std::vector<std::string>{"diff", Palette, Source},
        std::vector<std::string>{"audit", Palette, site},
        std::vector<std::string>{"copy", Palette, Source, "-o", PathOf("o.jww"), "--colors", "all"},
        std::vector<std::string>{"export", Palette, "-o", PathOf("o.json")}}) {
    const TCliResult r = Run(args);
    EXPECT_NE(r.ExitCode, 2) << args[0] << ": " << r.Err;
    const std::vector<std::string> lines = SplitLines(r.Err);
    const std::vector<std::string> expected = {
        "pennatran-cli: 2 colour slots: the print colour is saved as the screen colour.",
        "pennatran-cli: 1 colour slot: control characters are dropped from the name.",
        "pennatran-cli: 1 line type slot: a segment count other than 2, 4, 6 or 8 is saved as a "
        "plain two-segment type."};
    EXPECT_EQ(lines, expected) << args[0];
  }
  const TCliResult verbose = Run({"apply", Palette, site, "--dry-run", "--verbose"});
  EXPECT_NE(verbose.Err.find("pennatran-cli:   No.17, No.18\n"), std::string::npos) << verbose.Err;
  EXPECT_NE(verbose.Err.find("pennatran-cli:   No.18\n"), std::string::npos) << verbose.Err;

  // Applied, the palette then matches what the save made of it.
  ASSERT_EQ(Run({"apply", Palette, site, "--in-place"}).ExitCode, 0);
  const TCliResult audit = Run({"audit", Palette, site});
  EXPECT_EQ(audit.ExitCode, 0) << audit.Out;
}

}  // namespace
}  // namespace pennatran::testing
