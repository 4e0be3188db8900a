// Putting a palette into one drawing file: loaded, copied into and saved on its own, so
// that a run over many files never lets one failure touch another file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "jww/drawing_files.h"
#include "jww/palette_file.h"
#include "jww/temp_folder.h"

namespace pennatran {

enum class TApplyStatus {
  Saved,        // written with the palette's slots
  Unchanged,    // in place and already matching: not rewritten
  WouldChange,  // a dry run found slots to change
  Skipped,      // not read completely (or not a drawing): nothing written
  Failed,       // read-only, or the backup or the save failed: the file is as it was
};

// "saved", "unchanged", "would-change", "skipped", "failed".
const char* StatusName(TApplyStatus status);

struct TApplySettings {
  std::vector<int32_t> ColorLines;  // list lines to copy (held by the palette)
  std::vector<int32_t> LineTypeLines;
  bool Backup = false;    // keep an in-place file's previous content as NAME.bak first
  bool DryRun = false;    // only count the slots that would change
  TScratchWatch Scratch;  // told of the scratch folder each drawing's images go to
};

struct TApplyResult {
  TApplyStatus Status = TApplyStatus::Failed;
  int32_t ChangedSlots = 0;
  std::string Error;  // why it was skipped or failed
};

// Applies palette to the drawing input and saves it atomically as output (which may be
// input). Safe to run for different files at the same time.
TApplyResult ApplyToDrawing(const TPalette& palette, const TApplySettings& settings,
                            const std::filesystem::path& input,
                            const std::filesystem::path& output);

// The output of every drawing: itself when outDir is empty, else outDir joined with its
// Relative path. False, with an error naming both, when two would land on the same file.
bool PlanOutputs(const std::vector<TDrawingPath>& drawings, const std::filesystem::path& outDir,
                 std::vector<std::filesystem::path>& outputs, std::string& error);

}  // namespace pennatran
