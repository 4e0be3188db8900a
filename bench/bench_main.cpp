// Speed figures of the main operations, each against the plain operation it should stay
// close to. Prints one figure a line as "name value"; medians of repeated runs.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "attributes/preview_attributes.h"
#include "capture_canvas.h"
#include "jww/format_versions.h"
#include "jww/jww_data.h"
#include "median_time.h"
#include "nested_blocks.h"
#include "peak_memory.h"
#include "qtcanvas/qt_canvas.h"
#include "raw_io.h"
#include "render/draw_preview.h"
#include "synthetic/synthetic_drawing.h"

namespace fs = std::filesystem;
using namespace pennatran;

namespace {

constexpr int kRuns = 5;
constexpr int kPreviewWidth = 1280;
constexpr int kPreviewHeight = 720;

void Print(const std::string& name, double value) {
  std::printf("%s %.3f\n", name.c_str(), value);
  std::fflush(stdout);
}

// The two times behind a figure, on stderr so the figures on stdout stay one a line.
void Detail(const std::string& name, double seconds, const std::string& baseName,
            double baseSeconds) {
  std::fprintf(stderr, "  %s %.4f s, %s %.4f s\n", name.c_str(), seconds, baseName.c_str(),
               baseSeconds);
}

struct TFigures {
  double LoadSeconds = 0;
};

// The bytes of a drawing's entity records and their order, block definitions' included.
size_t RecordBytes(const TJwwData& doc) {
  size_t bytes = 0;
  const auto add = [&bytes](const TEntityLists& lists) {
    bytes += lists.EntityOrder.size() * sizeof(TEntJwwOrderEntry);
    ForEachList(lists, [&bytes](const auto& list, TEntityKind) {
      bytes += list.size() * sizeof(typename std::decay_t<decltype(list)>::value_type);
    });
  };
  add(doc);
  for (const TEntJwwBlockDef& def : doc.BlockDefs) add(def);
  return bytes;
}

TFigures Measure(const fs::path& folder, int64_t entities, const std::string& tag) {
  const fs::path drawing = folder / ("bench-" + tag + ".jww");
  if (!SaveSyntheticDrawing(drawing, entities, 7)) {
    std::fprintf(stderr, "bench: cannot write %s\n", drawing.string().c_str());
    std::exit(1);
  }
  TFigures figures;
  figures.LoadSeconds = bench::MedianSeconds(kRuns, [&] {
    TJwwData doc;
    doc.LoadFromFile(drawing);
  });
  const double readSeconds =
      bench::MedianSeconds(kRuns, [&] { bench::ReadLikeTheLoader(drawing); });
  Detail("load_" + tag, figures.LoadSeconds, "read_" + tag, readSeconds);
  Print("load_vs_read_" + tag, figures.LoadSeconds / readSeconds);

  TJwwData doc;
  doc.LoadFromFile(drawing);
  const size_t recordBytes = RecordBytes(doc);
  const double fillSeconds =
      bench::MedianSeconds(kRuns, [&] { bench::ReadAndFillLikeTheLoader(drawing, recordBytes); });
  Detail("read_and_fill_" + tag, fillSeconds, "read_" + tag, readSeconds);
  Print("load_floor_vs_read_" + tag, fillSeconds / readSeconds);
  const fs::path saved = folder / ("bench-" + tag + "-saved.jww");
  const double saveSeconds =
      bench::MedianSeconds(kRuns, [&] { doc.SaveToFile(saved, kSaveVersion); });
  const std::vector<uint8_t> bytes = bench::ReadWholeFile(saved);
  const fs::path raw = folder / ("bench-" + tag + "-raw.bin");
  const double writeSeconds =
      bench::MedianSeconds(kRuns, [&] { bench::WriteFileDurably(raw, bytes); });
  Detail("save_" + tag, saveSeconds, "write_" + tag, writeSeconds);
  Print("save_vs_write_" + tag, saveSeconds / writeSeconds);

  PreviewAttributes attributes;
  TRenderContext ctx;
  ctx.DocInfo = doc.DocInfo;
  PreparePreview(
      ctx, attributes, doc, BackgroundMode::White, [] { return std::optional<int32_t>(600); },
      [] { return TLocalDateTime{2026, 12, 7, 9, 0, 0}; });
  QImage image(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
  const double drawSeconds = bench::MedianSeconds(kRuns, [&] {
    TQtCanvas canvas(image);
    DrawPreview(ctx, doc, canvas, kPreviewWidth, kPreviewHeight);
  });
  bench::TCaptureCanvas capture;
  DrawPreview(ctx, doc, capture, kPreviewWidth, kPreviewHeight);
  const double rawSeconds = bench::MedianSeconds(kRuns, [&] {
    QPainter painter(&image);
    capture.Replay(painter);
  });
  Detail("draw_" + tag, drawSeconds, "raw_" + tag, rawSeconds);
  Print("draw_vs_raw_" + tag, drawSeconds / rawSeconds);

  if (entities >= 1000000) {
    const int64_t added = bench::PeakResidentAdded([&] {
      TJwwData loaded;
      loaded.LoadFromFile(drawing);
    });
    if (added >= 0)
      Print(tag == "1m" ? "load_rss_vs_file" : "load_rss_vs_file_" + tag,
            static_cast<double>(added) / static_cast<double>(fs::file_size(drawing)));
  }
  fs::remove(drawing);
  fs::remove(saved);
  fs::remove(raw);
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path();
  fs::create_directories(folder);
  const TFigures small = Measure(folder, 100000, "100k");
  const TFigures large = Measure(folder, 1000000, "1m");
  Print("load_scaling", large.LoadSeconds / small.LoadSeconds);
  // About 770 MB of drawing and minutes of drawing it: only when asked (make bench BIG=1).
  const char* big = std::getenv("BIG");
  if (big != nullptr && std::string(big) == "1") {
    const TFigures huge = Measure(folder, 10000000, "10m");
    Print("load_scaling_10m", huge.LoadSeconds / large.LoadSeconds);
  }
  Print("nested_blocks_ms", bench::NestedBlocksMilliseconds(folder, kRuns));
  return 0;
}
