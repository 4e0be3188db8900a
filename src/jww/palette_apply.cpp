#include "jww/palette_apply.h"

#include <map>
#include <system_error>

#include "jww/temp_folder.h"

namespace pennatran {
namespace {

namespace fs = std::filesystem;

TApplyResult Outcome(TApplyStatus status, int32_t changed, std::string error = {}) {
  return {status, changed, std::move(error)};
}

// The permission bits, not an attempt to open: a process that may write anything would
// otherwise replace a file its owner marked read-only.
bool IsReadOnly(const fs::path& file) {
  std::error_code ec;
  const fs::perms perms = fs::status(file, ec).permissions();
  return !ec && (perms & fs::perms::owner_write) == fs::perms::none;
}

}  // namespace

const char* StatusName(TApplyStatus status) {
  switch (status) {
    case TApplyStatus::Saved:
      return "saved";
    case TApplyStatus::Unchanged:
      return "unchanged";
    case TApplyStatus::WouldChange:
      return "would-change";
    case TApplyStatus::Skipped:
      return "skipped";
    case TApplyStatus::Failed:
      break;
  }
  return "failed";
}

TApplyResult ApplyToDrawing(const TPalette& palette, const TApplySettings& settings,
                            const fs::path& input, const fs::path& output) {
  std::error_code ec;
  const bool inPlace = fs::equivalent(input, output, ec) && !ec;
  // The drawing's images must be in its folder when it is saved.
  TTempFolder images(settings.Scratch);
  TJwwData doc;
  doc.ImageFolder = images.Path();
  if (!doc.LoadFromFile(input)) {
    return Outcome(TApplyStatus::Skipped, 0,
                   "not read completely (offset " + std::to_string(doc.LoadError.Offset) + ": " +
                       doc.LoadError.Message + ")");
  }
  const int32_t changed = ApplyPalette(palette, settings.ColorLines, settings.LineTypeLines, doc);
  if (settings.DryRun)
    return Outcome(changed > 0 ? TApplyStatus::WouldChange : TApplyStatus::Unchanged, changed);
  if (inPlace && changed == 0) return Outcome(TApplyStatus::Unchanged, 0);
  if (inPlace && IsReadOnly(input))
    return Outcome(TApplyStatus::Failed, changed, "the file is read-only");

  if (!inPlace && output.has_parent_path()) {
    fs::create_directories(output.parent_path(), ec);
    if (ec) return Outcome(TApplyStatus::Failed, changed, "cannot make its output folder");
  }
  if (inPlace && settings.Backup) {
    fs::path backup = input;
    backup += ".bak";
    fs::copy_file(input, backup, fs::copy_options::overwrite_existing, ec);
    if (ec) return Outcome(TApplyStatus::Failed, changed, "cannot write " + backup.string());
  }
  doc.SetSaveOptions(0);
  if (!doc.SaveToFile(output, 700)) return Outcome(TApplyStatus::Failed, changed, "save failed");
  return Outcome(TApplyStatus::Saved, changed);
}

bool PlanOutputs(const std::vector<TDrawingPath>& drawings, const fs::path& outDir,
                 std::vector<fs::path>& outputs, std::string& error) {
  outputs.clear();
  std::map<fs::path, fs::path> taken;  // output -> the drawing that lands there
  for (const TDrawingPath& drawing : drawings) {
    const fs::path output =
        outDir.empty() ? drawing.File : (outDir / drawing.Relative).lexically_normal();
    std::error_code ec;
    const fs::path key = fs::weakly_canonical(output, ec);
    auto [it, fresh] = taken.emplace(ec ? output : key, drawing.File);
    if (!fresh) {
      error = "\"" + it->second.string() + "\" and \"" + drawing.File.string() +
              "\" would both be written to \"" + output.string() + "\"";
      return false;
    }
    outputs.push_back(output);
  }
  return true;
}

}  // namespace pennatran
