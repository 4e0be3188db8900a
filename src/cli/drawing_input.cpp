#include "cli/drawing_input.h"

#include <filesystem>
#include <fstream>
#include <iostream>

#include "cli/commands.h"
#include "jww/block_tree.h"

namespace pennatran {

bool CheckReadable(const std::string& file) {
  const std::filesystem::path path(file);
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    std::cerr << "pennatran-cli: \"" << file << "\" is a folder, not a drawing file.\n";
    return false;
  }
  // A pipe or a device would be read until it ends, which may be never.
  if (std::filesystem::exists(path, ec) && !std::filesystem::is_regular_file(path, ec)) {
    std::cerr << "pennatran-cli: cannot open the file \"" << file
              << "\" for reading: it is not a regular file.\n";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "pennatran-cli: cannot open the file \"" << file << "\" for reading.\n";
    return false;
  }
  return true;
}

bool LoadDrawing(TJwwData& doc, const std::string& file, const TTempFolder& folder) {
  doc.ImageFolder = folder.Path();
  const bool loaded = doc.LoadFromFile(std::filesystem::path(file));
  if (doc.BlockTreeLimited) {
    std::cerr << "pennatran-cli: \"" << file << "\": its block inserts place more than "
              << kMaxBlockTreeNodes << " blocks or " << kMaxPlacedEntities
              << " entities, or nest deeper than " << kMaxBlockDepth << " levels; only the first "
              << doc.BlockTreeCount() << " placements are shown.\n";
  }
  return loaded;
}

void ReportLoadFailure(const std::string& file, const TJwwData& doc) {
  if (doc.LoadError.NotADrawing) {
    std::cerr << "pennatran-cli: \"" << file << "\" is not a Jw_cad drawing file.\n";
    return;
  }
  std::cerr << "pennatran-cli: \"" << file << "\" could not be read completely (offset "
            << doc.LoadError.Offset << ": " << doc.LoadError.Message << ").\n";
}

int LoadSource(const std::string& file, TPalette& palette) {
  if (!CheckReadable(file)) return kExitUsage;
  std::string error;
  if (!LoadPaletteSource(std::filesystem::path(file), palette, error)) {
    std::cerr << "pennatran-cli: " << error << ".\n";
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace pennatran
