// The command line's words for what went wrong with one drawing, shared by copy, apply and
// audit so that each failure reads the same wherever it is reported.
#pragma once

#include <string>

#include "palette/drawing_failure.h"

namespace pennatran {

// The reason in the user's language; in English when english is set (the JSON output,
// which scripts read). Empty for no failure.
std::string FailureReason(const TDrawingFailure& failure, bool english = false);

}  // namespace pennatran
