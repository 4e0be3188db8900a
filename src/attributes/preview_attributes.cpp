#include "attributes/preview_attributes.h"

#include <cmath>

namespace pennatran {

namespace {

constexpr int32_t kAttributePenCount = 265;  // colours 1..9 and 101..356
constexpr TColor kWhite = MakeColor(255, 255, 255);
constexpr TColor kBlack = MakeColor(0, 0, 0);
constexpr TColor kGray = MakeColor(128, 128, 128);

struct TDefaultPen {
  int32_t Number;
  TColor Color;
  double Width;
  double PointRadius;
};

// The standard pens 1..9 and the first sixteen SXF colours; the rest keep the fallbacks.
constexpr TDefaultPen kDefaultPens[] = {
    {1, MakeColor(0, 192, 192), 0.1, 0.2},      {2, MakeColor(0, 0, 0), 0.15, 0.3},
    {3, MakeColor(0, 192, 0), 0.2, 0.4},        {4, MakeColor(192, 192, 0), 0.25, 0.5},
    {5, MakeColor(192, 0, 192), 0.3, 0.5},      {6, MakeColor(0, 0, 255), 0.35, 0.5},
    {7, MakeColor(0, 128, 128), 0.4, 0.5},      {8, MakeColor(255, 0, 128), 0.5, 0.5},
    {9, MakeColor(255, 128, 255), 0.01, 0.2},   {101, MakeColor(0, 0, 0), 0.18, 0.2},
    {102, MakeColor(255, 0, 0), 0.18, 0.2},     {103, MakeColor(0, 255, 0), 0.18, 0.2},
    {104, MakeColor(0, 0, 255), 0.18, 0.2},     {105, MakeColor(255, 255, 0), 0.18, 0.2},
    {106, MakeColor(255, 0, 255), 0.18, 0.2},   {107, MakeColor(0, 255, 255), 0.18, 0.2},
    {108, MakeColor(0, 0, 0), 0.18, 0.2},       {109, MakeColor(192, 0, 128), 0.18, 0.2},
    {110, MakeColor(192, 128, 64), 0.18, 0.2},  {111, MakeColor(255, 128, 0), 0.18, 0.2},
    {112, MakeColor(128, 192, 128), 0.18, 0.2}, {113, MakeColor(0, 128, 255), 0.18, 0.2},
    {114, MakeColor(128, 64, 255), 0.18, 0.2},  {115, MakeColor(192, 192, 192), 0.18, 0.2},
    {116, MakeColor(128, 128, 128), 0.18, 0.2},
};

bool InRange(int32_t v, int32_t lo, int32_t hi) {
  return v >= lo && v <= hi;
}

// mm per step of a standard pen's screen width.
double WidthUnit(const TEntJwwHeader& header, const TPrinterResolution& printerResolution) {
  const int32_t w = header.MaxDrawWidth;
  if (w < 0) return w >= -100 ? -1.0 / w : 0.01;
  if (header.Version > 420 && header.WidthUnitMode > 0) {
    return header.WidthUnitMode == 1 ? 0.085 : 0.042;
  }
  if (!printerResolution) return 0.01;
  const std::optional<int32_t> dpi = printerResolution();
  if (!dpi || *dpi <= 0) return 0.01;
  return std::trunc(25400.0 / *dpi + 0.5) / 1000.0;
}

}  // namespace

PreviewAttributes::PreviewAttributes() : Layers(kLayerCount), Pens(kAttributePenCount) {
  InitAll();
}

void PreviewAttributes::InitAll() {
  BackMode = BackgroundMode::White;
  BackColor = kWhite;
  ForeColor = kBlack;
  GrayColor = kGray;
  ShowAuxiliary = false;
  InitLayers();
  InitPenColors();
  InitPenWidths();
  InitPointRadii();
}

void PreviewAttributes::InitLayers() {
  for (PreviewLayer& layer : Layers) layer.State = kLayerNormal;
}

void PreviewAttributes::InitPenColors() {
  for (PreviewPen& pen : Pens) pen.Color = ForeColor;
  for (const TDefaultPen& d : kDefaultPens) Pens[PenIndex(d.Number)].Color = d.Color;
}

void PreviewAttributes::InitPenWidths() {
  for (PreviewPen& pen : Pens) pen.Width = 0.18;
  for (const TDefaultPen& d : kDefaultPens) Pens[PenIndex(d.Number)].Width = d.Width;
}

void PreviewAttributes::InitPointRadii() {
  for (PreviewPen& pen : Pens) pen.PointRadius = 0.2;
  for (const TDefaultPen& d : kDefaultPens) Pens[PenIndex(d.Number)].PointRadius = d.PointRadius;
}

void PreviewAttributes::SetBackMode(BackgroundMode mode) {
  BackMode = mode;
  const bool black = mode == BackgroundMode::Black;
  BackColor = black ? kBlack : kWhite;
  ForeColor = black ? kWhite : kBlack;
}

int32_t PreviewAttributes::PenIndex(int32_t colorNumber) {
  if (InRange(colorNumber, 1, 9)) return colorNumber - 1;
  if (InRange(colorNumber, 101, 356)) return colorNumber - 101 + 9;
  return -1;
}

void PreviewAttributes::SetLayer(int32_t layerIndex, int32_t state) {
  if (!InRange(layerIndex, 0, kLayerCount - 1)) return;
  Layers[layerIndex].State = InRange(state, kLayerNormal, kLayerHidden) ? state : kLayerNormal;
}

int32_t PreviewAttributes::GetLayerState(int32_t layerIndex) const {
  if (!InRange(layerIndex, 0, kLayerCount - 1)) return kLayerNormal;
  return Layers[layerIndex].State;
}

void PreviewAttributes::SetPen(int32_t colorNumber, TColor color, double width,
                               double pointRadius) {
  const int32_t i = PenIndex(colorNumber);
  if (i < 0) return;
  Pens[i] = {color, width, pointRadius};
}

TColor PreviewAttributes::GetPenColor(int32_t colorNumber) const {
  const int32_t i = PenIndex(colorNumber);
  return i < 0 ? BackColor : Pens[i].Color;
}

double PreviewAttributes::GetPenWidth(int32_t colorNumber) const {
  const int32_t i = PenIndex(colorNumber);
  return i < 0 ? 0.0 : Pens[i].Width;
}

double PreviewAttributes::GetPointRadius(int32_t colorNumber) const {
  const int32_t i = PenIndex(colorNumber);
  return i < 0 ? 0.1 : Pens[i].PointRadius;
}

void ApplyLayerStates(PreviewAttributes& attributes, const TJwwData& doc) {
  attributes.InitLayers();
  for (int32_t i = 0; i < kLayerCount; ++i) {
    // A document without tables (nothing read) counts its missing states as normal.
    const size_t group = static_cast<size_t>(i / kLayersPerGroup);
    const int32_t gs =
        group < doc.LayerGroups.size() ? doc.LayerGroups[group].State : kStoredEditable;
    const int32_t ls =
        static_cast<size_t>(i) < doc.Layers.size() ? doc.Layers[i].State : kStoredEditable;
    PreviewLayerState state = kLayerNormal;
    if (gs == kStoredHidden || ls == kStoredHidden) {
      state = kLayerHidden;
    } else if (gs == kStoredDisplayOnly || ls == kStoredDisplayOnly) {
      state = kLayerDisplayOnly;
    }
    attributes.SetLayer(i, state);
  }
}

BackgroundMode ApplyDocPens(PreviewAttributes& attributes, const TJwwData& doc,
                            BackgroundMode backMode, const TPrinterResolution& printerResolution) {
  if (doc.Pens.empty()) return backMode;
  const double unit = WidthUnit(doc.Header, printerResolution);
  for (int32_t n = 1; n <= 8 && static_cast<size_t>(n) < doc.Pens.size(); ++n) {
    const TEntJwwPen& pen = doc.Pens[n];
    attributes.SetPen(n, pen.ScreenColor, unit * pen.ScreenWidth, pen.PointRadius);
  }
  for (int32_t i = 1; i <= 256 && static_cast<size_t>(i) < doc.ColorExNos.size(); ++i) {
    const TEntJwwColorExNo& ex = doc.ColorExNos[i];
    attributes.SetPen(100 + i, ex.ScreenColor, 0.01 * ex.ScreenWidth, ex.PointRadius);
  }
  // Signed arithmetic on purpose: a "negative" colour value matches neither test.
  const auto c = static_cast<int32_t>(doc.Pens[0].ScreenColor);
  const int32_t red = c % 256;
  const int32_t green = (c / 256) % 256;
  const int32_t blue = (c / 65536) % 256;
  if (InRange(red, 0, 20) && InRange(green, 0, 20) && InRange(blue, 0, 20)) {
    backMode = BackgroundMode::Black;
    attributes.SetBackMode(backMode);
  } else if (InRange(red, 235, 255) && InRange(green, 235, 255) && InRange(blue, 235, 255)) {
    backMode = BackgroundMode::White;
    attributes.SetBackMode(backMode);
  }
  return backMode;
}

}  // namespace pennatran
