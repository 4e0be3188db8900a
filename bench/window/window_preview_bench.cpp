// The window's preview against the command line's on the same drawing: opening a drawing
// in the window (load, pens, extents, draw with the Escape poll, lists) against the same
// steps without the poll. Run under an X server with the xcb platform (tools/bench.sh uses
// xvfb-run): elsewhere the poll never reaches a server and there is nothing to measure.
// Prints "window_preview_vs_cli_<size> value"; medians of repeated runs.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "median_time.h"
#include "qtcanvas/qt_canvas.h"
#include "session/half_session.h"
#include "synthetic/synthetic_drawing.h"

namespace fs = std::filesystem;
using namespace pennatran;

namespace {

constexpr int kRuns = 5;

// A complete drawing shows no message; anything else is reported, never waited on.
class TStderrMessages : public TMessages {
 public:
  void Information(const QString& text) override {
    std::fprintf(stderr, "bench: %s\n", text.toStdString().c_str());
  }
  bool Question(const QString& text) override {
    Information(text);
    return false;
  }
  TAnswer QuestionWithCancel(const QString& text) override {
    Information(text);
    return TAnswer::No;
  }
  TChangedFileAnswer ChangedFileQuestion(const QString& text, const QString&,
                                         const QString&) override {
    Information(text);
    return TChangedFileAnswer::Cancel;
  }
};

// The command line's preview steps (as pennatran-cli preview takes them) at the size given.
void PreviewLikeTheCommandLine(const fs::path& drawing, int width, int height) {
  const TLocalDateTime start{2026, 12, 7, 9, 0, 0};
  THalfSession half(TPreviewEnvironment{
      [] { return std::optional<int32_t>(600); }, [start] { return start; }, {}});
  half.OpenDrawingFile(drawing);
  half.ResetPreview(width, height, start);
  TPreviewCarry carry;
  half.PreparePreview(carry);
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  TQtCanvas canvas(image);
  half.DrawPreview(canvas, width, height);
}

void Measure(const fs::path& folder, int64_t entities, const std::string& tag) {
  const fs::path drawing = folder / ("window-bench-" + tag + ".jww");
  if (!SaveSyntheticDrawing(drawing, entities, 7)) {
    std::fprintf(stderr, "bench: cannot write %s\n", drawing.string().c_str());
    std::exit(1);
  }
  TFormEnvironment environment;
  environment.Folders = {folder / "window-bench.dat", {}};
  environment.Messages = std::make_unique<TStderrMessages>();
  environment.PrinterResolution = [] { return std::optional<int32_t>(600); };
  MainWindow window(std::move(environment));
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) std::fprintf(stderr, "bench: window not exposed\n");
  const auto* image = window.findChild<QLabel*>(QStringLiteral("sourcePreview"));
  const QString path = FromFsPath(drawing);
  const double windowSeconds = bench::MedianSeconds(kRuns, [&] { window.OpenSource(path); });
  const double cliSeconds = bench::MedianSeconds(
      kRuns, [&] { PreviewLikeTheCommandLine(drawing, image->width(), image->height()); });
  window.close();
  std::fprintf(stderr, "  window_preview_%s %.4f s, cli_preview_%s %.4f s\n", tag.c_str(),
               windowSeconds, tag.c_str(), cliSeconds);
  std::printf("window_preview_vs_cli_%s %.3f\n", tag.c_str(), windowSeconds / cliSeconds);
  std::fflush(stdout);
  fs::remove(drawing);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path();
  fs::create_directories(folder);
  Measure(folder, 100000, "100k");
  Measure(folder, 1000000, "1m");
  return 0;
}
