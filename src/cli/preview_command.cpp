#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

#include "attributes/gra_attribute.h"
#include "cli/commands.h"
#include "cli/drawing_input.h"
#include "qtcanvas/printer_resolution.h"
#include "qtcanvas/qt_canvas.h"
#include "render/draw_preview.h"
#include "render/recording_canvas.h"

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

TLocalDateTime Now() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

bool WriteTrace(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  for (const std::string& line : lines) out << line << '\n';
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int RunPreview(const TPreviewOptions& options, int argc, char** argv) {
  const std::optional<TImageSize> size = ParseSize(options.Size);
  if (!size) {
    std::cerr << "pennatran-cli: --size must be WIDTHxHEIGHT with each side 1.." << kMaxSide
              << ", e.g. 300x168.\n";
    return kExitUsage;
  }
  if (!CheckReadable(options.File)) return kExitUsage;

  // Fonts need a GUI application; a command line must also work without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  TTempFolder images;
  TJwwData doc;
  const bool loaded = LoadDrawing(doc, options.File, images);
  if (!loaded) ReportLoadFailure(options.File, doc);
  if (doc.LoadError.NotADrawing) return kExitFailed;

  // The window's order: pens and layer states of the drawing, its extents, then the fit
  // and the draw pass for the image's size.
  TgraAttribute attributes;
  attributes.SetBackMode(0);
  attributes.InitPenColors();
  attributes.SetShowAuxiliary(0);
  ApplyDocPens(attributes, doc, 0, DefaultPrinterResolution);
  ApplyLayerStates(attributes, doc);

  TRenderContext ctx;
  ctx.GraAttribute = &attributes;
  ctx.DocInfo = doc.DocInfo;
  ctx.StartDateTime = Now();
  ctx.Clock = Now;
  ResetPreviewMapping(ctx, size->Width, size->Height);
  ComputeExtents(doc, ctx.WorkingBox);

  QImage image(size->Width, size->Height, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    TQtCanvas canvas(image);
    DrawPreview(ctx, doc, canvas, size->Width, size->Height);
  }
  if (!image.save(QString::fromStdString(options.Output), "PNG")) {
    std::cerr << "pennatran-cli: cannot write the image \"" << options.Output << "\".\n";
    return kExitFailed;
  }

  if (!options.Trace.empty()) {
    TRecordingCanvas recorder;
    DrawPreview(ctx, doc, recorder, size->Width, size->Height);
    if (!WriteTrace(options.Trace, recorder.Lines)) {
      std::cerr << "pennatran-cli: cannot write the trace \"" << options.Trace << "\".\n";
      return kExitFailed;
    }
  }
  return loaded ? kExitOk : kExitFailed;
}

}  // namespace pennatran
