// Slot differences as JSON for the diff and audit commands.
#pragma once

#include <nlohmann/json.hpp>

#include <vector>

#include "palette/palette_diff.h"

namespace pennatran {

nlohmann::ordered_json ChangesJson(const std::vector<TFieldChange>& changes);

}  // namespace pennatran
