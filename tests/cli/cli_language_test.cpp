// The command line's messages follow the locale: as always under C, POSIX or none,
// Japanese under a ja locale, English under any other.
#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

using LanguageTest = CliTest;

TEST_F(LanguageTest, MessagesFollowTheLocale) {
  const std::string drawing = WriteFile("plan.jww", TJwwBuilder::Drawing(SampleDocument()));
  const std::string output = PathOf("out.jww");
  const struct {
    std::string Locale;
    std::string FolderMessage;  // an English line as written
    std::string SavedMessage;   // a Japanese line as written
  } cases[] = {
      {"C", "pennatran-cli: \"" + Folder.string() + "\" is a folder, not a drawing file.\n",
       "図面ファイル「" + output + "」を保存しました。\n"},
      {"POSIX", "pennatran-cli: \"" + Folder.string() + "\" is a folder, not a drawing file.\n",
       "図面ファイル「" + output + "」を保存しました。\n"},
      {"", "pennatran-cli: \"" + Folder.string() + "\" is a folder, not a drawing file.\n",
       "図面ファイル「" + output + "」を保存しました。\n"},
      {"ja_JP.UTF-8",
       "pennatran-cli: 「" + Folder.string() + "」はフォルダです。図面ファイルではありません。\n",
       "図面ファイル「" + output + "」を保存しました。\n"},
      {"en_GB.UTF-8",
       "pennatran-cli: \"" + Folder.string() + "\" is a folder, not a drawing file.\n",
       "Saved the drawing file \"" + output + "\".\n"},
      {"de_DE.UTF-8",
       "pennatran-cli: \"" + Folder.string() + "\" is a folder, not a drawing file.\n",
       "Saved the drawing file \"" + output + "\".\n"},
  };
  for (const auto& c : cases) {
    Locale = c.Locale;
    // LANG would stand in for an empty LC_ALL.
    const TCliResult folder = Run({"colors", Folder.string()}, {"LANG", "LC_MESSAGES"});
    EXPECT_EQ(folder.Err, c.FolderMessage) << c.Locale;
    const TCliResult saved =
        Run({"copy", drawing, drawing, "-o", output, "--colors", "all"}, {"LANG", "LC_MESSAGES"});
    EXPECT_EQ(saved.ExitCode, 0) << c.Locale;
    EXPECT_EQ(saved.Out, c.SavedMessage) << c.Locale;
  }
}

TEST_F(LanguageTest, TheReasonOfAFailedSaveIsTranslatedToo) {
  const std::string drawing = WriteFile("plan.jww", TJwwBuilder::Drawing(SampleDocument()));
  const std::string output = PathOf("missing/out.jww");
  const struct {
    std::string Locale, Expected;
  } cases[] = {
      {"C", "図面ファイル「" + output + "」の保存に失敗しました。保存先のフォルダがありません。\n"},
      {"en_US.UTF-8", "Could not save the drawing file \"" + output +
                          "\". The folder to save to does not exist.\n"},
  };
  for (const auto& c : cases) {
    Locale = c.Locale;
    const TCliResult r = Run({"copy", drawing, drawing, "-o", output, "--colors", "all"});
    EXPECT_EQ(r.Err, c.Expected) << c.Locale;
  }
}

TEST_F(LanguageTest, FilledInValuesKeepTheirBytes) {
  // Neither a marker inside a file name nor bytes that are not UTF-8 are touched.
  const std::string name = PathOf("%2 \xff.jww");
  Locale = "ja_JP.UTF-8";
  const TCliResult r = Run({"preview", name, "-o", PathOf("x.png"), "--size", "0x1"});
  EXPECT_EQ(
      r.Err,
      "pennatran-cli: --size は 幅x高さ の形で、各辺を 1..10000 で指定してください。例: 300x168\n");
  const TCliResult missing = Run({"colors", name});
  EXPECT_EQ(missing.Err, "pennatran-cli: ファイル「" + name + "」を読み込めません。\n");
}

}  // namespace
}  // namespace pennatran::testing
