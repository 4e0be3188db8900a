// Why a save did not replace its target, in terms the user can act on.
#pragma once

#include <string>
#include <system_error>

namespace pennatran {

enum class TSaveFailure {
  None,
  ReadOnly,          // the target (or its file system) is write-protected
  PermissionDenied,  // the folder may not be written
  DiskFull,
  FolderMissing,
  Busy,           // another run kept the target locked (TFileLock) for the whole wait
  ChangedOnDisk,  // the drawing saved over itself was written by someone else since its load
  Other,
};

// The failure an operating system error stands for (Other for anything unlisted).
TSaveFailure SaveFailureOf(const std::error_code& error);

// Why a save stopped, as TLoadError says it for a load: the failure the user can act on and
// what failed, in English with the system's own words ("renaming the temporary file over
// the target: No space left on device"). None and an empty message after a save.
struct TSaveError {
  TSaveFailure Failure = TSaveFailure::None;
  std::string Message;
};

// The error of a step that failed with error: Failure from SaveFailureOf (Other when the
// system said nothing), Message the step followed by the system's words.
TSaveError SaveErrorOf(const std::string& step, const std::error_code& error);

// One Japanese sentence in UTF-8 saying why, to follow the "could not be saved" message;
// empty for None and Other.
std::string SaveFailureText(TSaveFailure failure);

}  // namespace pennatran
