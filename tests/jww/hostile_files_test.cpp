// Files made to attack the reader: each is loaded, drawn and saved in a child process
// under a memory limit and a time-out, and nothing outside the image folder is touched.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "child_process.h"
#include "hardening_support.h"
#include "jww/block_tree.h"
#include "jww/jww_writer.h"
#include "support/jww_builder.h"

namespace pennatran {
namespace {

namespace fs = std::filesystem;
using namespace pennatran::testing;

using TBytes = std::vector<uint8_t>;

// Raises the u16 length of the first 255-byte string of `fill` bytes to 65535 and cuts the
// file a little after it: a string longer than the file.
TBytes WithOverlongString(TBytes bytes, char fill) {
  TBytes marker = {0xFF, 0xFF, 0x00};
  marker.insert(marker.end(), 8, static_cast<uint8_t>(fill));
  auto at = std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end());
  if (at == bytes.end()) return {};
  at[2] = 0xFF;
  bytes.erase(at + 40, bytes.end());
  return bytes;
}

TBytes TextLongerThanTheFile() {
  TJwwData doc = SampleDocument();
  Append(doc, MakeLine(0, 0, 1, 1));
  TEntJwwText text = MakeText(0, 0, "");
  text.Content.Assign(std::string(255, 'x'), doc.Strings.get());  // too long for the record
  Append(doc, text);
  return WithOverlongString(TJwwBuilder::Drawing(doc), 'x');
}

// A two-byte text announcing hex 80000000 UTF-16 units: twice that, in 32 bits, is 0.
TBytes TwoByteTextOfTwoBillionUnits() {
  TJwwData source = SampleDocument();
  TJwwBuilder b(700);
  b.Header(source).Count(1).Tag("CDataMoji");
  const TEntJwwText text = MakeText(0, 0, "");
  b.Raw(&text, offsetof(TEntJwwText, FontName)).String("font");
  b.U8(255).U16(0xFFFE).U8(255).U16(0xFFFF).U32(0x80000000u).Raw(std::string(64, 'x'));
  return b.Bytes();
}

TBytes BlockNameLongerThanTheFile() {
  TJwwData doc = SampleDocument();
  doc.BlockDefs = {MakeBlockDef(0, std::string(255, 'n'))};
  return WithOverlongString(TJwwBuilder::Drawing(doc), 'n');
}

TBytes ImageNameLongerThanTheFile() {
  TJwwBuilder b(700);
  b.Header(SampleDocument()).Count(0).Count(0).Images({{std::string(255, 'i'), "abc"}});
  return WithOverlongString(b.Bytes(), 'i');
}

TBytes FourBillionEntities() {
  TJwwBuilder b(700);
  b.Header(SampleDocument()).Count(0xFFFFFFFFu, true);
  for (int i = 0; i < 3; ++i) b.AddLine(MakeLine(i, 0, i, 1));
  return b.Bytes();
}

TBytes FourBillionBlockDefinitions() {
  TJwwBuilder b(700);
  b.Header(SampleDocument()).Count(0).Count(0xFFFFFFFFu, true);
  b.AddBlockDef(MakeBlockDef(0, "a"));
  return b.Bytes();
}

TBytes ABlockOfFourBillionEntities() {
  TJwwBuilder b(700);
  b.Header(SampleDocument()).Count(0).Count(1);
  b.BlockDefHeader(MakeBlockDef(0, "a"), 0xFFFFFFFFu).AddLine(MakeLine(0, 0, 1, 1));
  return b.Bytes();
}

// The count is signed in the format: hex FFFFFFFF is -1, an empty section.
TBytes FourBillionImages() {
  TJwwBuilder b(700);
  b.Header(SampleDocument()).Count(0).Count(0).U32(0xFFFFFFFFu).ImageEntry("a.bmp", 1, "x");
  return b.Bytes();
}

TBytes AnImageLargerThanTheFile() {
  TJwwBuilder b(700);
  b.Header(SampleDocument()).Count(0).Count(0).U32(1).ImageEntry("a.bmp", 0xFFFFFFF0u, "abc");
  return b.Bytes();
}

// Block 0 places itself; 1 places 2, 2 places 3 and 3 places 1 again.
TBytes BlocksThatPlaceThemselves() {
  TJwwData doc = SampleDocument();
  Append(doc, MakeInsert(0, 0, 0));
  Append(doc, MakeInsert(1, 5, 5));
  std::vector<TEntJwwBlockDef> defs;
  for (uint32_t n = 0; n < 4; ++n) {
    TEntJwwBlockDef def = MakeBlockDef(n, "b" + std::to_string(n));
    Append(def, MakeLine(0, 0, 1, 1));
    Append(def, MakeInsert(n == 0 ? 0 : n % 3 + 1, 1, 1, 0.9, 0.9, 0.1));
    defs.push_back(def);
  }
  doc.BlockDefs = defs;
  return TJwwBuilder::Drawing(doc);
}

struct THostileFile {
  const char* Name;
  TBytes (*Make)();
  bool Loads;  // whether the whole file is readable at all
};

void PrintTo(const THostileFile& file, std::ostream* os) {
  *os << file.Name;
}

class HostileFile : public ::testing::TestWithParam<THostileFile> {};

TEST_P(HostileFile, LoadsDrawsAndSavesWithinBounds) {
  const TBytes bytes = GetParam().Make();
  ASSERT_FALSE(bytes.empty());
  const bool loads = GetParam().Loads;
  EXPECT_TRUE(RunsWithinBounds([&] {
    TJwwData doc;
    if (doc.LoadFromBytes(bytes.data(), bytes.size(), "hostile.jww") != loads) return 1;
    if (!loads && !doc.LoadError.Failed()) return 2;
    DrawOnNullCanvas(doc);
    TStringSink sink;
    WriteJww(doc, sink, 700);
    TJwwData reloaded;
    if (!reloaded.LoadFromBytes(reinterpret_cast<const uint8_t*>(sink.Bytes.data()),
                                sink.Bytes.size(), "saved.jww")) {
      return 3;
    }
    return 0;
  }));
}

// However deep the nesting, placements stop once they would show more entities than the
// bound allows.
TEST(HostileBlockTree, PlacementsStopAtTheEntityBound) {
  TJwwData doc;
  const TBytes bytes = ExponentialFanOut();
  ASSERT_TRUE(doc.LoadFromBytes(bytes.data(), bytes.size(), "fan-out.jww"));
  ExpandBlockTree(doc, kMaxBlockTreeNodes, 1000);
  size_t placed = 0;
  for (const TEntJwwBlockTree& node : doc.BlockTree) {
    placed += doc.BlockDefs[static_cast<size_t>(node.BlockIndex)].EntityOrder.size();
  }
  EXPECT_GE(placed, 1000u);
  EXPECT_LT(placed, 1000u + doc.BlockDefs[0].EntityOrder.size());
  EXPECT_TRUE(doc.BlockTreeLimited);
  EXPECT_TRUE(doc.BlockDefs[39].Used);  // saving still keeps every reachable definition
}

// A chain of definitions each placing the next is expanded only to the deepest nesting
// allowed, and the drawing says that its placements were cut.
TEST(HostileBlockTree, AChainStopsAtTheDeepestNesting) {
  TJwwData doc = SampleDocument();
  Append(doc, MakeInsert(0, 0, 0));
  for (uint32_t n = 0; n < 400; ++n) {
    TEntJwwBlockDef def = MakeBlockDef(n, "chain" + std::to_string(n));
    Append(def, MakeInsert(n + 1, 1, 0));
    doc.BlockDefs.push_back(def);
  }
  const TBytes bytes = TJwwBuilder::Drawing(doc);
  TJwwData loaded;
  ASSERT_TRUE(loaded.LoadFromBytes(bytes.data(), bytes.size(), "chain.jww"));
  EXPECT_EQ(loaded.BlockTree.size(), static_cast<size_t>(kMaxBlockDepth) + 1);
  EXPECT_EQ(loaded.BlockTree.back().Depth, kMaxBlockDepth);
  EXPECT_TRUE(loaded.BlockTreeLimited);
  EXPECT_TRUE(loaded.BlockDefs[399].Used);
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileFile,
    ::testing::Values(
        THostileFile{"TextLongerThanTheFile", TextLongerThanTheFile, false},
        THostileFile{"TwoByteTextOfTwoBillionUnits", TwoByteTextOfTwoBillionUnits, false},
        THostileFile{"BlockNameLongerThanTheFile", BlockNameLongerThanTheFile, false},
        THostileFile{"ImageNameLongerThanTheFile", ImageNameLongerThanTheFile, false},
        THostileFile{"FourBillionEntities", FourBillionEntities, false},
        THostileFile{"FourBillionBlockDefinitions", FourBillionBlockDefinitions, false},
        THostileFile{"ABlockOfFourBillionEntities", ABlockOfFourBillionEntities, false},
        THostileFile{"FourBillionImages", FourBillionImages, true},
        THostileFile{"AnImageLargerThanTheFile", AnImageLargerThanTheFile, false},
        THostileFile{"BlocksThatPlaceThemselves", BlocksThatPlaceThemselves, true},
        THostileFile{"ExponentialFanOut", ExponentialFanOut, true}),
    [](const auto& row) { return std::string(row.param.Name); });

// A scratch tree: root/images is the image folder, root/bait.bmp a file beside it that a
// hostile name would reach.
class HostileImageNames : public ::testing::Test {
 protected:
  void SetUp() override {
    Root = fs::temp_directory_path() / ("pennatran_hostile_" + std::to_string(::getpid()));
    fs::remove_all(Root);
    fs::create_directories(Root / "images");
    std::ofstream(Root / "bait.bmp", std::ios::binary) << kBait;
  }
  void TearDown() override { fs::remove_all(Root); }

  std::set<std::string> Tree() const {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(Root)) {
      names.insert(fs::relative(entry.path(), Root).generic_string());
    }
    return names;
  }

  static constexpr const char* kBait = "BAIT-BYTES-OUTSIDE";
  fs::path Root;
};

TEST_F(HostileImageNames, NeverReachOutsideTheImageFolder) {
  const std::vector<std::string> names = {
      "../bait.bmp", "..\\bait.bmp", "/tmp/pennatran_abs.bmp", "..", "sub/../../bait.bmp",
      "\\bait.bmp",  "ok.bmp"};
  TJwwData source = SampleDocument();
  std::vector<TJwwBuilder::TImage> images;
  for (const std::string& name : names) {
    Append(source, MakeText(0, 0, "^@BM%temp%" + name + ",10,10"));
    images.push_back({name, "evil"});
  }
  images.back().Content = "fine";
  TJwwBuilder b(700);
  b.Header(source).EntitySection(source).Images(images);
  const TBytes bytes = b.Bytes();
  const fs::path folder = Root / "images";
  const fs::path saved = Root / "saved.jww";

  EXPECT_TRUE(RunsWithinBounds([&] {
    TJwwData doc;
    doc.ImageFolder = folder;
    if (!doc.LoadFromBytes(bytes.data(), bytes.size(), "hostile.jww")) return 1;
    DrawOnNullCanvas(doc);
    if (!doc.SaveToFile(saved, 700)) return 2;
    doc.DeleteImageFiles();
    return 0;
  }));

  EXPECT_EQ(Tree(), (std::set<std::string>{"bait.bmp", "images", "saved.jww"}));
  EXPECT_EQ(ReadBytes(Root / "bait.bmp"), TBytes(kBait, kBait + std::string(kBait).size()));
  EXPECT_FALSE(fs::exists("/tmp/pennatran_abs.bmp"));
  const std::vector<uint8_t> written = ReadBytes(saved);
  const std::string_view bait(kBait);
  EXPECT_EQ(std::search(written.begin(), written.end(), bait.begin(), bait.end()), written.end());
  const std::string_view fine = "fine";
  EXPECT_NE(std::search(written.begin(), written.end(), fine.begin(), fine.end()), written.end());
}

}  // namespace
}  // namespace pennatran
