// The one clock of the program: the local date and time of the machine.
#pragma once

#include "render/render_context.h"

namespace pennatran {

// The local date and time now; the start of the year 2000 when the system cannot tell.
TLocalDateTime SystemNow();

}  // namespace pennatran
