// Load -> save -> load keeps the drawing up to the writer's normalisations, save -> load ->
// save is byte-identical, and embedded images survive a copy and a save.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "jww/jww_writer.h"
#include "palette/palette.h"
#include "support/jww_builder.h"
#include "writer_fixture.h"

namespace pennatran {
namespace {

namespace fs = std::filesystem;
using namespace pennatran::testing;

void Load(TJwwData& doc, const std::string& bytes) {
  ASSERT_TRUE(doc.LoadFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(),
                                "drawing.jww"))
      << LoadErrorText(doc.LoadError) << " at " << doc.LoadError.Offset;
}

std::string Built(const TJwwData& doc, int32_t version) {
  std::vector<uint8_t> bytes = TJwwBuilder::Drawing(doc, version);
  return std::string(bytes.begin(), bytes.end());
}

class RoundTrip : public ::testing::TestWithParam<int32_t> {};

// The builder writes every stored value unchanged, so equal builder output in the source
// version's layout means the reloaded drawing holds everything the source file held.
TEST_P(RoundTrip, KeepsEverythingTheFileHeldAndSavesIdenticallyAgain) {
  const int32_t version = GetParam();
  TJwwData loaded;
  Load(loaded, Built(EveryKind(), version));
  const std::string firstSave = Save(loaded);
  TJwwData reloaded;
  Load(reloaded, firstSave);
  EXPECT_EQ(Built(reloaded, version), Built(loaded, version));
  EXPECT_EQ(Save(reloaded), firstSave);
  EXPECT_EQ(reloaded.Header.Version, 700);
}

INSTANTIATE_TEST_SUITE_P(Versions, RoundTrip,
                         ::testing::Values(220, 221, 223, 225, 230, 250, 300, 350, 351, 420, 600,
                                           700));

TEST(RoundTrip, AVersion700DrawingReloadsAsItWasBuilt) {
  TJwwData loaded;
  Load(loaded, Built(EveryKind(), 700));
  TJwwData reloaded;
  Load(reloaded, Save(loaded));
  EXPECT_EQ(Built(reloaded, 700), Built(EveryKind(), 700));
}

TEST(RoundTrip, AnOldDrawingGainsEveryGatedRowWithDefaults) {
  TJwwData loaded;
  Load(loaded, Built(EveryKind(), 230));
  TJwwData saved;
  Load(saved, Save(loaded));

  for (int32_t i = 0; i < 257; ++i) {
    const TEntJwwColorExNo& slot = saved.ColorExNos[i];
    EXPECT_EQ(slot.Name, "Color_" + std::to_string(i));
    EXPECT_EQ(slot.ScreenColor, 0u);
    EXPECT_EQ(slot.PrintColor, 0u);
    EXPECT_EQ(slot.ScreenWidth, 0);
    EXPECT_EQ(slot.PointRadius, 0);
  }
  for (int32_t i = 0; i < 33; ++i) {
    const TEntJwwLineTypeExNo& slot = saved.LineTypeExNos[i];
    EXPECT_EQ(slot.Name, "LType_" + std::to_string(i));
    if (i < 17) {
      EXPECT_EQ(slot.Pattern, 0xFFFFFFFFu);
      EXPECT_EQ(slot.UnitDots, 0);
      EXPECT_EQ(slot.SegmentCount, 0);
    } else {
      EXPECT_EQ(slot.Pattern, 0xC3C3C3C3u);
      EXPECT_EQ(slot.UnitDots, 8);
      EXPECT_EQ(slot.ScreenPitch, 1);
      EXPECT_EQ(slot.PrintPitch, 8);
      EXPECT_EQ(slot.SegmentCount, 2);
      EXPECT_EQ(slot.Pitches[0], 1.0);
      EXPECT_EQ(slot.Pitches[1], 1.0);
      EXPECT_EQ(slot.Pitches[2], 0.0);
    }
  }
  // Rows a 2.30 file lacks come back with their defaults.
  EXPECT_EQ(saved.Header.MarkJumps[7].Scale, 1.0);
  EXPECT_EQ(saved.Header.MarkJumps[7].LayerGroup, -1);
  EXPECT_EQ(saved.Header.SkyMapLevel, 0);
  // The dimension tail of an old file becomes real sub-records; its points get a point's
  // line type.
  ASSERT_EQ(saved.DimensionCount(), 1);
  EXPECT_EQ(Copy(saved.Dimensions[0].Point1.Common.LineType), 1);
  EXPECT_EQ(Copy(saved.Dimensions[0].AuxLine1.Common.Color), 2);
}

// The normalisations themselves are checked value by value with the header writer; here
// only that each table passes through them on the way to the file.
TEST(RoundTrip, NormalisedHeaderValuesAreWrittenAndTheDocumentKeepsItsOwn) {
  TJwwData doc = NormalDocument();
  doc.Pens[3].PrintWidth = 900;
  doc.Header.DisplayOnlyNoPrint = 3;
  doc.Header.WidthUnitMode = 0;
  doc.ColorExNos[20] = {0x0000FF, 1, "", 0x00FF00, 2, 0.5};
  doc.LineTypeExNos[25].SegmentCount = 3;
  doc.Layers[5].Name = "a^m";
  doc.LayerGroups[2].Name = "";
  const std::string stored = Built(doc, 700);

  TJwwData back;
  Load(back, Save(doc));
  EXPECT_EQ(Built(doc, 700), stored);
  EXPECT_EQ(back.Pens[3].PrintWidth, 500);
  EXPECT_EQ(back.Header.WidthUnitMode, 1);
  EXPECT_EQ(back.ColorExNos[20].Name, "Color_20");
  EXPECT_EQ(back.ColorExNos[20].PrintColor, 0x0000FFu);
  EXPECT_EQ(back.LineTypeExNos[25].Pattern, 0xC3C3C3C3u);
  EXPECT_EQ(back.Layers[5].Name, "a");
  EXPECT_EQ(back.LayerGroups[2].Name, " ");
}

TEST(RoundTrip, ADocumentThatWasNeverLoadedSavesAndReloads) {
  TJwwData empty;
  TJwwData back;
  Load(back, Save(empty));
  EXPECT_EQ(back.ColorExNos.size(), 257u);
  EXPECT_EQ(back.ColorExNos[17].Name, "Color_17");
  EXPECT_EQ(back.Pens[0].PrintColor, 0xFFFFFFu);
  EXPECT_EQ(back.LineCount(), 0);
  EXPECT_TRUE(back.ImageList.empty());
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class ImageRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    // One folder per test: ctest runs the tests of this fixture side by side.
    Root = fs::temp_directory_path() /
           ("pennatran_image_round_trip_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(Root);
    fs::create_directories(Root / "TEMP");
    fs::create_directories(Root / "TEMP2");
    fs::create_directories(Root / "AGAIN");
  }
  void TearDown() override { fs::remove_all(Root); }

  // A 7.00 drawing with a picture referenced from the drawing, one referenced only from an
  // unused block, and one nobody refers to.
  static std::string Drawing() {
    TJwwData doc = NormalDocument();
    Append(doc, MakeText(0, 0, "^@BM%temp%pic.bmp,100,50"));
    TEntJwwBlockDef def = MakeBlockDef(3, "unused");
    Append(def, MakeText(0, 0, "^@BM%temp%INBLOCK.JPG,10,10"));
    doc.BlockDefs = {def};
    TJwwBuilder b(700);
    b.Header(doc).EntitySection(doc);
    b.Images({{"pic.bmp.gz", std::string("\x1F\x8B\0gz", 5) + std::string(5000, 'p')},
              {"inblock.jpg", std::string(3000, 'j')},
              {"lonely.png", "png bytes"}});
    return std::string(b.Bytes().begin(), b.Bytes().end());
  }

  fs::path Root;
};

TEST_F(ImageRoundTrip, ReferencedImagesSurviveLoadCopyAndSave) {
  TJwwData src;
  Load(src, Built(EveryKind(), 420));
  src.ColorExNos[30].Name = "copied";
  TJwwData dst;
  dst.ImageFolder = Root / "TEMP2";
  Load(dst, Drawing());
  ASSERT_EQ(dst.ImageList.size(), 3u);
  CopySlots(PaletteOfDrawing(src), {{TSlot(30)}, {}}, dst);

  const fs::path saved = Root / "saved.jww";
  ASSERT_TRUE(dst.SaveToFile(saved, 700));
  TJwwData again;
  again.ImageFolder = Root / "AGAIN";
  Load(again, ReadFile(saved));
  EXPECT_EQ(again.ColorExNos[30].Name, "copied");
  ASSERT_EQ(again.ImageList.size(), 2u);
  EXPECT_EQ(again.ImageList[0].Name, "pic.bmp.gz");
  EXPECT_EQ(again.ImageList[1].Name, "inblock.jpg");
  EXPECT_EQ(ReadFile(Root / "AGAIN" / "pic.bmp.gz"), ReadFile(Root / "TEMP2" / "pic.bmp.gz"));
  EXPECT_EQ(ReadFile(Root / "AGAIN" / "inblock.jpg"), std::string(3000, 'j'));
  EXPECT_EQ(again.ImageList[1].Bytes, std::string(3000, 'j'));
  EXPECT_FALSE(fs::exists(Root / "AGAIN" / "lonely.png"));
}

// The save embeds the bytes the document holds from its load: extracted files that vanished
// (another instance cleared the folder, a name too long for a file, no folder at all) and
// planted files change nothing.
TEST_F(ImageRoundTrip, ImagesAreEmbeddedFromTheDocumentWhateverTheFolderHolds) {
  TJwwData dst;
  dst.ImageFolder = Root / "TEMP2";
  Load(dst, Drawing());
  fs::remove(Root / "TEMP2" / "pic.bmp.gz");
  std::ofstream(Root / "TEMP2" / "inblock.jpg") << "planted";
  for (const fs::path& folder : {Root / "TEMP2", fs::path()}) {
    dst.ImageFolder = folder;
    TJwwData again;
    Load(again, Save(dst));
    ASSERT_EQ(again.ImageList.size(), 2u);
    EXPECT_EQ(again.ImageList[0].Bytes, std::string("\x1F\x8B\0gz", 5) + std::string(5000, 'p'));
    EXPECT_EQ(again.ImageList[1].Bytes, std::string(3000, 'j'));
  }
}

// An entry made without its bytes is never looked for on disk: the save refuses, naming it,
// and leaves the file it would have replaced as it was.
TEST_F(ImageRoundTrip, AnImageWithoutItsBytesRefusesTheSave) {
  TJwwData dst;
  dst.ImageFolder = Root / "TEMP2";
  Load(dst, Drawing());
  std::ofstream(Root / "TEMP2" / "extra.png") << "on disk";
  Append(dst, MakeText(0, 0, "^@BM%temp%extra.png,1,1"));
  dst.ImageList.push_back({"extra.png", 7, false, ""});
  TStringSink sink;
  try {
    WriteJww(dst, sink, 700);
    ADD_FAILURE() << "saved without the image's bytes";
  } catch (const TWriteError& e) {
    EXPECT_NE(std::string(e.what()).find("\"extra.png\""), std::string::npos) << e.what();
  }
  const fs::path target = Root / "old.jww";
  std::ofstream(target) << "old";
  EXPECT_FALSE(dst.SaveToFile(target, 700));
  EXPECT_EQ(ReadFile(target), "old");
  dst.ImageList.back().Bytes = "in core";
  EXPECT_TRUE(dst.SaveToFile(target, 700));
}

TEST_F(ImageRoundTrip, OnlyOneByteLettersAreComparedWithoutCase) {
  TJwwData dst;
  dst.ImageFolder = Root / "TEMP2";
  Load(dst, Drawing());
  // 8C 61 is a kanji whose second byte is "a"; upper-casing it would make 8C 41.
  dst.ImageList = {{"\x8C\x41.png", 5, false, "upper"}, {"\x8C\x61.png", 5, false, "kanji"}};
  dst.Texts[0].Content.Assign("^@BM%temp%\x8C\x61.PNG,1,1");
  dst.BlockDefs.clear();
  TJwwData again;
  Load(again, Save(dst));
  ASSERT_EQ(again.ImageList.size(), 1u);
  EXPECT_EQ(again.ImageList[0].Name, "\x8C\x61.png");
  EXPECT_EQ(again.ImageList[0].Bytes, "kanji");
}

}  // namespace
}  // namespace pennatran
