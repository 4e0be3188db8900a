#include <algorithm>
#include <iostream>

#include "cli/commands.h"
#include "cli/drawing_input.h"
#include "cli/json_text.h"
#include "cli/palette_json_output.h"
#include "cli/slot_selection_text.h"
#include "jww/caret_controls.h"
#include "palette/palette_diff.h"

namespace pennatran {
namespace {

std::vector<TSlot> Common(const std::vector<TSlot>& a, const std::vector<TSlot>& b) {
  std::vector<TSlot> both;
  std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(both));
  return both;
}

}  // namespace

int RunDiff(const TDiffOptions& options) {
  // Like diff, 1 means "they differ"; every failure is 2.
  TPalette first, second;
  if (!LoadSource(options.First, first, options.Verbose) ||
      !LoadSource(options.Second, second, options.Verbose))
    return kExitUsage;
  TPalette both = first;
  for (TSlotKind kind : kSlotKinds)
    both.Held.Of(kind) = Common(first.Held.Of(kind), second.Held.Of(kind));
  const TSlotChoice choice =
      ChooseSlots(both, options.Slots.ColorsOrNull(), options.Slots.LineTypesOrNull());
  if (!choice.Ok()) {
    std::cerr << "pennatran-cli: " << SlotChoiceText(choice) << '\n';
    return kExitUsage;
  }
  const std::vector<TFieldChange> changes = CompareSlots(first, second, choice.Slots);
  if (options.Json) {
    nlohmann::ordered_json out;
    out["equal"] = changes.empty();
    out["changes"] = ChangesJson(changes);
    std::cout << JsonText(out) << '\n';
  } else {
    // Names come from drawings: their control characters must not drive the terminal.
    for (const TFieldChange& change : changes)
      std::cout << CaretControls(ChangeText(change)) << '\n';
  }
  return changes.empty() ? kExitOk : kExitFailed;
}

}  // namespace pennatran
