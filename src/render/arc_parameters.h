// The cosine and sine at each point an open arc is flattened into. They depend only on
// the arc's start and sweep, and arcs drawn one after the other often share both (a block's
// arcs at every placement, runs of equal arcs), so the last ones worked out are kept.
#pragma once

#include <array>
#include <cstdint>
#include <utility>

namespace pennatran {

class TArcParameters {
 public:
  static constexpr int kSteps = 72;
  using TTable = std::array<std::pair<double, double>, kSteps + 1>;

  // cos t and sin t for t from start in kSteps equal steps of sweep, accumulated as the
  // flattening always did, so the points come out bit for bit the same.
  const TTable& For(double start, double sweep);

 private:
  uint64_t StartBits = 0;
  uint64_t SweepBits = 0;
  bool Known = false;
  TTable Table{};
};

}  // namespace pennatran
