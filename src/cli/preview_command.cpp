#include <QBuffer>
#include <QByteArray>
#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <charconv>
#include <filesystem>
#include <iostream>
#include <optional>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/drawing_input.h"
#include "cli/output_files.h"
#include "cli/quiet_platform.h"
#include "cli/trace_file.h"
#include "interrupt/interrupt_cleanup.h"
#include "jww/atomic_file.h"
#include "qtcanvas/printer_resolution.h"
#include "qtcanvas/qt_canvas.h"
#include "render/system_clock.h"
#include "session/half_session.h"

namespace pennatran {
namespace {

// Bigger images are refused: they would only exhaust memory.
constexpr int32_t kMaxSide = 10000;

struct TImageSize {
  int32_t Width = 0;
  int32_t Height = 0;
};

std::optional<int32_t> ParseSide(std::string_view s) {
  int32_t value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  if (value < 1 || value > kMaxSide) return std::nullopt;
  return value;
}

std::optional<TImageSize> ParseSize(std::string_view text) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string_view::npos) return std::nullopt;
  std::optional<int32_t> width = ParseSide(text.substr(0, x));
  std::optional<int32_t> height = ParseSide(text.substr(x + 1));
  if (!width || !height) return std::nullopt;
  return TImageSize{*width, *height};
}

std::string PngBytes(const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
  return png.toStdString();
}

// The outputs must be files of their own in folders that exist: a preview never replaces
// its drawing, and writes both of its files or neither.
bool CheckOutputs(const TPreviewOptions& options) {
  for (const std::string* output : {&options.Output, &options.Trace}) {
    if (output->empty()) continue;
    if (IsSameFile(options.File, *output)) {
      std::cerr << "pennatran-cli: "
                << Tr("preview", "\"%1\" is the drawing itself; choose another file to write.")
                       .Arg(*output)
                << '\n';
      return false;
    }
    if (!FolderExists(*output)) {
      std::cerr << "pennatran-cli: "
                << Tr("preview", "the folder of \"%1\" does not exist.").Arg(*output) << '\n';
      return false;
    }
  }
  if (!options.Trace.empty() && IsSameFile(options.Output, options.Trace)) {
    std::cerr << "pennatran-cli: "
              << Tr("preview", "the image and the trace must be different files.") << '\n';
    return false;
  }
  return true;
}

}  // namespace

int RunPreview(const TPreviewOptions& options, int argc, char** argv) {
  const std::optional<TImageSize> size = ParseSize(options.Size);
  if (!size) {
    std::cerr << "pennatran-cli: "
              << Tr("preview", "--size must be WIDTHxHEIGHT with each side 1..%1, e.g. 300x168.")
                     .Arg(kMaxSide)
              << '\n';
    return kExitUsage;
  }
  if (!CheckReadable(options.File)) return kExitUsage;
  if (!CheckOutputs(options)) return kExitUsage;

  // Fonts need a GUI application; a command line must also work without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  DropRuntimeFolderNotice();
  QGuiApplication app(argc, argv);

  TTempFolder images(InterruptScratchWatch());
  THalfSession half(TPreviewEnvironment{DefaultPrinterResolution, {}, {}});
  const TSessionLoad load = LoadDrawing(half, options.File, images);
  if (!load.Complete) ReportLoadFailure(options.File, load);
  if (load.NotADrawing) return kExitFailed;

  half.ResetPreview(size->Width, size->Height, SystemNow());
  TPreviewCarry carry;
  half.PreparePreview(carry);
  QImage image(size->Width, size->Height, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    TQtCanvas canvas(image);
    half.DrawPreview(canvas, size->Width, size->Height);
  }
  // The trace goes first, as it is drawn, and the image only once it is complete; an
  // image that then fails takes the new trace with it: both files or neither.
  if (!options.Trace.empty()) {
    bool tooLarge = false;
    const bool written = WriteTrace(
        options.Trace,
        [&](TCanvas& recorder) { half.DrawPreview(recorder, size->Width, size->Height); },
        tooLarge);
    if (tooLarge) {
      std::cerr << "pennatran-cli: "
                << Tr("preview",
                      "\"%1\": its trace would be larger than %2 MiB; neither file was written.")
                       .Arg(options.File)
                       .Arg(kMaxTextOutputBytes >> 20)
                << '\n';
      return kExitFailed;
    }
    if (!written) {
      std::cerr << "pennatran-cli: "
                << Tr("preview", "cannot write the trace \"%1\".").Arg(options.Trace) << '\n';
      return kExitFailed;
    }
  }
  const std::string png = PngBytes(image);
  if (png.empty() || !WriteBytes(options.Output, png)) {
    if (!options.Trace.empty()) {
      std::error_code ec;
      std::filesystem::remove(SaveDestination(options.Trace), ec);
    }
    std::cerr << "pennatran-cli: "
              << Tr("preview", "cannot write the image \"%1\".").Arg(options.Output) << '\n';
    return kExitFailed;
  }
  return load.Complete ? kExitOk : kExitFailed;
}

}  // namespace pennatran
