// The Escape poll of the window asks the X server at most once per interval.
#include "app/escape_key.h"

#include <gtest/gtest.h>

namespace pennatran {
namespace {

using namespace std::chrono_literals;

TEST(Throttled, AsksAtMostOncePerIntervalAndRepeatsTheLastAnswer) {
  std::chrono::steady_clock::time_point time{};
  int asks = 0;
  bool down = false;
  const std::function<bool()> polled = Throttled(
      [&] {
        ++asks;
        return down;
      },
      50ms, [&] { return time; });
  const struct {
    std::chrono::milliseconds Advance;
    bool Down;
    bool Answer;
    int Asks;
  } rows[] = {
      {0ms, false, false, 1},                          // the first poll asks
      {10ms, true, false, 1}, {39ms, true, false, 1},  // 49 ms since the ask
      {1ms, true, true, 2},   {0ms, false, true, 2},  {49ms, false, true, 2},
      {1ms, false, false, 3}, {500ms, true, true, 4},
  };
  int step = 0;
  for (const auto& r : rows) {
    time += r.Advance;
    down = r.Down;
    EXPECT_EQ(polled(), r.Answer) << step;
    EXPECT_EQ(asks, r.Asks) << step;
    ++step;
  }
}

}  // namespace
}  // namespace pennatran
