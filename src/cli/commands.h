// The commands of pennatran-cli. Each returns the process exit code.
#pragma once

#include <string>
#include <vector>

namespace pennatran {

// One scheme for every command, so that a script can tell a failed drawing from a mistake
// in how it called the program.
constexpr int kExitOk = 0;
// A drawing worked on could not be read completely or saved, or (diff, audit) differs.
constexpr int kExitFailed = 1;
// Bad arguments, a file that cannot be opened at all, or a source (a drawing or palette
// file the slots come from or are compared with) that cannot be read completely.
constexpr int kExitUsage = 2;

struct TInfoOptions {
  std::string File;
  bool Entities = false;
};

struct TCopyOptions {
  std::string Source;
  std::string Destination;
  std::string Output;
  std::string Colors;     // SEL text, empty when not given
  std::string LineTypes;  // SEL text, empty when not given
  bool HasColors = false;
  bool HasLineTypes = false;
  bool Verbose = false;  // also list the slots a save will change
};

// The --colors / --linetypes pair of the palette commands; unset options are null.
struct TSlotArgs {
  std::string Colors;
  std::string LineTypes;
  bool HasColors = false;
  bool HasLineTypes = false;

  const std::string* ColorsOrNull() const { return HasColors ? &Colors : nullptr; }
  const std::string* LineTypesOrNull() const { return HasLineTypes ? &LineTypes : nullptr; }
};

struct TExportOptions {
  std::string Source;
  std::string Output;
  TSlotArgs Slots;
  bool Verbose = false;
};

struct TDiffOptions {
  std::string First;
  std::string Second;
  TSlotArgs Slots;
  bool Json = false;
  bool Verbose = false;
};

struct TAuditOptions {
  std::string Palette;
  std::vector<std::string> Paths;
  bool Json = false;
  bool Verbose = false;
};

struct TApplyOptions {
  std::string Source;
  std::vector<std::string> Destinations;
  TSlotArgs Slots;
  bool InPlace = false;
  bool Backup = false;
  std::string OutDir;  // empty: not given
  int Jobs = 0;        // 0: one per core
  bool DryRun = false;
  bool Json = false;
  bool Verbose = false;
};

struct TPreviewOptions {
  std::string File;
  std::string Output;
  std::string Size = "300x168";
  std::string Trace;  // empty: no trace
};

// Prints what a load read as one UTF-8 JSON object on stdout.
int RunInfo(const TInfoOptions& options);
// Prints the 240 user colour lines (16 user line type lines), UTF-8.
int RunColors(const std::string& file);
int RunLineTypes(const std::string& file);
// Copies the selected user slots from source to destination and saves the result: exit 1
// when the destination cannot be read completely or the save fails.
int RunCopy(const TCopyOptions& options);
// Writes the selected user slots of a drawing or palette file as a palette file: exit 1
// when it cannot be written, 2 when the output is the source or another drawing.
int RunExport(const TExportOptions& options);
// Prints the user slot fields that differ between two drawings or palette files: exit 0
// when equal, 1 when they differ, 2 on errors.
int RunDiff(const TDiffOptions& options);
// Lists every drawing under the paths with the slots that differ from the palette: exit 0
// when all match, 1 when any differs or cannot be read, 2 on errors.
int RunAudit(const TAuditOptions& options);
// Puts the source's slots into every destination drawing, each saved on its own: exit 0
// when every file was saved (or already matched), 1 when any failed or was skipped, 2 on
// errors.
int RunApply(const TApplyOptions& options);
// Draws the preview as the window does and writes it as a PNG.
int RunPreview(const TPreviewOptions& options, int argc, char** argv);

}  // namespace pennatran
