// pennatran-cli copy: slot selections, refusals that write nothing, and the saved result.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <tuple>

#include "cli/cli_runner.h"
#include "jww/text_encoding.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

// Source slots are named "src<n>", destination slots "dst<n>", so each saved slot tells
// where it came from.
TJwwData NamedSlots(const std::string& prefix, uint32_t colorBase) {
  TJwwData doc = SampleDocument();
  doc.Header.Version = 700;
  for (size_t i = 0; i < doc.ColorExNos.size(); ++i) {
    doc.ColorExNos[i].Name = prefix + std::to_string(i);
    doc.ColorExNos[i].ScreenColor = colorBase + static_cast<uint32_t>(i);
  }
  for (size_t i = 0; i < doc.LineTypeExNos.size(); ++i) {
    doc.LineTypeExNos[i].Name = prefix + std::to_string(i);
    doc.LineTypeExNos[i].SegmentCount = 2;
    doc.LineTypeExNos[i].Pitches[0] = 1;
    doc.LineTypeExNos[i].Pitches[1] = 1;
  }
  Append(doc, MakeLine(0, 0, 10, 10));
  Append(doc, MakeInsert(5, 20, 20, 2, 2, 0.5));
  TEntJwwBlockDef def = MakeBlockDef(5, "door");
  Append(def, MakeArc(0, 0, 1));
  doc.BlockDefs.push_back(def);
  return doc;
}

class CopyTest : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    Source = WriteFile("src.jww", TJwwBuilder::Drawing(NamedSlots("src", 0x100000)));
    Destination = WriteFile("dst.jww", TJwwBuilder::Drawing(NamedSlots("dst", 0x200000)));
    Output = PathOf("out.jww");
  }

  // Slots of the saved drawing whose names came from the source.
  std::vector<int> CopiedColors(const TJwwData& doc) const {
    std::vector<int> slots;
    for (size_t i = 0; i < doc.ColorExNos.size(); ++i)
      if (doc.ColorExNos[i].Name.rfind("src", 0) == 0) slots.push_back(static_cast<int>(i));
    return slots;
  }
  std::vector<int> CopiedLineTypes(const TJwwData& doc) const {
    std::vector<int> slots;
    for (size_t i = 0; i < doc.LineTypeExNos.size(); ++i)
      if (doc.LineTypeExNos[i].Name.rfind("src", 0) == 0) slots.push_back(static_cast<int>(i));
    return slots;
  }

  std::string Source, Destination, Output;
};

std::vector<int> Range(int first, int last) {
  std::vector<int> v;
  for (int i = first; i <= last; ++i) v.push_back(i);
  return v;
}

struct SelectionCase {
  std::string Colors;     // empty: option not given
  std::string LineTypes;  // empty: option not given
  std::vector<int> ColorSlots;
  std::vector<int> LineTypeSlots;
};

void PrintTo(const SelectionCase& c, std::ostream* os) {
  *os << "--colors \"" << c.Colors << "\" --linetypes \"" << c.LineTypes << "\"";
}

class CopySelectionTest : public CopyTest, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(CopySelectionTest, CopiesExactlyTheSelectedSlots) {
  const SelectionCase& c = GetParam();
  std::vector<std::string> args = {"copy", Source, Destination, "-o", Output};
  if (!c.Colors.empty()) args.insert(args.end(), {"--colors", c.Colors});
  if (!c.LineTypes.empty()) args.insert(args.end(), {"--linetypes", c.LineTypes});
  const TCliResult r = Run(args);
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_EQ(r.Out, "図面ファイル「" + Output + "」を保存しました。\n");

  bool loaded = false;
  const TJwwData out = Load(Output, &loaded);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(CopiedColors(out), c.ColorSlots);
  EXPECT_EQ(CopiedLineTypes(out), c.LineTypeSlots);
  // A copied slot is the whole entry, not just its name.
  for (int slot : c.ColorSlots) EXPECT_EQ(out.ColorExNos[slot].ScreenColor, 0x100000u + slot);
  // Everything but the selected slots is the destination's own.
  EXPECT_EQ(out.LineCount(), 1);
  ASSERT_EQ(out.InsertCount(), 1);
  const double scaleX = out.Inserts[0].ScaleX;  // packed: no reference to the field
  EXPECT_EQ(scaleX, 2.0);
  ASSERT_EQ(out.BlockDefCount(), 1);
  EXPECT_EQ(out.BlockDefs[0].Name, "door");
  EXPECT_EQ(out.BlockDefs[0].ArcCount(), 1);
  EXPECT_EQ(out.ColorExNos[5].Name, "dst5");
}

INSTANTIATE_TEST_SUITE_P(
    Selections, CopySelectionTest,
    ::testing::Values(SelectionCase{"all", "", Range(17, 256), {}},
                      SelectionCase{"", "all", {}, Range(17, 32)},
                      SelectionCase{"all", "all", Range(17, 256), Range(17, 32)},
                      SelectionCase{"17-20,31", "", {17, 18, 19, 20, 31}, {}},
                      SelectionCase{"256,17", "32", {17, 256}, {32}},
                      SelectionCase{" 20 - 21 , 20,21", "17-17", {20, 21}, {17}},
                      SelectionCase{"", "25-32,17", {}, {17, 25, 26, 27, 28, 29, 30, 31, 32}}));

TEST_F(CopyTest, BadSelectionsAreUsageErrorsAndWriteNothing) {
  const std::vector<std::vector<std::string>> cases = {
      {},                                 // neither option
      {"--colors", "16"},                 // below the user slots
      {"--colors", "257"},                // above them
      {"--colors", "17-257"},             // a range that leaves them
      {"--linetypes", "33"},              // line types stop at 32
      {"--linetypes", "100"},             // a colour slot is no line type slot
      {"--colors", "20-17"},              // backwards
      {"--colors", "17,,18"},             // empty item
      {"--colors", ""},                   // nothing at all
      {"--colors", "seventeen"},          // junk
      {"--colors", "17-"},                // half a range
      {"--colors", "-17"},                // a sign
      {"--colors", "17x"},                // trailing junk
      {"--colors", "99999999999999999"},  // beyond any integer
      {"--colors", "ALL"},                // the keyword is lower case
      {"--colors", "all", "--linetypes", "0"},
  };
  for (const auto& options : cases) {
    std::vector<std::string> args = {"copy", Source, Destination, "-o", Output};
    args.insert(args.end(), options.begin(), options.end());
    const TCliResult r = Run(args);
    EXPECT_EQ(r.ExitCode, 2) << ::testing::PrintToString(options);
    EXPECT_FALSE(r.Err.empty()) << ::testing::PrintToString(options);
    EXPECT_FALSE(std::filesystem::exists(Output)) << ::testing::PrintToString(options);
  }
}

TEST_F(CopyTest, AFailedLoadOfEitherDrawingWritesNothing) {
  const std::vector<uint8_t> whole = TJwwBuilder::Drawing(NamedSlots("x", 0));
  const std::string cut =
      WriteFile("cut.jww", std::vector<uint8_t>(whole.begin(), whole.begin() + 3000));
  const std::string old =
      WriteFile("old.jww", {'J', 'w', 'w', 'D', 'a', 't', 'a', '.', 100, 0, 0, 0});
  // A source that cannot be read is a mistake in the call (2); a destination, a failed
  // drawing (1).
  for (const auto& [src, dst, code] :
       {std::tuple{cut, Destination, 2}, std::tuple{Source, cut, 1},
        std::tuple{old, Destination, 2}, std::tuple{Source, old, 1}}) {
    const TCliResult r = Run({"copy", src, dst, "-o", Output, "--colors", "all"});
    EXPECT_EQ(r.ExitCode, code) << src << " " << dst;
    EXPECT_FALSE(std::filesystem::exists(Output));
  }
  const TCliResult missing =
      Run({"copy", PathOf("nope.jww"), Destination, "-o", Output, "--colors", "all"});
  EXPECT_EQ(missing.ExitCode, 2);
  EXPECT_NE(missing.Err.find("nope.jww"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Output));
}

TEST_F(CopyTest, SavingOverTheDestinationItselfWorks) {
  const TCliResult r = Run({"copy", Source, Destination, "-o", Destination, "--colors", "40"});
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  bool loaded = false;
  const TJwwData out = Load(Destination, &loaded);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(out.Header.Version, 700);
  EXPECT_EQ(CopiedColors(out), std::vector<int>{40});
  EXPECT_EQ(out.ColorExNos[41].Name, "dst41");
}

TEST_F(CopyTest, TheDestinationKeepsItsEmbeddedImages) {
  TJwwData dst = NamedSlots("dst", 0);
  Append(dst, MakeText(0, 0, "^@BM%temp%photo.bmp,40,30"));
  TJwwBuilder b(700);
  b.Header(dst).EntitySection(dst).Images({{"photo.bmp", "BM-destination-bytes"}});
  const std::string withImage = WriteFile("with_image.jww", b.Bytes());
  // The source carries an image of the same name with other bytes: it must not be taken.
  TJwwData src = NamedSlots("src", 0);
  TJwwBuilder s(700);
  s.Header(src).EntitySection(src).Images({{"photo.bmp", "BM-source"}});
  const std::string sourceWithImage = WriteFile("src_image.jww", s.Bytes());

  const TCliResult r =
      Run({"copy", sourceWithImage, withImage, "-o", Output, "--linetypes", "all"});
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  bool loaded = false;
  const TJwwData out = Load(Output, &loaded);
  ASSERT_TRUE(loaded);
  ASSERT_EQ(out.ImageList.size(), 1u);
  EXPECT_EQ(out.ImageList[0].Name, "photo.bmp");
  EXPECT_EQ(out.ImageList[0].Size, 20);
}

#ifndef _WIN32
// The images are saved from what the load kept, not from extracted files: without a
// temporary folder, or with a name too long to be a file (110 kanji are 330 bytes of
// UTF-8), none is lost.
TEST_F(CopyTest, EmbeddedImagesSurviveWhenTheyCannotBeExtracted) {
  std::string kanji;
  for (int i = 0; i < 110; ++i) kanji += "\x88\x9F";
  const std::vector<std::string> names = {"a.bmp", "b.jpg", kanji + ".png", "d.bmp.gz"};
  TJwwData dst = NamedSlots("dst", 0);
  std::vector<TJwwBuilder::TImage> images;
  for (const std::string& name : names) {
    TEntJwwText text = MakeText(0, 0, "");
    text.Content.Assign("^@BM%temp%" + name + ",40,30",
                        dst.Strings.get());  // longer than a record holds
    Append(dst, text);
    images.push_back({name, "bytes of " + name});
  }
  TJwwBuilder b(700);
  b.Header(dst).EntitySection(dst).Images(images);
  const std::string drawing = WriteFile("images.jww", b.Bytes());
  const char* tmpdir = std::getenv("TMPDIR");
  const std::string saved = tmpdir ? tmpdir : "";
  for (const bool withTemp : {false, true}) {
    if (!withTemp) ::setenv("TMPDIR", "/nonexistent", 1);
    const TCliResult r = Run({"copy", drawing, drawing, "-o", Output, "--colors", "17"});
    if (tmpdir)
      ::setenv("TMPDIR", saved.c_str(), 1);
    else
      ::unsetenv("TMPDIR");
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    const TJwwData out = Load(Output);
    ASSERT_EQ(out.ImageList.size(), names.size()) << withTemp;
    for (size_t i = 0; i < names.size(); ++i) {
      EXPECT_EQ(out.ImageList[i].Name, names[i]);
      EXPECT_EQ(out.ImageList[i].Bytes, "bytes of " + names[i]);
    }
  }
}
#endif

TEST_F(CopyTest, AFailedSaveSaysSoAndExitsWithOne) {
  const std::string output = PathOf("no_such_folder/out.jww");
  const TCliResult r = Run({"copy", Source, Destination, "-o", output, "--colors", "all"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_EQ(r.Err,
            "図面ファイル「" + output + "」の保存に失敗しました。保存先のフォルダがありません。\n");
  EXPECT_FALSE(std::filesystem::exists(output));

  namespace fs = std::filesystem;
  const std::string protectedPath = PathOf("protected.jww");
  fs::copy_file(Destination, protectedPath);
  fs::permissions(protectedPath, fs::perms::owner_read);
  const auto size = fs::file_size(protectedPath);
  const TCliResult refused =
      Run({"copy", Source, Destination, "-o", protectedPath, "--colors", "all"});
  EXPECT_EQ(refused.ExitCode, 1);
  EXPECT_EQ(refused.Err, "図面ファイル「" + protectedPath +
                             "」の保存に失敗しました。保存先は読み取り専用です。\n");
  EXPECT_EQ(fs::file_size(protectedPath), size);
}

// A failure without a sentence of its own is told in the program's and the system's words.
TEST_F(CopyTest, AFailedSaveWithoutASentenceSaysWhatFailed) {
  const std::string folder = PathOf("folder");
  std::filesystem::create_directory(folder);
  const TCliResult r = Run({"copy", Source, Destination, "-o", folder, "--colors", "all"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_EQ(r.Err,
            "図面ファイル「" + folder + "」の保存に失敗しました。(the target is a folder)\n");
  EXPECT_TRUE(std::filesystem::is_directory(folder));
}

}  // namespace
}  // namespace pennatran::testing
