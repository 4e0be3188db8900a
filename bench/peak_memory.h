// Peak resident memory of a piece of work, measured in a child process.
#pragma once

#include <cstdint>
#include <functional>

namespace pennatran::bench {

// Runs work in a forked child and returns the peak resident bytes it added over the
// child's state before the work, or -1 where this cannot be measured.
int64_t PeakResidentAdded(const std::function<void()>& work);

}  // namespace pennatran::bench
