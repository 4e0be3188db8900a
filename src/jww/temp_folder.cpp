#include "jww/temp_folder.h"

#include <random>
#include <string>
#include <system_error>

namespace pennatran {

TTempFolder::TTempFolder(TScratchWatch watch) : Watch(std::move(watch)) {
  std::error_code ec;
  const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
  if (ec) return;
  std::random_device seed;
  std::mt19937_64 random(seed());
  const auto make = [&] {
    // create_directory reports false for a folder that already exists, so a name another
    // process holds is never shared.
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::filesystem::path candidate =
          base / ("pennatran-" + std::to_string(random() % 1000000000000ULL));
      if (std::filesystem::create_directory(candidate, ec) && !ec) {
        // Other users may not read a drawing's images.
        std::filesystem::permissions(candidate, std::filesystem::perms::owner_all, ec);
        FolderPath = candidate;
        if (Watch.Made) Watch.Made(FolderPath);
        return;
      }
    }
  };
  if (Watch.Guard)
    Watch.Guard(make);
  else
    make();
}

TTempFolder::~TTempFolder() {
  if (FolderPath.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(FolderPath, ec);
  if (Watch.Removed) Watch.Removed(FolderPath);
}

}  // namespace pennatran
