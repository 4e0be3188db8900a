// Whether the Escape key is held down right now, for stopping a long preview.
#pragma once

#include <chrono>
#include <functional>

namespace pennatran {

// Reads the keyboard state of the X server when the window runs on X11 (xcb); on every
// other platform the key is never reported as down.
bool EscapeKeyDown();

using TSteadyNow = std::function<std::chrono::steady_clock::time_point()>;

// Asks `ask` on the first call and then only once at least `interval` has passed since
// the last ask; the calls in between repeat the last answer. The draw pass polls often,
// and each ask of the X server is a round trip that costs more than drawing.
std::function<bool()> Throttled(std::function<bool()> ask, std::chrono::milliseconds interval,
                                TSteadyNow now = std::chrono::steady_clock::now);

// EscapeKeyDown, asked at most every 50 ms.
std::function<bool()> ThrottledEscapeKey();

}  // namespace pennatran
