// Whether the Escape key is held down right now, for stopping a long preview.
#pragma once

namespace pennatran {

// Reads the keyboard state of the X server when the window runs on X11 (xcb); on every
// other platform the key is never reported as down.
bool EscapeKeyDown();

}  // namespace pennatran
