#include <iostream>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/drawing_input.h"
#include "cli/palette_json_output.h"
#include "jww/drawing_files.h"
#include "jww/palette_audit.h"

namespace pennatran {

int RunAudit(const TAuditOptions& options) {
  TPalette palette;
  if (LoadSource(options.Palette, palette, options.Verbose) != kExitOk) return kExitUsage;
  std::vector<std::filesystem::path> paths(options.Paths.begin(), options.Paths.end());
  std::vector<TDrawingPath> drawings;
  std::string error;
  if (!CollectDrawings(paths, drawings, error)) {
    std::cerr << "pennatran-cli: " << error << ".\n";
    return kExitUsage;
  }
  nlohmann::ordered_json results = nlohmann::ordered_json::array();
  size_t matching = 0, differing = 0, unreadable = 0;
  for (const TDrawingPath& drawing : drawings) {
    const TAuditResult r = AuditDrawing(palette, drawing.File);
    const std::vector<TSlotRef> slots = ChangedSlots(r.Changes);
    const std::string path = drawing.File.string();
    if (!r.Readable) {
      ++unreadable;
    } else if (slots.empty()) {
      ++matching;
    } else {
      ++differing;
    }
    if (options.Json) {
      nlohmann::ordered_json entry = {{"path", path},
                                      {"status", !r.Readable     ? "unreadable"
                                                 : slots.empty() ? "matches"
                                                                 : "differs"},
                                      {"slotsDiffering", slots.size()}};
      if (!r.Readable) entry["error"] = r.Error;
      if (options.Verbose) entry["changes"] = ChangesJson(r.Changes);
      results.push_back(entry);
      continue;
    }
    if (!r.Readable) {
      std::cout << path << ": cannot be read (" << r.Error << ")\n";
      continue;
    }
    std::cout << path << ": ";
    if (slots.empty())
      std::cout << "matches\n";
    else
      std::cout << slots.size() << (slots.size() == 1 ? " slot differs\n" : " slots differ\n");
    if (options.Verbose)
      for (const TFieldChange& change : r.Changes) std::cout << "  " << ChangeText(change) << '\n';
  }
  if (options.Json) {
    std::cout << nlohmann::ordered_json{{"drawings", results}}.dump(2) << '\n';
  } else {
    std::cout << Tr("audit", "%1 drawings: %2 match, %3 differ, %4 cannot be read.")
                     .Arg(drawings.size())
                     .Arg(matching)
                     .Arg(differing)
                     .Arg(unreadable)
              << '\n';
  }
  return differing + unreadable == 0 ? kExitOk : kExitFailed;
}

}  // namespace pennatran
