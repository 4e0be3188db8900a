// The default printer's resolution, asked through Qt's print support.
#pragma once

#include <cstdint>
#include <optional>

namespace pennatran {

// Horizontal resolution of the default printer in dots per inch; nothing when there is no
// printer, no GUI application to ask through, or the query fails in any way.
std::optional<int32_t> DefaultPrinterResolution();

}  // namespace pennatran
