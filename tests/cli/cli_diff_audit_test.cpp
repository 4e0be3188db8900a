// pennatran-cli diff and audit: what they report and their exit codes.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

#include "cli/cli_runner.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

TJwwData Office() {
  TJwwData doc = SampleDocument();
  doc.Header.Version = 700;
  for (size_t i = 0; i < doc.ColorExNos.size(); ++i) {
    doc.ColorExNos[i].Name = "c" + std::to_string(i);
    doc.ColorExNos[i].ScreenColor = static_cast<uint32_t>(i);
  }
  return doc;
}

class DiffAuditTest : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    TJwwData drifted = Office();
    drifted.ColorExNos[23].ScreenColor = 0x8CFFC6;  // shown as #C6FF8C
    drifted.ColorExNos[23].PrintWidth = 9;
    drifted.LineTypeExNos[30].Pitches[2] = 0.5;
    const std::vector<uint8_t> office = TJwwBuilder::Drawing(Office());
    Good = WriteFile("good.jww", office);
    Drifted = WriteFile("drifted.jww", TJwwBuilder::Drawing(drifted));
    std::filesystem::create_directories(Folder / "site" / "deep");
    WriteFile("site/a.jww", office);
    WriteFile("site/deep/B.JWW", TJwwBuilder::Drawing(drifted));
    WriteFile("site/notes.txt", {'h', 'i'});
  }
  std::string Good, Drifted;
};

TEST_F(DiffAuditTest, DiffListsEachDifferingFieldAndExitsOneWhenTheyDiffer) {
  const TCliResult same = Run({"diff", Good, PathOf("site/a.jww")});
  EXPECT_EQ(same.ExitCode, 0) << same.Err;
  EXPECT_EQ(same.Out, "");

  const TCliResult all = Run({"diff", Good, Drifted});
  EXPECT_EQ(all.ExitCode, 1) << all.Err;
  EXPECT_EQ(SplitLines(all.Out), (std::vector<std::string>{
                                     "colour No.23 ScreenColor #170000 → #C6FF8C",
                                     "colour No.23 PrintColor #170000 → #C6FF8C",
                                     "colour No.23 PrintWidth 3 → 9",
                                     "line type No.30 Pitch3 0 → 0.5",
                                 }));

  const TCliResult some = Run({"diff", Good, Drifted, "--colors", "17-22", "--json"});
  EXPECT_EQ(some.ExitCode, 0) << some.Err;
  EXPECT_TRUE(nlohmann::json::parse(some.Out)["equal"].get<bool>());

  const TCliResult json = Run({"diff", Good, Drifted, "--linetypes", "30", "--json"});
  EXPECT_EQ(json.ExitCode, 1);
  EXPECT_EQ(nlohmann::json::parse(json.Out)["changes"][0]["field"], "Pitch3");

  EXPECT_EQ(Run({"diff", Good, PathOf("missing.jww")}).ExitCode, 2);
  EXPECT_EQ(Run({"diff", Good, Drifted, "--colors", "300"}).ExitCode, 2);
}

TEST_F(DiffAuditTest, DiffAgainstAPaletteComparesOnlyItsSlots) {
  ASSERT_EQ(Run({"export", Drifted, "-o", PathOf("p.json"), "--colors", "23"}).ExitCode, 0);
  const TCliResult r = Run({"diff", PathOf("p.json"), Good});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_EQ(SplitLines(r.Out).size(), 3u) << r.Out;
  EXPECT_EQ(Run({"diff", PathOf("p.json"), Drifted}).ExitCode, 0);
}

TEST_F(DiffAuditTest, AuditCountsDriftedAndUnreadableDrawingsUnderFolders) {
  std::vector<uint8_t> broken = TJwwBuilder::Drawing(Office());
  broken.resize(broken.size() / 2);
  WriteFile("site/deep/broken.jww", broken);

  const TCliResult r = Run({"audit", Good, PathOf("site"), "--verbose"});
  EXPECT_EQ(r.ExitCode, 1) << r.Err;
  const std::vector<std::string> lines = SplitLines(r.Out);
  ASSERT_EQ(lines.size(), 8u) << r.Out;
  EXPECT_EQ(lines[0], PathOf("site/a.jww") + ": matches");
  EXPECT_EQ(lines[1], PathOf("site/deep/B.JWW") + ": 2 slots differ");
  EXPECT_EQ(lines[2], "  colour No.23 ScreenColor #170000 → #C6FF8C");
  EXPECT_EQ(lines[6].rfind(PathOf("site/deep/broken.jww") + ": not read completely (offset ", 0),
            0u);
  EXPECT_EQ(lines[7], "3 drawings: 1 match, 1 differ, 1 cannot be read.");

  const TCliResult json = Run({"audit", Good, PathOf("site/deep"), "--json"});
  const nlohmann::json out = nlohmann::json::parse(json.Out);
  EXPECT_EQ(out["drawings"][0]["status"], "differs");
  EXPECT_EQ(out["drawings"][0]["slotsDiffering"], 2);
  EXPECT_EQ(out["drawings"][1]["status"], "unreadable");

  EXPECT_EQ(Run({"audit", Good, PathOf("site/a.jww"), Good}).ExitCode, 0);
  EXPECT_EQ(Run({"audit", Good, PathOf("nowhere")}).ExitCode, 2);
  EXPECT_EQ(Run({"audit", PathOf("nowhere.json"), Good}).ExitCode, 2);
}

}  // namespace
}  // namespace pennatran::testing
