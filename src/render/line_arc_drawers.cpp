#include "render/curves.h"
#include "render/drawers.h"
#include "render/output.h"

namespace pennatran {

void DrawLine(TRenderContext& ctx, TCanvas& canvas, const TEntJwwLine& line,
              const TPlacement* placement) {
  SetEntityPen(ctx, canvas, line.Common.LayerIndex(), line.Common.Color, line.Common.LineType);
  if (placement == nullptr) {
    DrawSegment(ctx, canvas, line.StartX, line.StartY, line.EndX, line.EndY);
    return;
  }
  DrawSegment(ctx, canvas, placement->MapX(line.StartX, line.StartY),
              placement->MapY(line.StartX, line.StartY), placement->MapX(line.EndX, line.EndY),
              placement->MapY(line.EndX, line.EndY));
}

void DrawArc(TRenderContext& ctx, TCanvas& canvas, const TEntJwwArc& arc,
             const TPlacement* placement) {
  SetEntityPen(ctx, canvas, arc.Common.LayerIndex(), arc.Common.Color, arc.Common.LineType);
  if (placement == nullptr) {
    if (arc.FullCircle != 0) {
      OutlineEllipse(ctx, canvas, arc.CenterX, arc.CenterY, arc.Radius, arc.Flatness,
                     arc.TiltAngle);
    } else {
      OutlineArc(ctx, canvas, arc.CenterX, arc.CenterY, arc.Radius, arc.Flatness, arc.TiltAngle,
                 arc.StartAngle, arc.ArcAngle);
    }
  } else if (arc.FullCircle != 0) {
    OutlineEllipse(ctx, canvas, *placement, arc.CenterX, arc.CenterY, arc.Radius, arc.Flatness,
                   arc.TiltAngle);
  } else {
    OutlineArc(ctx, canvas, *placement, arc.CenterX, arc.CenterY, arc.Radius, arc.Flatness,
               arc.TiltAngle, arc.StartAngle, arc.ArcAngle);
  }
}

}  // namespace pennatran
