// Every committed fuzzer input, the seeds and the findings alike, loads and draws without
// a crash; a finding also keeps the document consistent enough to save again.
#include <gtest/gtest.h>

#include "hardening_support.h"
#include "jww/jww_writer.h"

namespace pennatran {
namespace {

using namespace pennatran::testing;

void LoadDrawAndSave(const std::filesystem::path& path) {
  SCOPED_TRACE(path.filename().string());
  const std::vector<uint8_t> bytes = ReadBytes(path);
  TJwwData doc;  // no image folder: embedded images are listed, never written
  doc.LoadFromBytes(bytes.data(), bytes.size(), path.filename().string());
  DrawOnNullCanvas(doc);
  TStringSink sink;
  try {
    WriteJww(doc, sink, 700);
  } catch (const TWriteError&) {
    // A value with no encoding is a refused save, not a fault.
  }
}

TEST(FuzzInputs, TheSeedCorpusIsThere) {
  EXPECT_GE(FilesIn(SourcePath("fuzz/corpus")).size(), 10u);
}

TEST(FuzzInputs, EverySeedLoadsDrawsAndSaves) {
  for (const auto& path : FilesIn(SourcePath("fuzz/corpus"))) LoadDrawAndSave(path);
}

TEST(FuzzInputs, EveryFindingLoadsDrawsAndSaves) {
  for (const auto& path : FilesIn(SourcePath("fuzz/regressions"))) LoadDrawAndSave(path);
}

}  // namespace
}  // namespace pennatran
