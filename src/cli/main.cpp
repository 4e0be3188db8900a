// pennatran-cli: the window's work from the command line.
#include <CLI/CLI.hpp>

#include <functional>
#include <iostream>
#include <memory>
#include <vector>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "interrupt/interrupt_cleanup.h"

namespace pennatran {
namespace {

// A subcommand and what runs it once the arguments are parsed.
struct TCommand {
  CLI::App* App = nullptr;
  std::function<int()> Run;
};

// An empty file name names nothing to write.
const CLI::Validator& NonEmpty() {
  static const CLI::Validator validator(
      [](const std::string& name) {
        return name.empty() ? std::string("an empty name names no file") : std::string();
      },
      "FILE", "NonEmpty");
  return validator;
}

// The --colors and --linetypes of a job that takes every slot unless told otherwise; which
// of them were given is known only once the arguments are parsed.
std::function<void()> AddSlotOptions(CLI::App* command, TSlotArgs& slots) {
  CLI::Option* colors =
      command->add_option("--colors", slots.Colors, "\"all\" or slots 17..256 (default: all)");
  CLI::Option* lineTypes =
      command->add_option("--linetypes", slots.LineTypes, "\"all\" or slots 17..32 (default: all)");
  return [colors, lineTypes, &slots] {
    slots.HasColors = colors->count() > 0;
    slots.HasLineTypes = lineTypes->count() > 0;
  };
}

TCommand AddInfo(CLI::App& app) {
  auto options = std::make_shared<TInfoOptions>();
  auto json = std::make_shared<bool>(false);
  CLI::App* command = app.add_subcommand("info", "Print what a load read, as JSON");
  command->add_option("FILE", options->File, "Drawing (.jww)")->required();
  command->add_flag("--json", *json, "Print JSON (the only format)")->required();
  command->add_flag("--entities", options->Entities,
                    "Include entities, block definitions and tree");
  return {command, [options, json] { return RunInfo(*options); }};
}

TCommand AddList(CLI::App& app, const char* name, const char* description,
                 int (*run)(const std::string&)) {
  auto file = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand(name, description);
  command->add_option("FILE", *file, "Drawing (.jww)")->required();
  return {command, [file, run] { return run(*file); }};
}

TCommand AddCopy(CLI::App& app) {
  auto options = std::make_shared<TCopyOptions>();
  CLI::App* command =
      app.add_subcommand("copy", "Copy user colours and line types from SRC into DST");
  command->add_option("SRC", options->Source, "Source drawing or palette file")->required();
  command->add_option("DST", options->Destination, "Destination drawing")->required();
  command->add_option("-o,--output", options->Output, "Where to save (may be DST)")
      ->required()
      ->check(NonEmpty());
  CLI::Option* colors =
      command->add_option("--colors", options->Colors, "\"all\" or slots 17..256, e.g. 17-20,31");
  CLI::Option* lineTypes =
      command->add_option("--linetypes", options->LineTypes, "\"all\" or slots 17..32");
  command->add_flag("--verbose", options->Verbose,
                    "List the slots whose values a save will change");
  return {command, [options, colors, lineTypes] {
            options->HasColors = colors->count() > 0;
            options->HasLineTypes = lineTypes->count() > 0;
            return RunCopy(*options);
          }};
}

TCommand AddExport(CLI::App& app) {
  auto options = std::make_shared<TExportOptions>();
  CLI::App* command = app.add_subcommand("export", "Write user slots as a palette file (JSON)");
  command->add_option("SRC", options->Source, "Drawing or palette file")->required();
  command->add_option("-o,--output", options->Output, "Palette file to write")->required();
  const auto noteSlots = AddSlotOptions(command, options->Slots);
  command->add_flag("--verbose", options->Verbose,
                    "List the slots whose values a save will change");
  return {command, [options, noteSlots] {
            noteSlots();
            return RunExport(*options);
          }};
}

TCommand AddDiff(CLI::App& app) {
  auto options = std::make_shared<TDiffOptions>();
  CLI::App* command = app.add_subcommand("diff", "Show the user slot fields that differ");
  command->add_option("A", options->First, "Drawing or palette file")->required();
  command->add_option("B", options->Second, "Drawing or palette file")->required();
  const auto noteSlots = AddSlotOptions(command, options->Slots);
  command->add_flag("--json", options->Json, "Print the differences as JSON");
  command->add_flag("--verbose", options->Verbose,
                    "List the slots whose values a save will change");
  return {command, [options, noteSlots] {
            noteSlots();
            return RunDiff(*options);
          }};
}

TCommand AddAudit(CLI::App& app) {
  auto options = std::make_shared<TAuditOptions>();
  CLI::App* command =
      app.add_subcommand("audit", "List the drawings whose user slots differ from a palette");
  command->add_option("PALETTE", options->Palette, "Palette file or drawing")->required();
  command->add_option("PATH", options->Paths, "Drawings or folders (searched through)")->required();
  command->add_flag("--json", options->Json, "Print the results as JSON");
  command->add_flag("--verbose", options->Verbose, "Also list the differing fields");
  return {command, [options] { return RunAudit(*options); }};
}

TCommand AddApply(CLI::App& app) {
  auto options = std::make_shared<TApplyOptions>();
  CLI::App* command =
      app.add_subcommand("apply", "Put user colours and line types into many drawings");
  command->add_option("SRC", options->Source, "Drawing or palette file")->required();
  command->add_option("DST", options->Destinations, "Drawings or folders (searched through)")
      ->required();
  const auto noteSlots = AddSlotOptions(command, options->Slots);
  command->add_flag("--in-place", options->InPlace, "Replace each drawing");
  command->add_flag("--backup", options->Backup, "With --in-place: keep NAME.jww.bak");
  command->add_option("--out-dir", options->OutDir, "Write the drawings below this folder");
  command->add_option("--jobs", options->Jobs, "Files at a time (default: one per core)")
      ->check(CLI::Range(1, 1024));
  command->add_flag("--dry-run", options->DryRun, "Report what would change; write nothing");
  command->add_flag("--json", options->Json, "Print per-file results as JSON");
  command->add_flag("--verbose", options->Verbose,
                    "List the slots whose values a save will change");
  return {command, [options, noteSlots] {
            noteSlots();
            return RunApply(*options);
          }};
}

TCommand AddPreview(CLI::App& app, int argc, char** argv) {
  auto options = std::make_shared<TPreviewOptions>();
  CLI::App* command = app.add_subcommand("preview", "Draw the preview into a PNG");
  command->add_option("FILE", options->File, "Drawing (.jww)")->required();
  command->add_option("-o,--output", options->Output, "PNG to write")
      ->required()
      ->check(NonEmpty());
  command->add_option("--size", options->Size, "Image size WxH")->capture_default_str();
  command->add_option("--trace", options->Trace, "Also write the drawing calls, one a line");
  return {command, [options, argc, argv] { return RunPreview(*options, argc, argv); }};
}

}  // namespace
}  // namespace pennatran

int main(int argc, char** argv) {
  using namespace pennatran;
  InstallInterruptCleanup();
  LoadCliLanguage();
  CLI::App app{"Copies SXF user colours and line types between Jw_cad drawings."};
  app.require_subcommand(1);
  app.set_version_flag("--version", "pennatran-cli " PENNATRAN_VERSION);
  const std::vector<TCommand> commands = {
      AddInfo(app),
      AddList(app, "colors", "Print the 240 user colour lines", RunColors),
      AddList(app, "linetypes", "Print the 16 user line type lines", RunLineTypes),
      AddCopy(app),
      AddExport(app),
      AddDiff(app),
      AddAudit(app),
      AddApply(app),
      AddPreview(app, argc, argv),
  };
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return code == 0 ? kExitOk : kExitUsage;
  }
  for (const TCommand& command : commands) {
    if (*command.App) return command.Run();
  }
  return kExitUsage;
}
