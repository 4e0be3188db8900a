// The drawings named on a command line or dropped on the window: files as they are,
// folders searched through for drawings.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pennatran {

// Why an entry cannot be opened as a drawing. Such entries are kept, so that a report
// counts them: a drawing hidden in a folder that cannot be read must not pass for a match.
enum class TDrawingProblem {
  None,
  NotRegular,        // a pipe, a device or a socket: reading it might never end
  DanglingLink,      // a link to nothing
  FolderUnreadable,  // a folder that could not be searched; Reason says why
};

struct TDrawingPath {
  std::filesystem::path File;
  // Where it lies below the path that named it (just its name for a file named itself).
  std::filesystem::path Relative;
  TDrawingProblem Problem = TDrawingProblem::None;
  std::string Reason;  // the system's words, for a folder that could not be searched
};

// A file named itself is taken whatever its name; a folder gives every entry below it
// whose name ends in ".jww" in any letter case and is not a folder, in name order, and
// every folder below it that cannot be searched. A file reached twice (a link beside its
// target, a file named and also found in a folder) is kept once, where it came first.
// Returns false, with an error naming the path, when one does not exist.
bool CollectDrawings(const std::vector<std::filesystem::path>& paths,
                     std::vector<TDrawingPath>& drawings, std::string& error);

}  // namespace pennatran
