#include "jww/drawing_files.h"

#include <algorithm>

namespace pennatran {
namespace {

bool IsDrawingName(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return extension == ".jww";
}

}  // namespace

bool CollectDrawings(const std::vector<std::filesystem::path>& paths,
                     std::vector<TDrawingPath>& drawings, std::string& error) {
  namespace fs = std::filesystem;
  for (const fs::path& path : paths) {
    std::error_code ec;
    if (!fs::is_directory(path, ec)) {
      if (!fs::exists(path, ec)) {
        error = "\"" + path.string() + "\" does not exist";
        return false;
      }
      drawings.push_back({path, path.filename()});
      continue;
    }
    std::vector<TDrawingPath> found;
    fs::recursive_directory_iterator it(path, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
      std::error_code typeError;
      if (it->is_regular_file(typeError) && IsDrawingName(it->path()))
        found.push_back({it->path(), it->path().lexically_relative(path)});
    }
    if (ec) {
      error = "cannot search the folder \"" + path.string() + "\" (" + ec.message() + ")";
      return false;
    }
    std::sort(found.begin(), found.end(),
              [](const TDrawingPath& a, const TDrawingPath& b) { return a.File < b.File; });
    drawings.insert(drawings.end(), found.begin(), found.end());
  }
  return true;
}

}  // namespace pennatran
