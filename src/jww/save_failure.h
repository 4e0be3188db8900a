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
  Other,
};

// The failure an operating system error stands for (Other for anything unlisted).
TSaveFailure SaveFailureOf(const std::error_code& error);

// One Japanese sentence in UTF-8 saying why, to follow the "could not be saved" message;
// empty for None and Other.
std::string SaveFailureText(TSaveFailure failure);

}  // namespace pennatran
