#include "palette/drawing_files.h"

#include <algorithm>
#include <set>
#include <system_error>

namespace pennatran {
namespace {

namespace fs = std::filesystem;

bool IsDrawingName(const fs::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return extension == ".jww";
}

TDrawingProblem ProblemOf(const fs::path& file) {
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  if (fs::is_regular_file(status)) return TDrawingProblem::None;
  if (!fs::exists(status) && fs::is_symlink(fs::symlink_status(file, ec)))
    return TDrawingProblem::DanglingLink;
  return TDrawingProblem::NotRegular;
}

// Each folder is opened on its own, so that one that cannot be read is reported and its
// siblings are still searched. Links to folders are not followed, which keeps a link
// loop from running forever.
void SearchFolder(const fs::path& folder, const fs::path& root, std::vector<TDrawingPath>& found) {
  std::error_code ec;
  std::vector<fs::path> subfolders;
  for (fs::directory_iterator it(folder, ec); !ec && it != fs::directory_iterator();
       it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) {
      if (!it->is_symlink(typeError)) subfolders.push_back(it->path());
      continue;
    }
    if (IsDrawingName(it->path()))
      found.push_back({it->path(), it->path().lexically_relative(root), ProblemOf(it->path()), {}});
  }
  if (ec) {
    found.push_back(
        {folder, folder.lexically_relative(root), TDrawingProblem::FolderUnreadable, ec.message()});
    return;
  }
  for (const fs::path& subfolder : subfolders) SearchFolder(subfolder, root, found);
}

// Drops every later entry that resolves to the same file as an earlier one.
void DropRepeats(std::vector<TDrawingPath>& drawings) {
  std::set<fs::path> seen;
  std::vector<TDrawingPath> kept;
  for (TDrawingPath& drawing : drawings) {
    std::error_code ec;
    const fs::path resolved = fs::canonical(drawing.File, ec);
    if (!ec && !seen.insert(resolved).second) continue;
    kept.push_back(std::move(drawing));
  }
  drawings = std::move(kept);
}

}  // namespace

bool CollectDrawings(const std::vector<fs::path>& paths, std::vector<TDrawingPath>& drawings,
                     std::string& error) {
  for (const fs::path& path : paths) {
    std::error_code ec;
    if (!fs::is_directory(path, ec)) {
      if (!fs::exists(path, ec)) {
        error = "\"" + path.string() + "\" does not exist";
        return false;
      }
      drawings.push_back({path, path.filename(), ProblemOf(path), {}});
      continue;
    }
    std::vector<TDrawingPath> found;
    SearchFolder(path, path, found);
    std::sort(found.begin(), found.end(),
              [](const TDrawingPath& a, const TDrawingPath& b) { return a.File < b.File; });
    drawings.insert(drawings.end(), found.begin(), found.end());
  }
  DropRepeats(drawings);
  return true;
}

}  // namespace pennatran
