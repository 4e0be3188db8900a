#include "nested_blocks.h"
#include "jww/format_versions.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "jww/jww_data.h"

namespace pennatran::bench {
namespace {

constexpr uint32_t kChainLength = 256;
constexpr int kTopInserts = 8000;

TEntJwwBlockInsert Insert(uint32_t number, double x, double y) {
  TEntJwwBlockInsert insert{};
  insert.Common.LineType = 1;
  insert.Common.Color = 1;
  insert.X = x;
  insert.Y = y;
  insert.ScaleX = insert.ScaleY = 1;
  insert.BlockNumber = number;
  return insert;
}

void MakeChain(TJwwData& doc) {
  for (uint32_t n = 0; n < kChainLength; ++n) {
    TEntJwwBlockDef def;
    def.Number = n;
    def.Name = "chain" + std::to_string(n);
    TEntJwwLine line{};
    line.Common.LineType = 1;
    line.Common.Color = 1;
    line.EndX = 1;
    def.Append(line);
    if (n + 1 < kChainLength) def.Append(Insert(n + 1, 0.5, 0));
    doc.BlockDefs.push_back(std::move(def));
  }
  for (int i = 0; i < kTopInserts; ++i) {
    doc.Append(Insert(0, i % 100, i / 100));
  }
}

}  // namespace

double NestedBlocksMilliseconds(const std::filesystem::path& folder, int runs) {
  const std::filesystem::path drawing = folder / "bench-nested-blocks.jww";
  {
    TJwwData doc;
    MakeChain(doc);
    if (!doc.SaveToFile(drawing, kSaveVersion)) {
      std::fprintf(stderr, "bench: cannot write %s\n", drawing.string().c_str());
      std::exit(1);
    }
  }
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    TJwwData doc;
    doc.LoadFromFile(drawing);
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::filesystem::remove(drawing);
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace pennatran::bench
