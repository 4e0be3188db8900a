// What a program leaves behind when it is interrupted (Ctrl-C, SIGTERM, SIGHUP): the
// scratch folders with a drawing's images (the window's and the command line's) and the
// partial temporary file of a command line's save. Both are removed before the process
// ends with the signal it received.
#pragma once

#include <filesystem>

#include "jww/temp_folder.h"

namespace pennatran {

// Takes over the three signals for the whole process. Call first in main, before any
// other thread exists, so that every thread leaves them to the cleanup.
void InstallInterruptCleanup();

// Scratch folders to remove, with everything in them, if the run is interrupted.
void CleanUpFolderOnInterrupt(const std::filesystem::path& folder);
void ForgetFolderOnInterrupt(const std::filesystem::path& folder);
// Those two as the watch of a scratch folder, made under InterruptMakingGuard.
TScratchWatch InterruptScratchWatch();

// A file the run is about to write: this process's temporary files beside it (and beside
// the file a link there points to) are removed if the run is interrupted. Safe to call
// from any thread.
void CleanUpSavesOnInterrupt(const std::filesystem::path& target);
// The guard for the making of every temporary file a save registered above makes: an
// interruption then falls wholly before or after the making, never between it and the
// cleanup's search.
TMakingGuard InterruptMakingGuard();

}  // namespace pennatran
