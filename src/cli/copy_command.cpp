#include <filesystem>
#include <iostream>
#include <optional>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/drawing_input.h"
#include "cli/failure_text.h"
#include "cli/slot_selection_text.h"
#include "interrupt/interrupt_cleanup.h"
#include "jww/file_lock.h"
#include "jww/file_stamp.h"
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
  // A drawing copied into itself is not saved over what someone else wrote after its load.
  std::optional<TFileStamp> readFrom;
  if (IsStampedFile({std::filesystem::path(options.Destination)},
                    std::filesystem::path(options.Output)))
    readFrom = StampFile(std::filesystem::path(options.Destination));
  TTempFolder destinationImages(InterruptScratchWatch());
  THalfSession destination;
  const TSessionLoad load = LoadDrawing(destination, options.Destination, destinationImages);
  if (!load.Complete) {
    ReportLoadFailure(options.Destination, load);
    return kExitFailed;
  }

  for (const TSlotKind kind : kSlotKinds) destination.CopyFrom(source, kind, choice.Slots.Of(kind));
  TSaveError error;
  CleanUpSavesOnInterrupt(options.Output);
  TAtomicWriteOptions saving;
  saving.Guard = InterruptMakingGuard();
  saving.Unchanged = readFrom;
  if (!destination.SaveToFile(std::filesystem::path(options.Output), &error, saving)) {
    std::cerr << SaveFailedLine(options.Output, error) << '\n';
    return kExitFailed;
  }
  std::cout << Tr("copy", "図面ファイル「%1」を保存しました。").Arg(options.Output) << '\n';
  return kExitOk;
}

}  // namespace pennatran
