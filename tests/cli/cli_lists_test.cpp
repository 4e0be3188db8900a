// pennatran-cli colors and linetypes: every user slot, one line each, as the window lists it.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_runner.h"
#include "jww/text_encoding.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

class ListsTest : public CliTest {};

TEST_F(ListsTest, ColoursAndLineTypesPrintOneLinePerUserSlot) {
  TJwwData doc = SampleDocument();
  doc.ColorExNos[17] = {0x0000FFu, 1, Utf8ToSjis("外壁線"), 0x0000FFu, 2, 0.3};
  doc.LineTypeExNos[32].Name = Utf8ToSjis("一点鎖線");
  doc.LineTypeExNos[32].Pattern = 0;
  doc.LineTypeExNos[32].SegmentCount = 2;
  doc.LineTypeExNos[32].Pitches[0] = 1;
  doc.LineTypeExNos[32].Pitches[1] = 0.5;
  const std::string path = WriteFile("lists.jww", TJwwBuilder::Drawing(doc));

  const TCliResult colors = Run({"colors", path});
  ASSERT_EQ(colors.ExitCode, 0) << colors.Err;
  const std::vector<std::string> colorLines = SplitLines(colors.Out);
  ASSERT_EQ(colorLines.size(), 240u);
  EXPECT_EQ(colorLines[0], "No.17 [外壁線] 0000FF 幅:1 0000FF 幅:2 点半径:0.30");
  EXPECT_EQ(colorLines[239].rfind("No.256 [colour256] ", 0), 0u) << colorLines[239];

  const TCliResult lineTypes = Run({"linetypes", path});
  ASSERT_EQ(lineTypes.ExitCode, 0) << lineTypes.Err;
  const std::vector<std::string> lineTypeLines = SplitLines(lineTypes.Out);
  ASSERT_EQ(lineTypeLines.size(), 16u);
  EXPECT_EQ(lineTypeLines[15], "No.32 [一点鎖線] 00000000 2 [1.00,0.50]");
  EXPECT_EQ(lineTypeLines[0].rfind("No.17 [", 0), 0u);
}

TEST_F(ListsTest, AnOldDrawingListsZeroSlots) {
  TJwwData doc = SampleDocument();
  const std::string path = WriteFile("v300.jww", TJwwBuilder::Drawing(doc, 300));
  const TCliResult colors = Run({"colors", path});
  ASSERT_EQ(colors.ExitCode, 0) << colors.Err;
  const std::vector<std::string> lines = SplitLines(colors.Out);
  ASSERT_EQ(lines.size(), 240u);
  EXPECT_EQ(lines[3], "No.20 [] 000000 幅:0 000000 幅:0 点半径:0.00");
  const std::vector<std::string> lineTypes = SplitLines(Run({"linetypes", path}).Out);
  ASSERT_EQ(lineTypes.size(), 16u);
  EXPECT_EQ(lineTypes[15], "No.32 [] 00000000 0 []");
}

TEST_F(ListsTest, AFailedLoadStillListsButExitsWithOne) {
  const std::vector<uint8_t> whole = TJwwBuilder::Drawing(SampleDocument());
  const std::string cut =
      WriteFile("cut.jww", std::vector<uint8_t>(whole.begin(), whole.end() - 10));
  const TCliResult r = Run({"colors", cut});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_EQ(SplitLines(r.Out).size(), 240u);
  EXPECT_NE(r.Err.find("cut.jww"), std::string::npos);

  EXPECT_EQ(Run({"linetypes", PathOf("missing.jww")}).ExitCode, 2);
  EXPECT_EQ(Run({"colors"}).ExitCode, 2);
}

// A file that is not a drawing fails every command with its own message and no output.
TEST_F(ListsTest, AFileThatIsNoDrawingSaysSoAndListsNothing) {
  const std::string text = "PK\3\4 an archive, not a drawing";
  const std::string other = WriteFile("other.jww", std::vector<uint8_t>(text.begin(), text.end()));
  const std::string drawing = WriteFile("d.jww", TJwwBuilder::Drawing(SampleDocument()));
  const std::vector<std::vector<std::string>> commands = {
      {"colors", other},
      {"linetypes", other},
      {"preview", other, "-o", PathOf("o.png")},
      {"copy", other, drawing, "-o", PathOf("o.jww"), "--colors", "all"},
      {"copy", drawing, other, "-o", PathOf("o.jww"), "--colors", "all"}};
  for (const std::vector<std::string>& args : commands) {
    const TCliResult r = Run(args);
    // A source that cannot be read is an error of the call, a destination one of the file.
    EXPECT_EQ(r.ExitCode, args[0] == "copy" && args[1] == other ? 2 : 1) << args[0];
    EXPECT_EQ(r.Out, "") << args[0];
    EXPECT_NE(r.Err.find("\"" + other + "\" is not a Jw_cad drawing file."), std::string::npos)
        << r.Err;
  }
  EXPECT_FALSE(std::filesystem::exists(PathOf("o.png")));
  EXPECT_FALSE(std::filesystem::exists(PathOf("o.jww")));
}

}  // namespace
}  // namespace pennatran::testing
