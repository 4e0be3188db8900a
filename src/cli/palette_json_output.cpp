#include "cli/palette_json_output.h"

namespace pennatran {

nlohmann::ordered_json ChangesJson(const std::vector<TFieldChange>& changes) {
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (const TFieldChange& change : changes) {
    out.push_back({{"kind", change.Kind == TSlotKind::Color ? "color" : "lineType"},
                   {"slot", change.Slot.Number()},
                   {"field", change.Field},
                   {"before", change.Before},
                   {"after", change.After}});
  }
  return out;
}

}  // namespace pennatran
