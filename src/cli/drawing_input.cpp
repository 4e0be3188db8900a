#include "cli/drawing_input.h"

#include <filesystem>
#include <fstream>
#include <iostream>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/failure_text.h"
#include "cli/save_notes_text.h"
#include "jww/block_tree.h"

namespace pennatran {

bool CheckReadable(const std::string& file) {
  const std::filesystem::path path(file);
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    std::cerr << "pennatran-cli: "
              << Tr("drawing", "\"%1\" is a folder, not a drawing file.").Arg(file) << '\n';
    return false;
  }
  // A pipe or a device would be read until it ends, which may be never.
  if (std::filesystem::exists(path, ec) && !std::filesystem::is_regular_file(path, ec)) {
    std::cerr << "pennatran-cli: "
              << Tr("drawing", "cannot open the file \"%1\" for reading: it is not a regular file.")
                     .Arg(file)
              << '\n';
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "pennatran-cli: "
              << Tr("drawing", "cannot open the file \"%1\" for reading.").Arg(file) << '\n';
    return false;
  }
  return true;
}

namespace {

void ReportPlacementsCut(const std::string& file, const TJwwData& doc) {
  if (!doc.BlockTreeLimited) return;
  std::cerr << "pennatran-cli: "
            << Tr("drawing",
                  "\"%1\": its block inserts place more than %2 blocks or %3 entities, or nest "
                  "deeper than %4 levels; only the first %5 placements are shown.")
                   .Arg(file)
                   .Arg(kMaxBlockTreeNodes)
                   .Arg(kMaxPlacedEntities)
                   .Arg(kMaxBlockDepth)
                   .Arg(doc.BlockTreeCount())
            << '\n';
}

}  // namespace

bool LoadDrawing(TJwwData& doc, const std::string& file, const TTempFolder& folder) {
  doc.ImageFolder = folder.Path();
  const bool loaded = doc.LoadFromFile(std::filesystem::path(file));
  ReportPlacementsCut(file, doc);
  return loaded;
}

TSessionLoad LoadDrawing(THalfSession& half, const std::string& file, const TTempFolder& folder) {
  half.SetScratchFolder(folder.Path());
  const TSessionLoad load = half.OpenDrawingFile(std::filesystem::path(file));
  ReportPlacementsCut(file, half.Drawing());
  return load;
}

namespace {

void ReportDrawingFailure(const std::string& file, const TDrawingFailure& failure) {
  if (failure.Kind == TFailureKind::NotADrawing) {
    std::cerr << "pennatran-cli: "
              << Tr("drawing", "\"%1\" is not a Jw_cad drawing file.").Arg(file) << '\n';
    return;
  }
  std::cerr << "pennatran-cli: "
            << Tr("drawing", "\"%1\": %2.").Arg(file).Arg(FailureReason(failure)) << '\n';
}

void ReportSourceFailure(const std::string& file, const TPaletteSourceError& error) {
  switch (error.Failure) {
    case TPaletteSourceFailure::None:
      return;
    case TPaletteSourceFailure::CannotOpen:
      std::cerr << "pennatran-cli: "
                << Tr("drawing", "cannot open the file \"%1\" for reading.").Arg(file) << '\n';
      return;
    case TPaletteSourceFailure::TooLarge:
      std::cerr << "pennatran-cli: "
                << Tr("drawing", "\"%1\" is too large for a palette file.").Arg(file) << '\n';
      return;
    case TPaletteSourceFailure::BadPaletteFile:
      std::cerr << "pennatran-cli: "
                << Tr("drawing", "%1: %2.")
                       .Arg(file)
                       .Arg(PaletteFileErrorText(
                           error.PaletteFile,
                           [](const char* pattern) { return Tr("PaletteFile", pattern).Str(); }))
                << '\n';
      return;
    case TPaletteSourceFailure::Drawing:
      ReportDrawingFailure(file, error.Drawing);
      return;
  }
}

}  // namespace

void ReportLoadFailure(const std::string& file, const TJwwData& doc) {
  ReportDrawingFailure(file, LoadFailureOf(doc));
}

void ReportLoadFailure(const std::string& file, const TSessionLoad& load) {
  ReportDrawingFailure(file, LoadFailureOf(load.Error));
}

bool LoadSource(const std::string& file, TPalette& palette, bool verbose) {
  if (!CheckReadable(file)) return false;
  TPaletteSourceError error;
  std::vector<TSaveNote> notes;
  if (!LoadPaletteSource(std::filesystem::path(file), palette, error, &notes)) {
    ReportSourceFailure(file, error);
    return false;
  }
  ReportSaveNotes(notes, verbose);
  return true;
}

}  // namespace pennatran
