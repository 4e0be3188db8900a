#include "render/line_type_swatch.h"

#include <algorithm>
#include <cmath>

namespace pennatran {

namespace {

constexpr int32_t kPeriodsShown = 2;
constexpr int32_t kPatternBits = 32;

bool DrawsItsPitches(int32_t segmentCount) {
  return segmentCount == 2 || segmentCount == 4 || segmentCount == 6 || segmentCount == 8;
}

// Appends a run, joining it to the previous one when they touch.
void AddRun(std::vector<TSwatchDash>& runs, int32_t start, int32_t end) {
  if (end <= start) return;
  if (!runs.empty() && runs.back().Start + runs.back().Length >= start) {
    runs.back().Length = std::max(runs.back().Length, end - runs.back().Start);
    return;
  }
  runs.push_back({start, end - start});
}

std::vector<TSwatchDash> PatternDashes(uint32_t pattern, int32_t width) {
  std::vector<TSwatchDash> runs;
  for (int32_t x = 0; x < width; ++x) {
    const int32_t bit = kPatternBits - 1 - x % kPatternBits;
    if ((pattern >> bit) & 1u) AddRun(runs, x, x + 1);
  }
  return runs;
}

}  // namespace

std::vector<TSwatchDash> LineTypeSwatchDashes(const TEntJwwLineTypeExNo& lineType, int32_t width) {
  if (width <= 0) return {};
  const int32_t count = lineType.SegmentCount;
  double period = 0;
  if (DrawsItsPitches(count)) {
    for (int32_t i = 0; i < count; ++i) period += std::abs(lineType.Pitches[i]);
  }
  if (!(period > 0) || !std::isfinite(period)) return PatternDashes(lineType.Pattern, width);

  const double scale = width / (kPeriodsShown * period);
  std::vector<TSwatchDash> runs;
  double position = 0;
  for (int32_t k = 0; k < kPeriodsShown * count; ++k) {
    const double next = position + std::abs(lineType.Pitches[k % count]) * scale;
    if (k % 2 == 0) {
      const auto start = static_cast<int32_t>(std::lround(position));
      const auto end = static_cast<int32_t>(std::lround(next));
      AddRun(runs, start, std::min(std::max(end, start + 1), width));
    }
    position = next;
  }
  return runs;
}

}  // namespace pennatran
