// pennatran-cli reports what it met honestly: names it cannot print as they are, entries
// that are not drawings, links, exit codes, and outputs too big to write.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_runner.h"
#include "support/jww_builder.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pennatran::testing {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TJwwData Office() {
  TJwwData doc = SampleDocument();
  doc.Header.Version = 700;
  doc.ColorExNos[20].ScreenColor = 0x123456;
  return doc;
}

class ReportsTest : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    TJwwData drifted = Office();
    // DEL survives loading and saving, so it reaches the printed lines.
    drifted.ColorExNos[20].Name = "red\x7f";
    Good = WriteFile("good.jww", TJwwBuilder::Drawing(Office()));
    Drifted = WriteFile("drifted.jww", TJwwBuilder::Drawing(drifted));
    fs::create_directories(Folder / "site");
  }

  // Runs the command line under timeout, so that a read that never ends fails the test
  // instead of holding it.
  TCliResult RunBounded(std::vector<std::string> args) const {
    args.insert(args.begin(), {"60", PENNATRAN_CLI});
    return Run(args, {}, "timeout");
  }

  std::string Good, Drifted;
};

TEST_F(ReportsTest, JsonOfFileNamesThatAreNotUtf8IsWholeAndTheTextKeepsTheirBytes) {
  fs::copy_file(Drifted, Folder / "site" / "\xff\xfe.jww");
  const std::vector<std::vector<std::string>> runs = {
      {"apply", Good, PathOf("site"), "--out-dir", PathOf("out"), "--json"},
      {"audit", Good, PathOf("site"), "--json", "--verbose"},
  };
  for (const std::vector<std::string>& args : runs) {
    const TCliResult r = Run(args);
    EXPECT_LE(r.ExitCode, 1) << args[0] << r.Err;
    const nlohmann::json out = nlohmann::json::parse(r.Out);
    const nlohmann::json& first = out[args[0] == "apply" ? "files" : "drawings"][0];
    EXPECT_NE(first["path"].get<std::string>().find("\xEF\xBF\xBD"), std::string::npos) << args[0];
  }
  EXPECT_TRUE(fs::exists(Folder / "out" / "\xff\xfe.jww"));
  const TCliResult text = Run({"audit", Good, PathOf("site")});
  EXPECT_NE(text.Out.find("/\xff\xfe.jww: 1 slot differs"), std::string::npos) << text.Out;
}

TEST_F(ReportsTest, ExportNeverWritesOverItsSourceOrADrawing) {
  const std::string good = Bytes(Good), drifted = Bytes(Drifted);
  fs::create_symlink(Good, Folder / "link.jww");
  const std::vector<std::string> outputs = {Good, PathOf("./good.jww"), PathOf("link.jww"),
                                            Drifted};
  for (const std::string& output : outputs) {
    const TCliResult r = Run({"export", Good, "-o", output});
    EXPECT_EQ(r.ExitCode, 2) << output;
    EXPECT_NE(r.Err.find(output), std::string::npos) << r.Err;
  }
  EXPECT_EQ(Bytes(Good), good);
  EXPECT_EQ(Bytes(Drifted), drifted);
  // A palette file may be written over, and export may read one it then replaces nothing of.
  ASSERT_EQ(Run({"export", Good, "-o", PathOf("p.json")}).ExitCode, 0);
  EXPECT_EQ(Run({"export", Drifted, "-o", PathOf("p.json")}).ExitCode, 0);
  EXPECT_EQ(Run({"export", PathOf("p.json"), "-o", PathOf("p.json")}).ExitCode, 2);
}

#ifndef _WIN32
TEST_F(ReportsTest, WhatIsNotARegularFileIsReportedAndNeverOpened) {
  fs::copy_file(Good, Folder / "site" / "a.jww");
  ASSERT_EQ(::mkfifo(PathOf("site/pipe.jww").c_str(), 0644), 0);
  fs::create_symlink(PathOf("nowhere.jww"), Folder / "site" / "gone.jww");
  struct Case {
    std::vector<std::string> Args;
    std::vector<std::string> Lines;
  };
  const std::string site = PathOf("site");
  const std::vector<Case> cases = {
      {{"audit", Good, site},
       {site + "/a.jww: matches", site + "/gone.jww: a link to a file that does not exist",
        site + "/pipe.jww: not a regular file",
        "3 drawings: 1 match, 0 differ, 2 cannot be read."}},
      {{"audit", Good, PathOf("site/pipe.jww")},
       {site + "/pipe.jww: not a regular file",
        "1 drawings: 0 match, 0 differ, 1 cannot be read."}},
      {{"apply", Good, site, "--dry-run"},
       {"unchanged: " + site + "/a.jww",
        "skipped: " + site + "/gone.jww: a link to a file that does not exist",
        "skipped: " + site + "/pipe.jww: not a regular file",
        "3 drawings: 0 saved, 1 unchanged, 0 would change, 2 skipped, 0 failed."}},
  };
  for (const Case& c : cases) {
    const TCliResult r = RunBounded(c.Args);
    EXPECT_EQ(r.ExitCode, 1) << c.Args[0] << r.Err;
    EXPECT_EQ(SplitLines(r.Out), c.Lines) << c.Args[0];
  }
}

TEST_F(ReportsTest, AFolderThatCannotBeSearchedIsCountedAsUnreadable) {
  fs::copy_file(Good, Folder / "site" / "a.jww");
  fs::create_directories(Folder / "site" / "locked");
  fs::copy_file(Drifted, Folder / "site" / "locked" / "b.jww");
  fs::permissions(Folder / "site" / "locked", fs::perms::none);
  std::vector<std::string> args = {"audit", Good, PathOf("site")};
  std::string program = PENNATRAN_CLI;
  // Folder permissions do not stop root: the run drops to nobody.
  if (::geteuid() == 0) {
    if (!fs::exists("/usr/bin/setpriv")) GTEST_SKIP() << "needs setpriv to drop root";
    args.insert(args.begin(), {"--reuid=65534", "--regid=65534", "--clear-groups", program});
    program = "/usr/bin/setpriv";
  }
  const TCliResult r = Run(args, {}, program);
  fs::permissions(Folder / "site" / "locked", fs::perms::owner_all);
  EXPECT_EQ(r.ExitCode, 1) << r.Err;
  const std::vector<std::string> lines = SplitLines(r.Out);
  ASSERT_EQ(lines.size(), 3u) << r.Out;
  EXPECT_EQ(lines[1].rfind(PathOf("site/locked") + ": a folder that cannot be searched (", 0), 0u)
      << lines[1];
  EXPECT_EQ(lines[2], "2 drawings: 1 match, 0 differ, 1 cannot be read.");
}
#endif

TEST_F(ReportsTest, ALinkBesideItsTargetIsOneDrawing) {
  fs::copy_file(Drifted, Folder / "site" / "a.jww");
  fs::create_symlink("a.jww", Folder / "site" / "b.jww");
  const TCliResult audit = Run({"audit", Good, PathOf("site"), PathOf("site/b.jww")});
  EXPECT_EQ(audit.ExitCode, 1) << audit.Err;
  EXPECT_EQ(SplitLines(audit.Out),
            (std::vector<std::string>{PathOf("site") + "/a.jww: 1 slot differs",
                                      "1 drawings: 0 match, 1 differ, 0 cannot be read."}));
  const TCliResult apply = Run({"apply", Good, PathOf("site"), "--in-place"});
  EXPECT_EQ(apply.ExitCode, 0) << apply.Err;
  EXPECT_EQ(SplitLines(apply.Out).size(), 2u) << apply.Out;
  EXPECT_TRUE(fs::is_symlink(Folder / "site" / "b.jww"));
  EXPECT_EQ(Run({"audit", Good, PathOf("site/a.jww")}).ExitCode, 0);
}

TEST_F(ReportsTest, ASourceThatCannotBeReadExitsWithTwoInEveryCommand) {
  const std::vector<uint8_t> whole = TJwwBuilder::Drawing(Office());
  const std::string cut =
      WriteFile("cut.jww", std::vector<uint8_t>(whole.begin(), whole.begin() + 3000));
  const std::string badPalette = PathOf("bad.json");
  std::ofstream(badPalette) << "{\"format\": ";
  for (const std::string& source : {cut, badPalette}) {
    const std::vector<std::vector<std::string>> runs = {
        {"export", source, "-o", PathOf("out.json")},
        {"copy", source, Drifted, "-o", PathOf("out.jww"), "--colors", "all"},
        {"apply", source, Drifted, "--in-place"},
        {"diff", source, Drifted},
        {"diff", Drifted, source},
        {"audit", source, Drifted},
    };
    for (const std::vector<std::string>& args : runs) {
      const TCliResult r = Run(args);
      EXPECT_EQ(r.ExitCode, 2) << args[0] << " " << source;
      EXPECT_NE(r.Err.find(fs::path(source).filename().string()), std::string::npos) << r.Err;
    }
  }
  EXPECT_FALSE(fs::exists(PathOf("out.json")));
  EXPECT_FALSE(fs::exists(PathOf("out.jww")));
}

TEST_F(ReportsTest, ControlCharactersInNamesArePrintedInCaretForm) {
  const std::string bell = WriteFile("site/bell\a.jww", TJwwBuilder::Drawing(Office()));
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"diff", Good, Drifted}, "colour No.20 Name \"colour20\" → \"red^?\""},
      {{"audit", Drifted, PathOf("site"), "--verbose"},
       "  colour No.20 Name \"red^?\" → \"colour20\""},
      {{"audit", Good, PathOf("site")}, PathOf("site") + "/bell^G.jww: matches"},
      {{"apply", Good, PathOf("site"), "--dry-run"},
       "unchanged: " + PathOf("site") + "/bell^G.jww"},
  };
  for (const auto& [args, line] : cases) {
    const TCliResult r = Run(args);
    const std::vector<std::string> lines = SplitLines(r.Out);
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << r.Out;
    EXPECT_EQ(r.Out.find('\x7f'), std::string::npos) << args[0];
    EXPECT_EQ(r.Out.find('\a'), std::string::npos) << args[0];
  }
}

TEST_F(ReportsTest, APreviewWhoseTraceCannotBeWrittenLeavesNoImage) {
  const std::string png = PathOf("out.png");
  const TCliResult r =
      Run({"preview", Good, "-o", png, "--trace", PathOf(std::string(300, 't') + ".txt")});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_NE(r.Err.find("cannot write the trace"), std::string::npos) << r.Err;
  EXPECT_FALSE(fs::exists(png));
}

// Each of four levels places the next one 24 times: 346 201 placements, whose JSON passes
// the bound though the drawing is a few kilobytes.
TEST_F(ReportsTest, InfoEntitiesPastTheBoundStopsAndWritesNothing) {
  TJwwData doc = SampleDocument();
  Append(doc, MakeInsert(0, 0, 0));
  for (uint32_t n = 0; n < 4; ++n) {
    TEntJwwBlockDef def = MakeBlockDef(n, "level" + std::to_string(n));
    for (int i = 0; i < 24; ++i) Append(def, MakeInsert(n + 1, i, 0, 0.5, 0.5));
    doc.BlockDefs.push_back(def);
  }
  TEntJwwBlockDef leaf = MakeBlockDef(4, "leaf");
  Append(leaf, MakeLine(0, 0, 1, 1));
  doc.BlockDefs.push_back(leaf);
  const std::string drawing = WriteFile("fan.jww", TJwwBuilder::Drawing(doc));
  const std::string scratch = PathOf("tmp");
  fs::create_directories(scratch);
  const TCliResult r =
      Run({"TMPDIR=" + scratch, PENNATRAN_CLI, "info", drawing, "--json", "--entities"}, {}, "env");
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_EQ(r.Out, "");
  EXPECT_EQ(r.Err, "pennatran-cli: \"" + drawing +
                       "\": its JSON would be larger than 64 MiB; nothing was written.\n");
  EXPECT_TRUE(fs::is_empty(scratch));
  // Without the entities the same drawing is a few kilobytes of JSON.
  EXPECT_EQ(Run({"info", drawing, "--json"}).ExitCode, 0);
}

}  // namespace
}  // namespace pennatran::testing
