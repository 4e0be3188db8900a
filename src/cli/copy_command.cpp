#include <filesystem>
#include <iostream>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/drawing_input.h"
#include "cli/failure_text.h"
#include "cli/interrupt_cleanup.h"
#include "cli/slot_selection_text.h"
#include "jww/file_lock.h"
#include "palette/palette_file.h"
#include "palette/slot_selection.h"
#include "session/half_session.h"

namespace pennatran {
namespace {

bool ParseOption(const char* option, const std::string& text, TSlotKind kind,
                 TSlotSelection& selection) {
  selection = ParseSlotSelection(text, kind);
  if (!selection.Ok())
    std::cerr << "pennatran-cli: " << SlotSelectionText(option, selection.Error) << '\n';
  return selection.Ok();
}

// The reason follows the sentence; in languages that put a space between sentences the
// translation has one before %2, which must not trail when there is no reason. A failure
// the user can act on has its sentence; any other is told in the system's words.
std::string SaveFailedLine(const std::string& output, const TSaveError& error) {
  const std::string reason = SaveFailureText(error.Failure);
  std::string line =
      Tr("copy", "図面ファイル「%1」の保存に失敗しました。%2")
          .Arg(output)
          .Arg(reason.empty() ? "(" + error.Message + ")" : Tr("SaveFailure", reason.c_str()).Str())
          .Str();
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

}  // namespace

int RunCopy(const TCopyOptions& options) {
  if (!options.HasColors && !options.HasLineTypes) {
    std::cerr << "pennatran-cli: "
              << Tr("copy", "copy needs --colors or --linetypes (or both), e.g. --colors all.")
              << '\n';
    return kExitUsage;
  }
  TSlotSelection colors, lineTypes;
  if (options.HasColors && !ParseOption("--colors", options.Colors, TSlotKind::Color, colors))
    return kExitUsage;
  if (options.HasLineTypes &&
      !ParseOption("--linetypes", options.LineTypes, TSlotKind::LineType, lineTypes))
    return kExitUsage;
  if (!CheckReadable(options.Source) || !CheckReadable(options.Destination)) return kExitUsage;

  // The source may be a palette file; "all" then means the slots it holds.
  TPalette source;
  if (!LoadSource(options.Source, source, options.Verbose)) return kExitUsage;
  const TSlotChoice choice = ChooseSlots(source, options.HasColors ? &options.Colors : nullptr,
                                         options.HasLineTypes ? &options.LineTypes : nullptr);
  if (!choice.Ok()) {
    std::cerr << "pennatran-cli: " << SlotChoiceText(choice) << '\n';
    return kExitUsage;
  }

  // An apply running over the same file must not save between this load and this save.
  TFileLock outputLock;
  if (outputLock.Acquire(std::filesystem::path(options.Output), kDrawingLockWait) ==
      TLockOutcome::Busy) {
    TDrawingFailure busy;
    busy.Kind = TFailureKind::Busy;
    std::cerr << "pennatran-cli: "
              << Tr("drawing", "\"%1\": %2.").Arg(options.Output).Arg(FailureReason(busy)) << '\n';
    return kExitFailed;
  }
  TTempFolder destinationImages(InterruptScratchWatch());
  THalfSession destination;
  if (!LoadDrawing(destination, options.Destination, destinationImages)) {
    ReportLoadFailure(options.Destination, destination.Drawing());
    return kExitFailed;
  }

  for (const TSlotKind kind : kSlotKinds) destination.CopyFrom(source, kind, choice.Slots.Of(kind));
  TSaveError error;
  CleanUpSavesOnInterrupt(options.Output);
  TAtomicWriteOptions saving;
  saving.Guard = InterruptMakingGuard();
  if (!destination.SaveToFile(std::filesystem::path(options.Output), &error, saving)) {
    std::cerr << SaveFailedLine(options.Output, error) << '\n';
    return kExitFailed;
  }
  std::cout << Tr("copy", "図面ファイル「%1」を保存しました。").Arg(options.Output) << '\n';
  return kExitOk;
}

}  // namespace pennatran
