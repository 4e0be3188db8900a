// A scratch folder for the images a drawing carries, made fresh and removed with all its
// contents when the owner goes away.
#pragma once

#include <filesystem>
#include <functional>

#include "jww/atomic_file.h"

namespace pennatran {

// Told when a scratch folder has been made and when it has been removed, so that a front
// end can remove it should the process be stopped in between.
struct TScratchWatch {
  std::function<void(const std::filesystem::path&)> Made;
  std::function<void(const std::filesystem::path&)> Removed;
  // Around the making of the folder and the call of Made.
  TMakingGuard Guard;
};

class TTempFolder {
 public:
  // Creates a new, empty folder below the system's temporary folder. Path() is empty when
  // no folder could be made; loading then simply cannot extract images.
  explicit TTempFolder(TScratchWatch watch = {});
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::filesystem::path& Path() const { return FolderPath; }

 private:
  std::filesystem::path FolderPath;
  TScratchWatch Watch;
};

}  // namespace pennatran
