// The command line at its edges: outputs that would replace an input, inputs that are no
// regular files, empty names and names that would drive the terminal.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/cli_runner.h"
#include "jww/text_encoding.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

namespace fs = std::filesystem;

class EdgesTest : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    TJwwData doc = SampleDocument();
    Append(doc, MakeLine(0, 0, 100, 50));
    Drawing = WriteFile("d.jww", TJwwBuilder::Drawing(doc));
    Original = Read(Drawing);
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::string Drawing;
  std::string Original;
};

// Every spelling of the drawing, as the image or as the trace, is refused before anything
// is written; a trace whose folder is missing stops the image as well.
TEST_F(EdgesTest, APreviewNeverReplacesItsDrawingAndWritesBothFilesOrNeither) {
  fs::create_directory(Folder / "sub");
  fs::create_symlink(Drawing, Folder / "link.jww");
  const std::string png = PathOf("p.png");
  for (const std::string& same :
       {Drawing, PathOf("sub/../d.jww"), PathOf("./d.jww"), PathOf("link.jww")}) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"preview", Drawing, "-o", same},
          std::vector<std::string>{"preview", Drawing, "-o", png, "--trace", same}}) {
      const TCliResult r = Run(args);
      EXPECT_EQ(r.ExitCode, 2) << same;
      EXPECT_NE(r.Err.find("is the drawing itself"), std::string::npos) << r.Err;
    }
  }
  EXPECT_EQ(Read(Drawing), Original);
  EXPECT_FALSE(fs::exists(png));

  const TCliResult missing = Run({"preview", Drawing, "-o", png, "--trace", PathOf("no/t.txt")});
  EXPECT_EQ(missing.ExitCode, 2);
  EXPECT_FALSE(fs::exists(png));

  const TCliResult both = Run({"preview", Drawing, "-o", png, "--trace", PathOf("t.txt")});
  ASSERT_EQ(both.ExitCode, 0) << both.Err;
  EXPECT_EQ(Read(png).substr(1, 3), "PNG");
  EXPECT_NE(Read(PathOf("t.txt")).find("lineto"), std::string::npos);
  for (const auto& entry : fs::directory_iterator(Folder)) {
    EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
  }
}

TEST_F(EdgesTest, APipeAsInputIsRefusedLikeAFileThatCannotBeOpened) {
  const std::string pipe = PathOf("pipe.jww");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"colors", pipe}, std::vector<std::string>{"info", pipe, "--json"},
        std::vector<std::string>{"preview", pipe, "-o", PathOf("p.png")},
        std::vector<std::string>{"copy", Drawing, pipe, "-o", PathOf("o.jww"), "--colors",
                                 "all"}}) {
    const TCliResult r = Run(args);
    EXPECT_EQ(r.ExitCode, 2) << args[0];
    EXPECT_NE(r.Err.find("\"" + pipe + "\" for reading: it is not a regular file"),
              std::string::npos)
        << r.Err;
  }
}

TEST_F(EdgesTest, AnEmptyOutputNameIsAUsageError) {
  EXPECT_EQ(Run({"preview", Drawing, "-o", ""}).ExitCode, 2);
  EXPECT_EQ(Run({"copy", Drawing, Drawing, "-o", "", "--colors", "all"}).ExitCode, 2);
  EXPECT_EQ(Read(Drawing), Original);
}

// The reader keeps the byte after a lead byte, so a name can hold ESC or BEL; the lists
// print them as ^[ and ^G.
TEST_F(EdgesTest, ListsPrintControlCharactersInCaretForm) {
  TJwwData doc = SampleDocument();
  // After a lead byte ESC and BEL are part of a character without a form (shown as
  // U+FFFD); DEL survives the reader's cleaning and is printed in caret form.
  doc.ColorExNos[17].Name = "\x82\x1b[2J\x82\x07\x7F" + Utf8ToSjis("線");
  doc.LineTypeExNos[17].Name = "\x82\x1b]0;x\x82\x07\x7F";
  const std::string path = WriteFile("esc.jww", TJwwBuilder::Drawing(doc));
  for (const char* command : {"colors", "linetypes"}) {
    const TCliResult r = Run({command, path});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(r.Out.find_first_of("\x1b\x07\x7F"), std::string::npos) << command;
    EXPECT_NE(r.Out.find("^?"), std::string::npos) << r.Out.substr(0, 80);
  }
}

}  // namespace
}  // namespace pennatran::testing
