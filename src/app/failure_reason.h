// The window's words for what went wrong with one drawing of many, in the user's language.
#pragma once

#include <QString>

#include "palette/drawing_failure.h"

namespace pennatran {

// Empty for no failure.
QString FailureReason(const TDrawingFailure& failure);

}  // namespace pennatran
