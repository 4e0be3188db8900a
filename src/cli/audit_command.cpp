#include <iostream>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/drawing_input.h"
#include "cli/failure_text.h"
#include "cli/json_text.h"
#include "cli/palette_json_output.h"
#include "jww/caret_controls.h"
#include "palette/drawing_files.h"
#include "palette/palette_audit.h"

namespace pennatran {

int RunAudit(const TAuditOptions& options) {
  TPalette palette;
  if (!LoadSource(options.Palette, palette, options.Verbose)) return kExitUsage;
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
    // What cannot be opened as a drawing is never opened: a pipe could hold the run forever.
    const TDrawingFailure problem = ProblemOf(drawing);
    const TAuditResult r = problem.Kind == TFailureKind::None ? AuditDrawing(palette, drawing.File)
                                                              : TAuditResult{false, problem, {}};
    const bool readable = r.Readable;
    const TDrawingFailure& failure = r.Failure;
    const std::vector<TSlotRef> slots = ChangedSlots(r.Changes);
    const std::string path = drawing.File.string();
    if (!readable) {
      ++unreadable;
    } else if (slots.empty()) {
      ++matching;
    } else {
      ++differing;
    }
    if (options.Json) {
      nlohmann::ordered_json entry = {{"path", path},
                                      {"status", !readable       ? "unreadable"
                                                 : slots.empty() ? "matches"
                                                                 : "differs"},
                                      {"slotsDiffering", slots.size()}};
      if (!readable) entry["error"] = FailureReason(failure, true);
      if (options.Verbose) entry["changes"] = ChangesJson(r.Changes);
      results.push_back(entry);
      continue;
    }
    // Names come from file systems and drawings: their control characters must not drive
    // the terminal.
    if (!readable) {
      std::cout << CaretControls(path + ": " + FailureReason(failure)) << '\n';
      continue;
    }
    std::cout << CaretControls(path) << ": ";
    if (slots.empty())
      std::cout << "matches\n";
    else
      std::cout << slots.size() << (slots.size() == 1 ? " slot differs\n" : " slots differ\n");
    if (options.Verbose)
      for (const TFieldChange& change : r.Changes)
        std::cout << "  " << CaretControls(ChangeText(change)) << '\n';
  }
  if (options.Json) {
    std::cout << JsonText(nlohmann::ordered_json{{"drawings", results}}) << '\n';
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
