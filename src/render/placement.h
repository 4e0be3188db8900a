// The affine placement of a block definition in drawing coordinates.
#pragma once

#include "jww/jww_types.h"

namespace pennatran {

struct TPlacement {
  double X = 0, Y = 0;
  double M11 = 1, M12 = 0, M21 = 0, M22 = 1;

  static TPlacement FromTree(const TEntJwwBlockTree& node) {
    return {node.X, node.Y, node.M11, node.M12, node.M21, node.M22};
  }
  double MapX(double x, double y) const { return X + M11 * x + M12 * y; }
  double MapY(double x, double y) const { return Y + M21 * x + M22 * y; }
};

}  // namespace pennatran
