// The local date and time, as the preview's text codes read it.
#pragma once

#include "render/render_context.h"

namespace pennatran {

TLocalDateTime LocalNow();

}  // namespace pennatran
