// pennatran-cli apply over a folder holding good drawings, a broken one, a read-only one
// and a file that is no drawing: the good ones saved, the others reported and untouched.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/cli_runner.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

namespace fs = std::filesystem;

TJwwData Named(const std::string& prefix) {
  TJwwData doc = SampleDocument();
  doc.Header.Version = 700;
  for (size_t i = 0; i < doc.ColorExNos.size(); ++i)
    doc.ColorExNos[i].Name = prefix + std::to_string(i);
  for (size_t i = 0; i < doc.LineTypeExNos.size(); ++i)
    doc.LineTypeExNos[i].Name = prefix + std::to_string(i);
  return doc;
}

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class ApplyTest : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    Source = WriteFile("office.jww", TJwwBuilder::Drawing(Named("office")));
    const std::vector<uint8_t> drawing = TJwwBuilder::Drawing(Named("old"));
    fs::create_directories(Folder / "site" / "sub");
    WriteFile("site/good.jww", drawing);
    WriteFile("site/sub/second.JWW", drawing);
    std::vector<uint8_t> broken = drawing;
    broken.resize(broken.size() * 2 / 3);
    WriteFile("site/broken.jww", broken);
    WriteFile("site/readonly.jww", drawing);
    fs::permissions(Folder / "site/readonly.jww",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    WriteFile("site/notes.jww", {'n', 'o', 't', 'e', 's'});
    WriteFile("site/readme.txt", {'x'});
    Before = Snapshot();
  }
  void TearDown() override {
    fs::permissions(Folder / "site/readonly.jww", fs::perms::owner_write, fs::perm_options::add);
    CliTest::TearDown();
  }

  // Every file below site/ with its bytes.
  std::map<std::string, std::string> Snapshot() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(Folder / "site"))
      if (entry.is_regular_file())
        files[entry.path().lexically_relative(Folder).generic_string()] = Bytes(entry.path());
    return files;
  }

  std::string Source;
  std::map<std::string, std::string> Before;
};

TEST_F(ApplyTest, InPlaceSavesTheGoodOnesAndReportsTheRest) {
  const TCliResult r = Run({"apply", Source, PathOf("site"), "--in-place", "--backup", "--json"});
  EXPECT_EQ(r.ExitCode, 1) << r.Err;
  std::map<std::string, std::string> status;
  const nlohmann::json out = nlohmann::json::parse(r.Out);
  for (const auto& file : out["files"])
    status[fs::path(file["path"].get<std::string>()).filename().string()] = file["status"];
  EXPECT_EQ(status, (std::map<std::string, std::string>{{"good.jww", "saved"},
                                                        {"second.JWW", "saved"},
                                                        {"broken.jww", "skipped"},
                                                        {"readonly.jww", "failed"},
                                                        {"notes.jww", "skipped"}}));

  const std::map<std::string, std::string> after = Snapshot();
  for (const char* name : {"site/good.jww", "site/sub/second.JWW"}) {
    const TJwwData doc = Load(PathOf(name));
    EXPECT_EQ(doc.ColorExNos[17].Name, "office17") << name;
    EXPECT_EQ(doc.LineTypeExNos[32].Name, "office32") << name;
    EXPECT_EQ(doc.ColorExNos[5].Name, "old5") << name;
    EXPECT_EQ(after.at(std::string(name) + ".bak"), Before.at(name)) << name;
  }
  for (const char* name : {"site/broken.jww", "site/readonly.jww", "site/notes.jww"}) {
    EXPECT_EQ(after.at(name), Before.at(name)) << name;
    EXPECT_EQ(after.count(std::string(name) + ".bak"), 0u) << name;
  }
  EXPECT_EQ(after.size(), Before.size() + 2);
}

TEST_F(ApplyTest, DryRunCountsTheSlotsAndWritesNothing) {
  ASSERT_EQ(Run({"export", Source, "-o", PathOf("p.json"), "--colors", "17-19"}).ExitCode, 0);
  const TCliResult r =
      Run({"apply", PathOf("p.json"), PathOf("site/good.jww"), PathOf("site/sub"), "--dry-run"});
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  const std::vector<std::string> lines = SplitLines(r.Out);
  ASSERT_EQ(lines.size(), 3u) << r.Out;
  EXPECT_EQ(lines[0], "would-change: " + PathOf("site/good.jww") + " (3 slots)");
  EXPECT_EQ(Snapshot(), Before);
}

// The dry run answers as the real run would (a read-only drawing would fail), and the
// reasons follow the user's language while the status words and the JSON stay English.
TEST_F(ApplyTest, DryRunPredictsFailuresInTheUsersLanguage) {
  Locale = "ja_JP.UTF-8";
  const TCliResult r = Run({"apply", Source, PathOf("site"), "--dry-run"}, {"LANG"});
  EXPECT_EQ(r.ExitCode, 1) << r.Err;
  const std::vector<std::string> lines = SplitLines(r.Out);
  const auto line = [&](const std::string& start) {
    for (const std::string& l : lines)
      if (l.starts_with(start)) return l;
    return std::string();
  };
  EXPECT_EQ(line("would-fail: "),
            "would-fail: " + PathOf("site/readonly.jww") + ": 読み取り専用です");
  EXPECT_TRUE(line("skipped: " + PathOf("site/broken.jww"))
                  .starts_with("skipped: " + PathOf("site/broken.jww") +
                               ": 完全には読み込めませんでした（オフセット "))
      << r.Out;
  // Where the load stopped is told in Japanese too.
  EXPECT_NE(line("skipped: ").find("でファイルが終わっています）"), std::string::npos) << r.Out;
  EXPECT_EQ(Snapshot(), Before);

  const TCliResult json = Run({"apply", Source, PathOf("site"), "--dry-run", "--json"}, {"LANG"});
  std::map<std::string, std::string> errors;
  const nlohmann::json parsed = nlohmann::json::parse(json.Out);
  for (const auto& file : parsed["files"])
    if (file.contains("error"))
      errors[fs::path(file["path"].get<std::string>()).filename().string()] = file["error"];
  EXPECT_EQ(errors["readonly.jww"], "the file is read-only");
  EXPECT_TRUE(errors["broken.jww"].starts_with("not read completely (offset ")) << json.Out;
  EXPECT_EQ(errors["notes.jww"], "not a Jw_cad drawing");
}

// Two runs at once over the same drawings, one putting in slot 17 and the other slot 18:
// each drawing is saved by one after the other, so it ends with both slots and its backup
// holds the version in between, with exactly one of them.
TEST_F(ApplyTest, TwoRunsAtOnceTakeTurnsOnEveryDrawing) {
  const std::vector<uint8_t> drawing = TJwwBuilder::Drawing(Named("old"));
  fs::create_directories(Folder / "many");
  for (int i = 0; i < 100; ++i) WriteFile("many/d" + std::to_string(i) + ".jww", drawing);
  const std::string run = "\"$0\" apply \"$1\" \"$2\" --in-place --backup --jobs 2 --colors ";
  const TCliResult r = Run({"-c", run + "17 >/dev/null & " + run + "18 >/dev/null & wait",
                            PENNATRAN_CLI, Source, PathOf("many")},
                           {}, "/bin/sh");
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  for (int i = 0; i < 100; ++i) {
    const std::string file = PathOf("many/d" + std::to_string(i) + ".jww");
    const TJwwData now = Load(file);
    EXPECT_EQ(now.ColorExNos[17].Name, "office17") << file;
    EXPECT_EQ(now.ColorExNos[18].Name, "office18") << file;
    const TJwwData backup = Load(file + ".bak");
    EXPECT_NE(backup.ColorExNos[17].Name == "office17", backup.ColorExNos[18].Name == "office18")
        << file;
  }
}

TEST_F(ApplyTest, OutDirMirrorsThePathsAndRefusesCollisionsBeforeWriting) {
  const TCliResult r = Run({"apply", Source, PathOf("site/sub"), PathOf("site/good.jww"),
                            "--out-dir", PathOf("out"), "--jobs", "1"});
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_EQ(Load(PathOf("out/second.JWW")).ColorExNos[20].Name, "office20");
  EXPECT_EQ(Load(PathOf("out/good.jww")).ColorExNos[20].Name, "office20");
  EXPECT_EQ(Snapshot(), Before);

  // Two different drawings with one name: the same file named twice is one drawing.
  fs::create_directories(PathOf("elsewhere"));
  fs::copy_file(PathOf("site/good.jww"), PathOf("elsewhere/good.jww"));
  const TCliResult clash = Run({"apply", Source, PathOf("site/good.jww"), PathOf("site/sub"),
                                PathOf("elsewhere/good.jww"), "--out-dir", PathOf("out2")});
  EXPECT_EQ(clash.ExitCode, 2);
  EXPECT_NE(clash.Err.find("would both be written"), std::string::npos) << clash.Err;
  EXPECT_FALSE(fs::exists(PathOf("out2")));
}

TEST_F(ApplyTest, MissingOrConflictingModesAreUsageErrors) {
  const std::string site = PathOf("site");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"apply", Source, site},
        {"apply", Source, site, "--in-place", "--out-dir", PathOf("out")},
        {"apply", Source, site, "--out-dir", PathOf("out"), "--backup"},
        {"apply", Source, site, "--in-place", "--colors", "300"},
        {"apply", Source, PathOf("missing"), "--in-place"}}) {
    EXPECT_EQ(Run(args).ExitCode, 2) << args.size();
  }
  EXPECT_EQ(Snapshot(), Before);
  EXPECT_FALSE(fs::exists(PathOf("out")));
}

}  // namespace
}  // namespace pennatran::testing
