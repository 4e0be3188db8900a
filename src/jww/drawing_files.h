// The drawings named on a command line or dropped on the window: files as they are,
// folders searched through for drawings.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pennatran {

struct TDrawingPath {
  std::filesystem::path File;
  // Where it lies below the path that named it (just its name for a file named itself).
  std::filesystem::path Relative;
};

// A file named itself is taken whatever its name; a folder gives every regular file below
// it whose extension is ".jww" in any letter case, in name order. Returns false, with an
// error naming the path, when one does not exist or a folder cannot be searched.
bool CollectDrawings(const std::vector<std::filesystem::path>& paths,
                     std::vector<TDrawingPath>& drawings, std::string& error);

}  // namespace pennatran
