#include "render/arc_parameters.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace pennatran {
namespace {

// A double's bits (std::bit_cast is missing from the browser build's library).
uint64_t BitsOf(double value) {
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

}  // namespace

const TArcParameters::TTable& TArcParameters::For(double start, double sweep) {
  // Compared bit for bit: -0 and 0 start at different sines, and NaN equals nothing.
  const uint64_t startBits = BitsOf(start);
  const uint64_t sweepBits = BitsOf(sweep);
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
