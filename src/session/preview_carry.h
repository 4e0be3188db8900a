// What a half's preview takes from outside: the front end's printer, clock and Escape poll,
// and what the previous set-up in the same window left behind.
#pragma once

#include <functional>

#include "attributes/preview_attributes.h"
#include "render/render_context.h"

namespace pennatran {

// Empty members mean: no printer to ask, the system clock, an Escape key never pressed.
struct TPreviewEnvironment {
  TPrinterResolution PrinterResolution;
  TClock Clock;
  std::function<bool()> EscapePressed;
};

// Handed from one preview set-up to the next, across halves: a drawing whose background is
// neither black nor white keeps the mode the set-up before it left, and a drawing without
// a first point to seed its extents grows them from the box the set-up before it computed.
// A front end with one half at a time starts each preview from a fresh carry.
struct TPreviewCarry {
  BackgroundMode BackMode = BackgroundMode::White;
  TWorkingBox Box;
};

}  // namespace pennatran
