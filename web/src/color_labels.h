// The page's words before a colour line's numbers, in its language.
#pragma once

#include <emscripten/val.h>

#include <string>

#include "jww/text_encoding.h"
#include "palette/palette.h"

namespace pennatran {

// From the page's { width, pointRadius }.
inline TColorLineLabels ColorLabelsOf(const emscripten::val& labels) {
  return {Utf8ToSjis(labels["width"].as<std::string>()),
          Utf8ToSjis(labels["pointRadius"].as<std::string>())};
}

}  // namespace pennatran
