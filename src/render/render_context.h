// The program-wide values the preview shares between its operations. The window and the
// command line each create one context and pass it to every drawing call; tests build
// their own with fakes.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "jww/jww_data.h"
#include "render/arc_parameters.h"
#include "render/canvas.h"

namespace pennatran {

class PreviewAttributes;

// A local date and time as the clock reports it.
struct TLocalDateTime {
  int32_t Year = 2000;
  int32_t Month = 1;  // 1..12
  int32_t Day = 1;    // 1..31
  int32_t Hour = 0;   // 0..23
  int32_t Minute = 0;
  int32_t Second = 0;
  bool operator==(const TLocalDateTime&) const = default;
};

// Where the current local date and time come from (a fixed one in tests).
using TClock = std::function<TLocalDateTime()>;

// Maps drawing millimetres to preview pixels; also the clipping window.
struct TPreviewMapping {
  double ViewMinX = 0, ViewMinY = 0, ViewMaxX = 0, ViewMaxY = 0;
  double Scale = 1.0;  // pixels per millimetre
  int32_t PixelWidth = 0, PixelHeight = 0;
};

// The box ComputeExtents works in; it carries over from one computation to the next.
struct TWorkingBox {
  double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
};

struct TDrawPoint {
  double X = 0, Y = 0;
};

struct TRenderContext {
  // Pens, layer states and background of the drawing opened last. Must be set.
  PreviewAttributes* Attributes = nullptr;
  TPreviewMapping Mapping;
  TWorkingBox WorkingBox;
  double CurrentScale = 1.0;
  // Scale of each layer group of the drawing being drawn (DrawEntities fills it); a text
  // publishes its group's scale as CurrentScale for the scale codes.
  std::vector<double> LayerGroupScales;
  // Shapes are built here in drawing coordinates and handed to the canvas as pixels.
  std::vector<TDrawPoint> PointBuffer;
  std::vector<TPixelPoint> PixelBuffer;
  TArcParameters ArcParameters;
  // What the last load published, for the text substitution codes.
  TDocumentInfo DocInfo;
  TLocalDateTime StartDateTime;
  // The current local date and time; unset means the system clock.
  TClock Clock;
  // True while the Escape key is down at the moment of the call; unset means never.
  std::function<bool()> EscapePressed;
};

}  // namespace pennatran
