// Pens, layer states and background colours the preview draws with. Its lookups never
// fail: a number without an entry yields a fixed fallback.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "jww/color.h"
#include "jww/jww_data.h"

namespace pennatran {

// How the preview shows a layer.
enum PreviewLayerState : int32_t {
  kLayerNormal = 1,
  kLayerDisplayOnly = 2,  // drawn in grey
  kLayerHidden = 3,       // not drawn
};

// The preview's paper: white with black as the foreground, or the reverse.
enum class BackgroundMode : int32_t { White = 0, Black = 1 };

struct PreviewLayer {
  int32_t State = kLayerNormal;
};

struct PreviewPen {
  TColor Color = 0;
  double Width = 0.18;       // mm
  double PointRadius = 0.2;  // mm
};

class PreviewAttributes {
 public:
  PreviewAttributes();

  void InitAll();
  void InitLayers();
  void InitPenColors();
  void InitPenWidths();
  void InitPointRadii();

  void SetBackMode(BackgroundMode mode);
  TColor GetBackColor() const { return BackColor; }
  TColor GetGrayColor() const { return GrayColor; }
  void SetShowAuxiliary(int32_t value) { ShowAuxiliary = value != 0; }
  bool GetShowAuxiliary() const { return ShowAuxiliary; }

  // Entry index of a colour number: 1..9 -> 0..8, 101..356 -> 9..264, otherwise -1.
  static int32_t PenIndex(int32_t colorNumber);
  void SetLayer(int32_t layerIndex, int32_t state);
  int32_t GetLayerState(int32_t layerIndex) const;
  void SetPen(int32_t colorNumber, TColor color, double width, double pointRadius);
  TColor GetPenColor(int32_t colorNumber) const;
  double GetPenWidth(int32_t colorNumber) const;
  double GetPointRadius(int32_t colorNumber) const;

  BackgroundMode BackMode = BackgroundMode::White;
  TColor BackColor = 0xFFFFFF;
  TColor ForeColor = 0;
  TColor GrayColor = 0x808080;
  bool ShowAuxiliary = false;
  std::vector<PreviewLayer> Layers;  // 256
  std::vector<PreviewPen> Pens;      // 265
};

// The default printer's horizontal resolution in dots per inch, or nothing when there is
// no printer or the query fails.
using TPrinterResolution = std::function<std::optional<int32_t>()>;

// Hands the document's layer group and layer states to the attributes.
void ApplyLayerStates(PreviewAttributes& attributes, const TJwwData& doc);
// Hands the document's pens and SXF colours to the attributes and detects a black or
// white background. Returns the background mode to keep (backMode when unchanged).
BackgroundMode ApplyDocPens(PreviewAttributes& attributes, const TJwwData& doc,
                            BackgroundMode backMode, const TPrinterResolution& printerResolution);

}  // namespace pennatran
