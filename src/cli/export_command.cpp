#include <iostream>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/drawing_input.h"
#include "cli/output_files.h"
#include "cli/slot_selection_text.h"
#include "palette/palette_file.h"

namespace pennatran {

int RunExport(const TExportOptions& options) {
  TPalette source;
  if (!LoadSource(options.Source, source, options.Verbose)) return kExitUsage;
  // A palette file written over a drawing would destroy it, its own source first of all.
  if (IsSameFile(options.Source, options.Output)) {
    std::cerr << "pennatran-cli: "
              << Tr("export", "\"%1\" is the source itself; choose another file to write.")
                     .Arg(options.Output)
              << '\n';
    return kExitUsage;
  }
  if (IsDrawingFile(options.Output)) {
    std::cerr << "pennatran-cli: "
              << Tr("export",
                    "\"%1\" is a Jw_cad drawing; choose another file to write the palette to.")
                     .Arg(options.Output)
              << '\n';
    return kExitUsage;
  }
  const TSlotChoice choice =
      ChooseSlots(source, options.Slots.ColorsOrNull(), options.Slots.LineTypesOrNull());
  if (!choice.Ok()) {
    std::cerr << "pennatran-cli: " << SlotChoiceText(choice) << '\n';
    return kExitUsage;
  }
  if (!SavePaletteFile(options.Output, PalettePart(source, choice.Slots))) {
    std::cerr << "pennatran-cli: "
              << Tr("export", "cannot write the palette file \"%1\".").Arg(options.Output) << '\n';
    return kExitFailed;
  }
  std::cout << Tr("export", "Wrote %1 colours and %2 line types to \"%3\".")
                   .Arg(choice.Slots.Colors.size())
                   .Arg(choice.Slots.LineTypes.size())
                   .Arg(options.Output)
            << '\n';
  return kExitOk;
}

}  // namespace pennatran
