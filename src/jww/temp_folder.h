// A scratch folder for the images a drawing carries, made fresh and removed with all its
// contents when the owner goes away.
#pragma once

#include <filesystem>

namespace pennatran {

class TTempFolder {
 public:
  // Creates a new, empty folder below the system's temporary folder. Path() is empty when
  // no folder could be made; loading then simply cannot extract images.
  TTempFolder();
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::filesystem::path& Path() const { return FolderPath; }

 private:
  std::filesystem::path FolderPath;
};

}  // namespace pennatran
