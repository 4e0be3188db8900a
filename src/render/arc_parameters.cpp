#include "render/arc_parameters.h"

#include <bit>
#include <cmath>

namespace pennatran {

const TArcParameters::TTable& TArcParameters::For(double start, double sweep) {
  // Compared bit for bit: -0 and 0 start at different sines, and NaN equals nothing.
  const uint64_t startBits = std::bit_cast<uint64_t>(start);
  const uint64_t sweepBits = std::bit_cast<uint64_t>(sweep);
  if (Known && startBits == StartBits && sweepBits == SweepBits) return Table;
  const double step = sweep / kSteps;
  double t = start;
  for (auto& value : Table) {
    value = {std::cos(t), std::sin(t)};
    t += step;
  }
  StartBits = startBits;
  SweepBits = sweepBits;
  Known = true;
  return Table;
}

}  // namespace pennatran
