// What the user of the window waits for against a command line run on the same drawing:
// from the request to open it to the source preview painted, against a whole
// `pennatran-cli preview` process drawing it at the same size. Run under an X server with
// the xcb platform (tools/bench.sh uses xvfb-run): the window polls the server for Escape
// while it draws, and the paint goes through it.
// Prints "window_preview_vs_cli_<size> value"; medians of repeated runs.
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "synthetic/synthetic_drawing.h"

namespace fs = std::filesystem;
using namespace pennatran;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRuns = 5;
// A run that has not painted by then has failed; the bench says so instead of hanging.
constexpr int kGiveUpMilliseconds = 120000;

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

// Ends a wait when the preview paints a picture other than the one it showed before.
class TPaintWatch : public QObject {
 public:
  TPaintWatch(QLabel* preview, QEventLoop& loop)
      : Preview(preview), Loop(loop), Before(preview->pixmap().cacheKey()) {
    Preview->installEventFilter(this);
  }
  ~TPaintWatch() override { Preview->removeEventFilter(this); }
  Clock::time_point Painted;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !Preview->pixmap().isNull() &&
        Preview->pixmap().cacheKey() != Before && Painted == Clock::time_point()) {
      Painted = Clock::now();
      QTimer::singleShot(0, &Loop, &QEventLoop::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QLabel* Preview;
  QEventLoop& Loop;
  qint64 Before;
};

// The median of runs times, each timed by time itself.
double MedianOf(int runs, const std::function<double()>& time) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(time());
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// From the request to open path, as a drop or the command line makes it once the event
// loop runs, to the preview painted.
double OpenAsTheUserDoes(MainWindow& window, QLabel* preview, const QString& path) {
  QEventLoop loop;
  TPaintWatch watch(preview, loop);
  Clock::time_point requested;
  QTimer::singleShot(0, &window, [&] {
    requested = Clock::now();
    window.OpenSource(path);
  });
  QTimer::singleShot(kGiveUpMilliseconds, &loop, &QEventLoop::quit);
  loop.exec();
  if (watch.Painted == Clock::time_point()) {
    std::fprintf(stderr, "bench: the preview was not painted\n");
    std::exit(1);
  }
  return std::chrono::duration<double>(watch.Painted - requested).count();
}

double CommandLinePreview(const fs::path& drawing, const fs::path& png, const QSize& size) {
  const auto start = Clock::now();
  const int code = QProcess::execute(
      QStringLiteral(PENNATRAN_CLI),
      {QStringLiteral("preview"), FromFsPath(drawing), QStringLiteral("-o"), FromFsPath(png),
       QStringLiteral("--size"), QStringLiteral("%1x%2").arg(size.width()).arg(size.height())});
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (code != 0) {
    std::fprintf(stderr, "bench: pennatran-cli preview ended with %d\n", code);
    std::exit(1);
  }
  return seconds;
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
  auto* preview = window.findChild<QLabel*>(QStringLiteral("sourcePreview"));
  const QSize size = preview->size() * preview->devicePixelRatioF();
  const QString path = FromFsPath(drawing);
  const double windowSeconds =
      MedianOf(kRuns, [&] { return OpenAsTheUserDoes(window, preview, path); });
  window.close();
  const fs::path png = folder / ("window-bench-" + tag + ".png");
  const double cliSeconds = MedianOf(kRuns, [&] { return CommandLinePreview(drawing, png, size); });
  std::fprintf(stderr, "  window_preview_%s %.4f s, cli_preview_%s %.4f s\n", tag.c_str(),
               windowSeconds, tag.c_str(), cliSeconds);
  std::printf("window_preview_vs_cli_%s %.3f\n", tag.c_str(), windowSeconds / cliSeconds);
  std::fflush(stdout);
  fs::remove(png);
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
