// Writes the fuzzer's seed drawings when PENNATRAN_FUZZ_SEEDS names a folder, and the
// inputs of faults found by hand when PENNATRAN_FUZZ_REGRESSIONS does, and the palette
// fuzzer's hostile seeds when PENNATRAN_FUZZ_PALETTES does:
//   PENNATRAN_FUZZ_SEEDS=fuzz/corpus PENNATRAN_FUZZ_REGRESSIONS=fuzz/regressions
//   PENNATRAN_FUZZ_PALETTES=fuzz/palettes ./test_jww --gtest_filter='FuzzSeeds.*'
// Without the variables the tests are skipped, so the normal run writes nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "hardening_support.h"
#include "jww/jww_writer.h"
#include "palette/hostile_palettes.h"
#include "support/jww_builder.h"
#include "writer_fixture.h"

namespace pennatran {
namespace {

namespace fs = std::filesystem;
using namespace pennatran::testing;

void Write(const fs::path& path, const std::vector<uint8_t>& bytes) {
  TJwwBuilder b;
  b.Raw(bytes.data(), bytes.size());
  ASSERT_TRUE(b.WriteTo(path)) << path;
}

// A drawing whose texts refer to embedded images, with the images in its section.
std::vector<uint8_t> WithImages() {
  TJwwData doc = EveryKind();
  Append(doc, MakeText(0, 0, "^@BM%temp%pic.bmp,100,50"));
  TJwwBuilder b(700);
  b.Header(doc).EntitySection(doc).Images({{"pic.bmp", "BM-bytes"}, {"", ""}, {"b.gz", "gz"}});
  return b.Bytes();
}

// Inserts nested three deep, a self insert and an insert of a missing block.
std::vector<uint8_t> NestedBlocks(int32_t version) {
  TJwwData doc = NormalDocument();
  Append(doc, MakeInsert(0, 10, 10, 2, 1, 0.3));
  Append(doc, MakeInsert(7, 0, 0));
  TEntJwwBlockDef a = MakeBlockDef(0, "a");
  Append(a, MakeInsert(1, 1, 1));
  Append(a, MakeInsert(0, 2, 2));
  TEntJwwBlockDef b = MakeBlockDef(1, "b");
  Append(b, MakeInsert(2, 1, 1, 1, 1, 1.0));
  Append(b, MakeDimension(0, 0, 9, 0, "9"));
  TEntJwwBlockDef c = MakeBlockDef(2, "c");
  Append(c, MakeText(0, 0, "\x93\xfa\x96\x7b^u2"));
  Append(c, MakeSolid(0, 0, 1));
  doc.BlockDefs = {a, b, c};
  return TJwwBuilder::Drawing(doc, version);
}

TEST(FuzzSeeds, WritesEveryVersionAndShape) {
  const char* folder = std::getenv("PENNATRAN_FUZZ_SEEDS");
  if (folder == nullptr) GTEST_SKIP() << "PENNATRAN_FUZZ_SEEDS is not set";
  const fs::path out(folder);
  fs::create_directories(out);
  for (int32_t version : {220, 221, 223, 225, 230, 250, 300, 350, 351, 420, 600, 700}) {
    const std::string v = std::to_string(version);
    Write(out / ("every-kind-" + v + ".jww"), TJwwBuilder::Drawing(EveryKind(), version));
    Write(out / ("nested-" + v + ".jww"), NestedBlocks(version));
  }
  Write(out / "empty-700.jww", TJwwBuilder::Drawing(SampleDocument(), 700));
  Write(out / "images-700.jww", WithImages());

  TJwwBuilder longForms(700);
  longForms.SetTagForm(TTagForm::Long);
  const TJwwData every = EveryKind();
  longForms.Header(every).EntitySection(every).Images({});
  Write(out / "long-tags-700.jww", longForms.Bytes());

  TStringSink saved;
  WriteJww(EveryKind(), saved, 700);
  Write(out / "writer-700.jww", std::vector<uint8_t>(saved.Bytes.begin(), saved.Bytes.end()));
}

TEST(FuzzSeeds, WritesTheFaultsFoundByHand) {
  const char* folder = std::getenv("PENNATRAN_FUZZ_REGRESSIONS");
  if (folder == nullptr) GTEST_SKIP() << "PENNATRAN_FUZZ_REGRESSIONS is not set";
  const fs::path out(folder);
  fs::create_directories(out);
  // Placements multiplied without bound kept the preview busy for minutes.
  Write(out / "fan-out-of-nested-inserts-hang.jww", ExponentialFanOut());
}

TEST(FuzzSeeds, WritesTheHostilePalettes) {
  const char* folder = std::getenv("PENNATRAN_FUZZ_PALETTES");
  if (folder == nullptr) GTEST_SKIP() << "PENNATRAN_FUZZ_PALETTES is not set";
  const fs::path out(folder);
  fs::create_directories(out);
  for (const THostilePalette& palette : HostilePalettes()) {
    Write(out / palette.File, std::vector<uint8_t>(palette.Text.begin(), palette.Text.end()));
  }
}

}  // namespace
}  // namespace pennatran
