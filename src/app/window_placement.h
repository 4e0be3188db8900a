// Where a restored window goes: where it was saved, unless its frame no longer lies on the
// screens.
#pragma once

#include <QList>
#include <QMargins>
#include <QRect>

namespace pennatran {

// The client area for a window saved with the client area `saved` and drawn with the
// frame `frame` around it. It stays as saved while the whole frame lies on the screens'
// free areas (`screens`, side by side or not). Otherwise the frame goes onto the screen it
// overlaps most, shrunk to that screen's free area if it is larger and moved no further
// than needed; a frame on no screen at all goes to 24, 24 inside the primary screen's free
// area (`primary`), shrunk to fit. A first start on a small or highly scaled screen is such
// a case: the default size does not fit.
QRect VisiblePlacement(const QRect& saved, const QMargins& frame, const QList<QRect>& screens,
                       const QRect& primary);

}  // namespace pennatran
