// Marks a message text that the programs show in the user's language: their catalogues are
// built from these marks, and each program looks the text up under its context where it
// shows it.
#pragma once

namespace pennatran {

constexpr const char* Translatable([[maybe_unused]] const char* context, const char* text) {
  return text;
}

}  // namespace pennatran
