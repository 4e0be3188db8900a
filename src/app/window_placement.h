// Where a restored window goes: where it was saved, unless that is no longer on a screen.
#pragma once

#include <QList>
#include <QMargins>
#include <QRect>

namespace pennatran {

// The client area for a window saved with the client area `saved` and drawn with the
// frame `frame` around it. It stays as saved while the frame's top-left corner and the
// client's top-right corner (the title bar and the browse buttons) lie on some screen's
// free area (`screens`); otherwise it moves, shrunk to fit if needed, to 24, 24 inside the
// primary screen's free area (`primary`).
QRect VisiblePlacement(const QRect& saved, const QMargins& frame, const QList<QRect>& screens,
                       const QRect& primary);

}  // namespace pennatran
