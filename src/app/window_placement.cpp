#include "app/window_placement.h"

#include <QRegion>
#include <algorithm>

namespace pennatran {
namespace {

// The default position's distance from the screen's corner.
constexpr int kInset = 24;

bool OnTheScreens(const QRect& frame, const QList<QRect>& screens) {
  QRegion outside(frame);
  for (const QRect& screen : screens) outside -= QRegion(screen);
  return outside.isEmpty();
}

int OverlapArea(const QRect& a, const QRect& b) {
  const QRect common = a.intersected(b);
  return common.isEmpty() ? 0 : common.width() * common.height();
}

// The position along one axis that puts [start, start + length) inside [low, high) with the
// least move; length is never more than high - low.
int Clamp(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

}  // namespace

QRect VisiblePlacement(const QRect& saved, const QMargins& frame, const QList<QRect>& screens,
                       const QRect& primary) {
  const QRect framed = saved.marginsAdded(frame);
  if (OnTheScreens(framed, screens)) return saved;
  QRect target = primary;
  int overlap = 0;
  for (const QRect& screen : screens) {
    if (OverlapArea(framed, screen) > overlap) {
      overlap = OverlapArea(framed, screen);
      target = screen;
    }
  }
  QRect placed = framed;
  if (overlap == 0) {
    placed.moveTopLeft({target.left() + std::max(kInset, frame.left()) - frame.left(),
                        target.top() + std::max(kInset, frame.top()) - frame.top()});
  }
  const int width = std::min(placed.width(), target.width());
  const int height = std::min(placed.height(), target.height());
  placed = QRect(Clamp(placed.left(), width, target.left(), target.right() + 1),
                 Clamp(placed.top(), height, target.top(), target.bottom() + 1), width, height);
  const QRect client = placed.marginsRemoved(frame);
  return {client.topLeft(), QSize(std::max(client.width(), 1), std::max(client.height(), 1))};
}

}  // namespace pennatran
