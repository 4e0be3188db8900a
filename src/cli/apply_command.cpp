#include <nlohmann/json.hpp>

#include <algorithm>
#include <atomic>
#include <iostream>
#include <mutex>
#include <thread>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/drawing_input.h"
#include "cli/failure_text.h"
#include "cli/json_text.h"
#include "cli/slot_selection_text.h"
#include "cli/terminal.h"
#include "interrupt/interrupt_cleanup.h"
#include "jww/caret_controls.h"
#include "palette/palette_apply.h"

namespace pennatran {
namespace {

namespace fs = std::filesystem;

int Usage(const std::string& message) {
  std::cerr << "pennatran-cli: " << message << ".\n";
  return kExitUsage;
}

// A whole sentence, with its full stop; empty when the options name one way of writing.
std::string ModeError(const TApplyOptions& options) {
  if (options.InPlace && !options.OutDir.empty())
    return Tr("apply", "apply takes --in-place or --out-dir, not both.").Str();
  if (!options.InPlace && options.OutDir.empty() && !options.DryRun)
    return Tr("apply", "apply needs --in-place or --out-dir DIR (or --dry-run).").Str();
  if (options.Backup && !options.InPlace)
    return Tr("apply", "--backup goes with --in-place.").Str();
  return {};
}

// Shows "done / total, failures" on one line that rewrites itself.
class TProgress {
 public:
  TProgress(size_t total, bool shown) : Total(total), Shown(shown) {}
  void FileDone(bool failed) {
    const std::lock_guard<std::mutex> lock(Mutex);
    ++Done;
    if (failed) ++Failures;
    if (Shown)
      std::cerr << '\r'
                << Tr("apply", "%1 / %2 drawings, %3 failed").Arg(Done).Arg(Total).Arg(Failures)
                << std::flush;
  }
  ~TProgress() {
    if (Shown && Total > 0) std::cerr << "\n";
  }

 private:
  std::mutex Mutex;
  size_t Total, Done = 0, Failures = 0;
  bool Shown;
};

bool IsFailure(TApplyStatus status) {
  return status == TApplyStatus::Skipped || status == TApplyStatus::Failed ||
         status == TApplyStatus::Busy || status == TApplyStatus::WouldFail;
}

// The summary counts a busy drawing, and one a dry run finds would fail, with the failed.
size_t SummaryColumn(TApplyStatus status) {
  return IsFailure(status) && status != TApplyStatus::Skipped
             ? static_cast<size_t>(TApplyStatus::Failed)
             : static_cast<size_t>(status);
}

void PrintText(const std::vector<TDrawingPath>& drawings, const std::vector<fs::path>& outputs,
               const std::vector<TApplyResult>& results) {
  size_t counts[5] = {};
  for (size_t i = 0; i < results.size(); ++i) {
    const TApplyResult& r = results[i];
    ++counts[SummaryColumn(r.Status)];
    std::string line = std::string(StatusName(r.Status)) + ": " + drawings[i].File.string();
    if (outputs[i] != drawings[i].File) line += " -> " + outputs[i].string();
    if (r.Status == TApplyStatus::Saved || r.Status == TApplyStatus::WouldChange)
      line += " (" + std::to_string(r.ChangedSlots) + (r.ChangedSlots == 1 ? " slot)" : " slots)");
    if (const std::string why = FailureReason(r.Failure); !why.empty()) line += ": " + why;
    // File names may hold control characters, which must not drive the terminal.
    std::cout << CaretControls(line) << '\n';
  }
  std::cout << Tr("apply",
                  "%1 drawings: %2 saved, %3 unchanged, %4 would change, %5 skipped, "
                  "%6 failed.")
                   .Arg(results.size())
                   .Arg(counts[0])
                   .Arg(counts[1])
                   .Arg(counts[2])
                   .Arg(counts[3])
                   .Arg(counts[4])
            << '\n';
}

void PrintJson(const std::vector<TDrawingPath>& drawings, const std::vector<fs::path>& outputs,
               const std::vector<TApplyResult>& results) {
  nlohmann::ordered_json files = nlohmann::ordered_json::array();
  for (size_t i = 0; i < results.size(); ++i) {
    nlohmann::ordered_json entry = {{"path", drawings[i].File.string()},
                                    {"output", outputs[i].string()},
                                    {"status", StatusName(results[i].Status)},
                                    {"slotsChanged", results[i].ChangedSlots}};
    if (const std::string why = FailureReason(results[i].Failure, true); !why.empty())
      entry["error"] = why;
    files.push_back(entry);
  }
  std::cout << JsonText(nlohmann::ordered_json{{"files", files}}) << '\n';
}

}  // namespace

int RunApply(const TApplyOptions& options) {
  if (const std::string mode = ModeError(options); !mode.empty()) {
    std::cerr << "pennatran-cli: " << mode << '\n';
    return kExitUsage;
  }
  TPalette source;
  if (!LoadSource(options.Source, source, options.Verbose)) return kExitUsage;
  TApplySettings settings;
  const TSlotChoice choice =
      ChooseSlots(source, options.Slots.ColorsOrNull(), options.Slots.LineTypesOrNull());
  if (!choice.Ok()) {
    std::cerr << "pennatran-cli: " << SlotChoiceText(choice) << '\n';
    return kExitUsage;
  }
  settings.Slots = choice.Slots;
  settings.Backup = options.Backup;
  settings.DryRun = options.DryRun;
  settings.Scratch = InterruptScratchWatch();
  settings.SaveGuard = InterruptMakingGuard();

  std::vector<TDrawingPath> drawings;
  std::vector<fs::path> outputs;
  std::string error;
  const std::vector<fs::path> paths(options.Destinations.begin(), options.Destinations.end());
  if (!CollectDrawings(paths, drawings, error) ||
      !PlanOutputs(drawings, fs::path(options.OutDir), outputs, error))
    return Usage(error);

  if (!options.DryRun) {
    for (size_t i = 0; i < drawings.size(); ++i) {
      CleanUpSavesOnInterrupt(outputs[i]);
      if (options.Backup) CleanUpSavesOnInterrupt(BackupOf(drawings[i].File));
    }
  }
  std::vector<TApplyResult> results(drawings.size());
  std::atomic<size_t> next{0};
  {
    TProgress progress(drawings.size(), StderrIsTerminal());
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t jobs = std::min<size_t>(
        options.Jobs > 0 ? static_cast<size_t>(options.Jobs) : cores, drawings.size());
    std::vector<std::thread> workers;
    for (size_t w = 0; w < jobs; ++w) {
      workers.emplace_back([&] {
        for (size_t i = next++; i < drawings.size(); i = next++) {
          // What cannot be opened as a drawing is never opened: a pipe could hold a worker
          // forever.
          const TDrawingFailure problem = ProblemOf(drawings[i]);
          results[i] = problem.Kind == TFailureKind::None
                           ? ApplyToDrawing(source, settings, drawings[i].File, outputs[i])
                           : TApplyResult{TApplyStatus::Skipped, 0, problem};
          progress.FileDone(IsFailure(results[i].Status));
        }
      });
    }
    for (std::thread& worker : workers) worker.join();
  }

  if (options.Json)
    PrintJson(drawings, outputs, results);
  else
    PrintText(drawings, outputs, results);
  for (const TApplyResult& r : results)
    if (IsFailure(r.Status)) return kExitFailed;
  return kExitOk;
}

}  // namespace pennatran
