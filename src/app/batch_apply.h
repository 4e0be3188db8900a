// Putting the source's slots into many drawings in place, as the command line's apply does:
// one file after another, each loaded, copied into and saved on a worker thread while the
// window goes on answering, so that the progress can be cancelled between files.
#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <vector>

#include "app/batch_dialogs.h"
#include "palette/palette_apply.h"

namespace pennatran {

struct TBatchFile {
  std::filesystem::path File;
  // Empty when the run was cancelled before this file.
  std::optional<TApplyResult> Result;
};

std::vector<TBatchFile> ApplyInPlace(const TPalette& palette, const TApplySettings& settings,
                                     const std::vector<TDrawingPath>& drawings,
                                     TBatchDialogs& dialogs);

// What the result dialog shows: counts by outcome, and one line per file with its reason.
QString BatchSummary(const std::vector<TBatchFile>& files);
QStringList BatchResultLines(const std::vector<TBatchFile>& files);

}  // namespace pennatran
