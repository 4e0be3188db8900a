#include "palette/palette_apply.h"
#include "jww/format_versions.h"

#include <map>
#include <system_error>

#include "jww/file_lock.h"
#include "jww/temp_folder.h"
#include "palette/backup_file.h"

namespace pennatran {
namespace {

namespace fs = std::filesystem;

TApplyResult Outcome(TApplyStatus status, int32_t changed, TDrawingFailure failure = {}) {
  return {status, changed, std::move(failure)};
}

TDrawingFailure FailureOf(TFailureKind kind, const fs::path& path = {},
                          const TSaveError& error = {}) {
  TDrawingFailure failure;
  failure.Kind = kind;
  failure.Path = path;
  failure.Detail = error.Message;
  failure.Save = error.Failure;
  return failure;
}

// The permission bits, not an attempt to open: a process that may write anything would
// otherwise replace a file its owner marked read-only.
bool IsReadOnly(const fs::path& file) {
  std::error_code ec;
  const fs::perms perms = fs::status(file, ec).permissions();
  return !ec && (perms & fs::perms::owner_write) == fs::perms::none;
}

// False when another run held file for the whole wait. A file that cannot be opened is
// left to the load (or the save) to report.
bool Lock(TFileLock& lock, const fs::path& file, std::chrono::milliseconds wait) {
  return lock.Acquire(file, wait) != TLockOutcome::Busy;
}

}  // namespace

const char* StatusName(TApplyStatus status) {
  switch (status) {
    case TApplyStatus::Saved:
      return "saved";
    case TApplyStatus::Unchanged:
      return "unchanged";
    case TApplyStatus::WouldChange:
      return "would-change";
    case TApplyStatus::Skipped:
      return "skipped";
    case TApplyStatus::Busy:
      return "busy";
    case TApplyStatus::WouldFail:
      return "would-fail";
    case TApplyStatus::Failed:
      break;
  }
  return "failed";
}

fs::path BackupOf(const fs::path& drawing) {
  fs::path backup = drawing;
  backup += ".bak";
  return backup;
}

TApplyResult ApplyToDrawing(const TPalette& palette, const TApplySettings& settings,
                            const fs::path& input, const fs::path& output) {
  std::error_code ec;
  const bool inPlace = fs::equivalent(input, output, ec) && !ec;
  // Another run's save between this load and this save would be lost, and a backup would
  // keep that run's result instead of the drawing's previous version.
  TFileLock inputLock, outputLock;
  if (!Lock(inputLock, input, settings.LockWait) ||
      (!inPlace && !Lock(outputLock, output, settings.LockWait)))
    return Outcome(TApplyStatus::Busy, 0, FailureOf(TFailureKind::Busy));
  // The drawing's images must be in its folder when it is saved.
  TTempFolder images(settings.Scratch);
  TJwwData doc;
  doc.ImageFolder = images.Path();
  if (!doc.LoadFromFile(input)) return Outcome(TApplyStatus::Skipped, 0, LoadFailureOf(doc));
  const int32_t changed = ApplyPalette(palette, settings.Slots, doc);
  // A separate output is written even when nothing changes, so the folder is complete.
  if (inPlace && changed == 0) return Outcome(TApplyStatus::Unchanged, 0);
  if (IsReadOnly(output)) {
    return Outcome(settings.DryRun ? TApplyStatus::WouldFail : TApplyStatus::Failed, changed,
                   FailureOf(TFailureKind::ReadOnly));
  }
  if (settings.DryRun) return Outcome(TApplyStatus::WouldChange, changed);

  if (!inPlace && output.has_parent_path()) {
    fs::create_directories(output.parent_path(), ec);
    if (ec) {
      return Outcome(TApplyStatus::Failed, changed,
                     FailureOf(TFailureKind::OutputFolder, output.parent_path(),
                               SaveErrorOf("making the folder", ec)));
    }
  }
  TSaveError error;
  if (inPlace && settings.Backup) {
    const fs::path backup = BackupOf(input);
    if (!WriteBackup(input, backup, &error, settings.SaveGuard))
      return Outcome(TApplyStatus::Failed, changed, FailureOf(TFailureKind::Backup, backup, error));
  }
  doc.SetSaveOptions(0);
  TAtomicWriteOptions options;
  options.Guard = settings.SaveGuard;
  if (!doc.SaveToFile(output, kSaveVersion, &error, options))
    return Outcome(TApplyStatus::Failed, changed, FailureOf(TFailureKind::Save, output, error));
  return Outcome(TApplyStatus::Saved, changed);
}

bool PlanOutputs(const std::vector<TDrawingPath>& drawings, const fs::path& outDir,
                 std::vector<fs::path>& outputs, std::string& error) {
  outputs.clear();
  std::map<fs::path, fs::path> taken;  // output -> the drawing that lands there
  for (const TDrawingPath& drawing : drawings) {
    const fs::path output =
        outDir.empty() ? drawing.File : (outDir / drawing.Relative).lexically_normal();
    std::error_code ec;
    const fs::path key = fs::weakly_canonical(output, ec);
    auto [it, fresh] = taken.emplace(ec ? output : key, drawing.File);
    if (!fresh) {
      error = "\"" + it->second.string() + "\" and \"" + drawing.File.string() +
              "\" would both be written to \"" + output.string() + "\"";
      return false;
    }
    outputs.push_back(output);
  }
  return true;
}

}  // namespace pennatran
