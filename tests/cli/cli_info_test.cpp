// pennatran-cli info: exit codes, the JSON's shape and values that survive the trip.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>

#include "cli/cli_runner.h"
#include "jww/text_encoding.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

using nlohmann::json;

class InfoTest : public CliTest {
 protected:
  // A drawing with one entity of each kind at the top level and a used block.
  TJwwData RichDocument() const {
    TJwwData doc = SampleDocument();
    doc.Header.Version = 700;
    Append(doc, MakeLine(0.1, 1e-300, 123456.78901234567, -2.5));
    Append(doc, MakeArc(5, 5, 2));
    TEntJwwPoint marker = MakePoint(1, 2, MakeCommon(100));
    marker.Code = 3;
    marker.Angle = 0.7;
    marker.Scale = 2;
    Append(doc, marker);
    Append(doc, MakeText(0, 0, Utf8ToSjis("通り芯")));
    Append(doc, MakeDimension(0, 0, 10, 0, "1,000"));
    TEntJwwSolid solid = MakeSolid(0, 0, 3, MakeCommon(1, 10));
    solid.FillColor = 0xFFEEDDu;
    Append(doc, solid);
    Append(doc, MakeInsert(7, 20, 30, 2, 1, 0.5));
    TEntJwwBlockDef def = MakeBlockDef(7, Utf8ToSjis("柱"));
    Append(def, MakeLine(0, 0, 1, 1));
    Append(def, MakeText(0, 0, "in block"));
    doc.BlockDefs.push_back(def);
    return doc;
  }

  json Info(const std::string& path, bool entities, int expectedExit) const {
    std::vector<std::string> args = {"info", path, "--json"};
    if (entities) args.push_back("--entities");
    const TCliResult r = Run(args);
    EXPECT_EQ(r.ExitCode, expectedExit) << r.Err;
    return json::parse(r.Out);
  }
};

TEST_F(InfoTest, ReportsEveryTableAndHeaderField) {
  const std::string path = WriteFile("rich.jww", TJwwBuilder::Drawing(RichDocument()));
  const json j = Info(path, false, 0);

  EXPECT_EQ(j["file"], path);
  EXPECT_EQ(j["loaded"], true);
  EXPECT_FALSE(j.contains("error"));
  EXPECT_EQ(j["signature"], "JwwData.");
  EXPECT_EQ(j["version"], 700);
  EXPECT_FALSE(j.contains("entities"));

  const json& h = j["header"];
  EXPECT_FALSE(h.contains("Signature"));
  EXPECT_FALSE(h.contains("Version"));
  EXPECT_EQ(h["Memo"], "memo line 1\r\nline 2");
  EXPECT_EQ(h["PrintScale"], 2.5);
  EXPECT_EQ(h["DrawTime"], 3725);
  EXPECT_EQ(h["DimSettings"].size(), 5u);
  EXPECT_EQ(h["MultiLineSpacing"].size(), 10u);
  EXPECT_EQ(h["TextOffsetX"].size(), 3u);
  EXPECT_EQ(h["TextOffsetY"].size(), 3u);
  ASSERT_EQ(h["MarkJumps"].size(), 8u);
  for (const char* key : {"Scale", "X", "Y", "LayerGroup"})
    EXPECT_TRUE(h["MarkJumps"][7].contains(key)) << key;
  EXPECT_EQ(h["ExtraA"]["Values"].size(), 3u);
  EXPECT_TRUE(h["ExtraB"].contains("Int"));
  for (const char* key : {"DisplayOnlyNoPrint", "WidthUnitMode", "EntityCount", "BlockCount",
                          "SolidDefaultColor", "EyeAngleV3", "LastCircleRadius", "TextOffsetOn"})
    EXPECT_TRUE(h.contains(key)) << key;
  EXPECT_EQ(h["EntityCount"], 7);

  const std::pair<const char*, size_t> tables[] = {
      {"layerGroups", 16}, {"layers", 256},       {"pens", 10},
      {"lineTypeDefs", 8}, {"randomLineDefs", 5}, {"doubleLineDefs", 4},
      {"textStyles", 10},  {"colorExNos", 257},   {"lineTypeExNos", 33}};
  for (const auto& [key, size] : tables) EXPECT_EQ(j[key].size(), size) << key;
  EXPECT_EQ(j["layerGroups"][3]["Name"], "group3");
  EXPECT_EQ(j["colorExNos"][20]["Name"], "colour20");
  EXPECT_EQ(j["colorExNos"][20]["PrintColor"], 20u << 8);
  EXPECT_EQ(j["lineTypeExNos"][0]["Pitches"].size(), 10u);

  const json& counts = j["counts"];
  EXPECT_EQ(counts["LineCount"], 1);
  EXPECT_EQ(counts["InsertCount"], 1);
  EXPECT_EQ(counts["BlockDefCount"], 1);
  EXPECT_EQ(counts["BlockTreeCount"], 1);
  EXPECT_EQ(counts["UsedBlockCount"], 1);
  ASSERT_EQ(j["extents"].size(), 4u);
  EXPECT_TRUE(j["images"].is_array());
}

TEST_F(InfoTest, DoublesAndColoursReadBackExactly) {
  TJwwData doc = SampleDocument();
  const double values[] = {0.1,     1e-300, 123456.78901234567,
                           -2.5e17, 5e-324, std::nextafter(1.0, 2.0)};
  doc.Header.PrintOriginX = values[0];
  doc.Header.PrintOriginY = values[1];
  doc.Header.GridOriginX = values[2];
  doc.Header.GridOriginY = values[3];
  doc.Header.ViewOriginX = values[4];
  doc.Header.ViewOriginY = values[5];
  doc.Header.RangeOriginX = std::numeric_limits<double>::quiet_NaN();
  doc.Header.RangeOriginY = -std::numeric_limits<double>::infinity();
  doc.Pens[3].ScreenColor = 0xFFFFFFFFu;
  const std::string path = WriteFile("doubles.jww", TJwwBuilder::Drawing(doc));
  const json h = Info(path, false, 0)["header"];

  const char* keys[] = {"PrintOriginX", "PrintOriginY", "GridOriginX",
                        "GridOriginY",  "ViewOriginX",  "ViewOriginY"};
  for (size_t i = 0; i < std::size(keys); ++i) {
    ASSERT_TRUE(h[keys[i]].is_number()) << keys[i];
    EXPECT_EQ(h[keys[i]].get<double>(), values[i]) << keys[i];
  }
  EXPECT_EQ(h["RangeOriginX"], "NaN");
  EXPECT_EQ(h["RangeOriginY"], "-Infinity");
  const json j = Info(path, false, 0);
  EXPECT_EQ(j["pens"][3]["ScreenColor"].get<uint64_t>(), 0xFFFFFFFFu);
}

TEST_F(InfoTest, EntitiesFollowTheFileOrderWithEveryField) {
  const std::string path = WriteFile("rich.jww", TJwwBuilder::Drawing(RichDocument()));
  const json j = Info(path, true, 0);

  const json& e = j["entities"];
  ASSERT_EQ(e.size(), 7u);
  const char* kinds[] = {"line", "arc", "point", "text", "dimension", "solid", "insert"};
  for (size_t i = 0; i < 7; ++i) EXPECT_EQ(e[i]["kind"], kinds[i]) << i;
  for (const char* key : {"Group", "LineType", "Color", "Width", "Layer", "LayerGroup", "Flags"})
    EXPECT_TRUE(e[0].contains(key)) << key;
  EXPECT_EQ(e[0]["StartX"].get<double>(), 0.1);
  EXPECT_EQ(e[0]["StartY"].get<double>(), 1e-300);
  EXPECT_EQ(e[2]["Code"], 3);
  EXPECT_EQ(e[3]["Content"], "通り芯");
  EXPECT_EQ(e[4]["Text"]["Content"], "1,000");
  for (const char* key :
       {"Line", "Text", "AuxLine1", "AuxLine2", "Point1", "Point2", "AuxPoint1", "AuxPoint2"})
    EXPECT_TRUE(e[4][key].is_object()) << key;
  EXPECT_TRUE(e[4].contains("SxfMode"));
  EXPECT_EQ(e[5]["FillColor"], 0xFFEEDDu);
  EXPECT_EQ(e[6]["BlockNumber"], 7);

  ASSERT_EQ(j["blockDefs"].size(), 1u);
  const json& def = j["blockDefs"][0];
  EXPECT_EQ(def["Name"], "柱");
  EXPECT_EQ(def["Number"], 7);
  EXPECT_EQ(def["Used"], true);
  EXPECT_EQ(def["UsedIndex"], 0);
  ASSERT_EQ(def["entities"].size(), 2u);
  EXPECT_EQ(def["entities"][1]["kind"], "text");

  ASSERT_EQ(j["blockTree"].size(), 1u);
  const json& node = j["blockTree"][0];
  EXPECT_TRUE(node["Common"].contains("Layer"));
  EXPECT_EQ(node["Depth"], 0);
  EXPECT_EQ(node["Parent"], -1);
  EXPECT_EQ(node["BlockName"], "柱");
  EXPECT_EQ(node["X"], 20.0);
  EXPECT_DOUBLE_EQ(node["M11"].get<double>(), 2 * std::cos(0.5));
}

// A text longer than 255 Shift-JIS bytes is loaded whole, in either string form.
TEST_F(InfoTest, LongTextsAreShownWhole) {
  std::string kanji;
  for (int i = 0; i < 200; ++i) kanji += "\xE6\xBC\xA2";  // 漢
  const std::string letters(300, 'w');
  for (const bool twoByte : {false, true}) {
    TJwwData doc = SampleDocument();
    for (const std::string& utf8 : {letters, kanji}) {
      TEntJwwText text = MakeText(0, 0, "");
      text.Content.Assign(Utf8ToSjis(utf8), doc.Strings.get());
      Append(doc, text);
    }
    const std::string path = WriteFile("long.jww", TJwwBuilder::Drawing(doc, 700, twoByte));
    const json j = Info(path, true, 0);
    EXPECT_EQ(j["loaded"], true);
    ASSERT_EQ(j["entities"].size(), 2u);
    EXPECT_EQ(j["entities"][0]["Content"], letters) << twoByte;
    EXPECT_EQ(j["entities"][1]["Content"], kanji) << twoByte;
  }
}

TEST_F(InfoTest, BytesThatDoNotConvertBecomeReplacementCharacters) {
  TJwwData doc = SampleDocument();
  doc.Layers[1].Name = "\xEB\x40";          // a two-byte code with no character
  doc.Layers[2].Name = "a\xA0z";            // a single byte with no character
  doc.Layers[3].Name = "\xFD\x41";          // a lead byte and its follower: one character
  doc.Layers[4].Name = "\x8C\xA7\x82\xA0";  // good text stays as it is
  const std::string path = WriteFile("bad_text.jww", TJwwBuilder::Drawing(doc));
  const json layers = Info(path, false, 0)["layers"];
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(layers[1]["Name"], replacement);
  EXPECT_EQ(layers[2]["Name"], "a" + replacement + "z");
  EXPECT_EQ(layers[3]["Name"], replacement);
  EXPECT_EQ(layers[4]["Name"], "県あ");
}

TEST_F(InfoTest, ATruncatedFilePrintsWhatWasReadAndWhereItStopped) {
  const std::vector<uint8_t> whole = TJwwBuilder::Drawing(RichDocument());
  const std::vector<uint8_t> cut(whole.begin(), whole.end() - 40);
  const std::string path = WriteFile("cut.jww", cut);
  const json j = Info(path, true, 1);
  EXPECT_EQ(j["loaded"], false);
  ASSERT_TRUE(j.contains("error"));
  EXPECT_GT(j["error"]["offset"].get<uint64_t>(), 0u);
  EXPECT_LE(j["error"]["offset"].get<uint64_t>(), cut.size());
  EXPECT_FALSE(j["error"]["message"].get<std::string>().empty());
  EXPECT_EQ(j["colorExNos"][20]["Name"], "colour20");
}

// Placements cut at a bound (here the deepest nesting) are said on stderr and in the JSON;
// a drawing whose placements all fit says nothing.
TEST_F(InfoTest, BlockPlacementsCutAtABoundAreReported) {
  TJwwData chain = SampleDocument();
  Append(chain, MakeInsert(0, 0, 0));
  for (uint32_t n = 0; n < 300; ++n) {
    TEntJwwBlockDef def = MakeBlockDef(n, "chain");
    Append(def, MakeInsert(n + 1, 1, 0));
    chain.BlockDefs.push_back(def);
  }
  for (const auto& [doc, limited] : {std::pair{chain, true}, std::pair{RichDocument(), false}}) {
    const std::string path = WriteFile("blocks.jww", TJwwBuilder::Drawing(doc));
    const TCliResult r = Run({"info", path, "--json"});
    EXPECT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(json::parse(r.Out)["blockTreeLimited"], limited);
    EXPECT_EQ(r.Err.find("only the first") != std::string::npos, limited) << r.Err;
  }
}

#ifndef _WIN32
// The images a drawing carries are extracted while it is read; nothing may stay behind.
TEST_F(InfoTest, ExtractedImagesLeaveNoScratchFolderBehind) {
  TJwwData doc = SampleDocument();
  Append(doc, MakeText(0, 0, "^@BM%temp%photo.bmp,40,30"));
  TJwwBuilder b(700);
  b.Header(doc).EntitySection(doc).Images({{"photo.bmp", "BM-bytes"}});
  const std::string path = WriteFile("image.jww", b.Bytes());
  const std::filesystem::path scratch = Folder / "tmp";
  std::filesystem::create_directories(scratch);
  const char* previous = std::getenv("TMPDIR");
  const std::string saved = previous ? previous : "";
  setenv("TMPDIR", scratch.c_str(), 1);
  const json j = Info(path, false, 0);
  const TCliResult copy = Run({"copy", path, path, "-o", PathOf("out.jww"), "--colors", "all"});
  if (previous)
    setenv("TMPDIR", saved.c_str(), 1);
  else
    unsetenv("TMPDIR");

  ASSERT_EQ(j["images"].size(), 1u);
  EXPECT_EQ(j["images"][0]["Name"], "photo.bmp");
  EXPECT_EQ(j["images"][0]["Size"], 8);
  EXPECT_EQ(copy.ExitCode, 0) << copy.Err;
  EXPECT_TRUE(std::filesystem::is_empty(scratch));
}
#endif

TEST_F(InfoTest, UsageErrorsAndUnopenableFilesExitWithTwo) {
  const std::string good = WriteFile("good.jww", TJwwBuilder::Drawing(SampleDocument()));
  const std::string missing = PathOf("missing.jww");
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"info", good},  // --json is required
      {"info", "--json"},
      {"info", good, "--json", "--bogus"},
      {"frobnicate", good},
  };
  for (const auto& args : cases) EXPECT_EQ(Run(args).ExitCode, 2) << ::testing::PrintToString(args);

  const TCliResult r = Run({"info", missing, "--json"});
  EXPECT_EQ(r.ExitCode, 2);
  EXPECT_NE(r.Err.find("missing.jww"), std::string::npos) << r.Err;
  EXPECT_EQ(Run({"info", Folder.string(), "--json"}).ExitCode, 2);
  EXPECT_EQ(Run({"--help"}).ExitCode, 0);
}

}  // namespace
}  // namespace pennatran::testing
