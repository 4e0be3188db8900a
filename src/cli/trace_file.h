// A preview's trace: its drawing calls, one a line, written to a file as they are made.
#pragma once

#include <functional>
#include <string>

#include "render/canvas.h"

namespace pennatran {

// Runs draw on a recording canvas whose lines go straight to path, replaced atomically.
// Returns false, leaving path as it was, when it cannot be written or the trace grows past
// kMaxTextOutputBytes (tooLarge then says so, and the draw pass is cut short).
bool WriteTrace(const std::string& path, const std::function<void(TCanvas&)>& draw, bool& tooLarge);

}  // namespace pennatran
