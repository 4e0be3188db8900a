// Putting a palette into one drawing file: loaded, copied into and saved on its own, so
// that a run over many files never lets one failure touch another file.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "jww/file_lock.h"
#include "jww/temp_folder.h"
#include "palette/drawing_failure.h"
#include "palette/drawing_files.h"
#include "palette/palette_file.h"

namespace pennatran {

// A dry run answers with the status the real run would have: WouldChange for Saved,
// WouldFail for Failed, and the others alike.
enum class TApplyStatus {
  Saved,        // written with the palette's slots
  Unchanged,    // in place and already matching: not rewritten
  WouldChange,  // a dry run found it would be written
  Skipped,      // not read completely (or not a drawing): nothing written
  Failed,       // read-only, or the backup or the save failed: the file is as it was
  Busy,         // another run held it for the whole wait: left alone
  WouldFail,    // a dry run found it read-only
};

// "saved", "unchanged", "would-change", "skipped", "failed", "busy", "would-fail".
const char* StatusName(TApplyStatus status);

struct TApplySettings {
  TSlotSet Slots;          // the slots to copy (held by the palette)
  bool Backup = false;     // keep an in-place file's previous content as NAME.bak first
  bool DryRun = false;     // only count the slots that would change
  TScratchWatch Scratch;   // told of the scratch folder each drawing's images go to
  TMakingGuard SaveGuard;  // around the making of each save's and backup's temporary file
  // How long a drawing another run holds is waited for before it is left as busy.
  std::chrono::milliseconds LockWait = kDrawingLockWait;
};

struct TApplyResult {
  TApplyStatus Status = TApplyStatus::Failed;
  int32_t ChangedSlots = 0;
  TDrawingFailure Failure;  // why it was skipped, busy or failed
};

// The backup an in-place apply keeps of drawing.
std::filesystem::path BackupOf(const std::filesystem::path& drawing);

// Applies palette to the drawing input and saves it atomically as output (which may be
// input), holding both locked (TFileLock) from the load to the save. Safe to run for
// different files at the same time, and from several processes over the same files.
TApplyResult ApplyToDrawing(const TPalette& palette, const TApplySettings& settings,
                            const std::filesystem::path& input,
                            const std::filesystem::path& output);

// The output of every drawing: itself when outDir is empty, else outDir joined with its
// Relative path. False, with an error naming both, when two would land on the same file.
bool PlanOutputs(const std::vector<TDrawingPath>& drawings, const std::filesystem::path& outDir,
                 std::vector<std::filesystem::path>& outputs, std::string& error);

}  // namespace pennatran
