// JSON as the command line prints it.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace pennatran {

// Two-space indents. Bytes that are not UTF-8 (a file name in another encoding) become
// U+FFFD: a report must never stop a run halfway, least of all after files were written.
std::string JsonText(const nlohmann::ordered_json& json);

}  // namespace pennatran
