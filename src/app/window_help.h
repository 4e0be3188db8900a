// What `pennatran --help` prints: answered before the application starts, so that it works
// without a display.
#pragma once

#include <string>

#include "i18n/language.h"

namespace pennatran {

// The window's usage in Japanese under a ja locale, in English under any other: a terminal
// under C or POSIX may not show Japanese, though the window itself is written in it.
std::string WindowHelpText(TLanguage language);

}  // namespace pennatran
