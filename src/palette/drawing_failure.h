// What went wrong with one drawing of a job, in parts: the front ends word it in the
// user's language, and scripts get the same parts in English.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "jww/jww_data.h"
#include "jww/save_failure.h"
#include "palette/drawing_files.h"

namespace pennatran {

enum class TFailureKind {
  None,
  NotADrawing,        // it is not a Jw_cad drawing
  NotReadCompletely,  // the load stopped as Load says
  ReadOnly,           // the user made it read-only
  Busy,               // another run kept it locked for the whole wait
  OutputFolder,       // Path, the folder its output goes to, could not be made
  Backup,             // Path, its backup, could not be written (Detail, Save say why)
  Save,               // the save failed (Detail, Save say why)
  NotRegular,         // a pipe, a device or a socket: never opened
  DanglingLink,       // a link to nothing
  FolderUnreadable,   // Path, a folder, could not be searched (Detail says why)
};

struct TDrawingFailure {
  TFailureKind Kind = TFailureKind::None;
  std::filesystem::path Path;
  std::string Detail;  // the system's own words, in English
  TLoadError Load;     // for NotReadCompletely
  TSaveFailure Save = TSaveFailure::None;
};

// Why doc's load failed, from its LoadError.
TDrawingFailure LoadFailureOf(const TJwwData& doc);
TDrawingFailure LoadFailureOf(const TLoadError& error);
// Why a collected entry cannot be opened as a drawing; Kind None when it can.
TDrawingFailure ProblemOf(const TDrawingPath& drawing);

}  // namespace pennatran
