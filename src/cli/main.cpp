// pennatran-cli: the window's work from the command line.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/interrupt_cleanup.h"

int main(int argc, char** argv) {
  using namespace pennatran;
  InstallInterruptCleanup();
  LoadCliLanguage();
  // An empty file name names nothing to write.
  const CLI::Validator nonEmpty(
      [](const std::string& name) {
        return name.empty() ? std::string("an empty name names no file") : std::string();
      },
      "FILE", "NonEmpty");
  CLI::App app{"Copies SXF user colours and line types between Jw_cad drawings."};
  app.require_subcommand(1);
  app.set_version_flag("--version", "pennatran-cli " PENNATRAN_VERSION);

  TInfoOptions info;
  bool json = false;
  CLI::App* infoCmd = app.add_subcommand("info", "Print what a load read, as JSON");
  infoCmd->add_option("FILE", info.File, "Drawing (.jww)")->required();
  infoCmd->add_flag("--json", json, "Print JSON (the only format)")->required();
  infoCmd->add_flag("--entities", info.Entities, "Include entities, block definitions and tree");

  std::string colorsFile;
  CLI::App* colorsCmd = app.add_subcommand("colors", "Print the 240 user colour lines");
  colorsCmd->add_option("FILE", colorsFile, "Drawing (.jww)")->required();

  std::string lineTypesFile;
  CLI::App* lineTypesCmd = app.add_subcommand("linetypes", "Print the 16 user line type lines");
  lineTypesCmd->add_option("FILE", lineTypesFile, "Drawing (.jww)")->required();

  TCopyOptions copy;
  CLI::App* copyCmd =
      app.add_subcommand("copy", "Copy user colours and line types from SRC into DST");
  copyCmd->add_option("SRC", copy.Source, "Source drawing or palette file")->required();
  copyCmd->add_option("DST", copy.Destination, "Destination drawing")->required();
  copyCmd->add_option("-o,--output", copy.Output, "Where to save (may be DST)")
      ->required()
      ->check(nonEmpty);
  CLI::Option* colorsOpt =
      copyCmd->add_option("--colors", copy.Colors, "\"all\" or slots 17..256, e.g. 17-20,31");
  CLI::Option* lineTypesOpt =
      copyCmd->add_option("--linetypes", copy.LineTypes, "\"all\" or slots 17..32");
  copyCmd->add_flag("--verbose", copy.Verbose, "List the slots whose values a save will change");

  TExportOptions exportOptions;
  CLI::App* exportCmd = app.add_subcommand("export", "Write user slots as a palette file (JSON)");
  exportCmd->add_option("SRC", exportOptions.Source, "Drawing or palette file")->required();
  exportCmd->add_option("-o,--output", exportOptions.Output, "Palette file to write")->required();
  CLI::Option* exportColors = exportCmd->add_option("--colors", exportOptions.Slots.Colors,
                                                    "\"all\" or slots 17..256 (default: all)");
  CLI::Option* exportLineTypes = exportCmd->add_option("--linetypes", exportOptions.Slots.LineTypes,
                                                       "\"all\" or slots 17..32 (default: all)");
  exportCmd->add_flag("--verbose", exportOptions.Verbose,
                      "List the slots whose values a save will change");

  TDiffOptions diff;
  CLI::App* diffCmd = app.add_subcommand("diff", "Show the user slot fields that differ");
  diffCmd->add_option("A", diff.First, "Drawing or palette file")->required();
  diffCmd->add_option("B", diff.Second, "Drawing or palette file")->required();
  CLI::Option* diffColors =
      diffCmd->add_option("--colors", diff.Slots.Colors, "\"all\" or slots 17..256 (default: all)");
  CLI::Option* diffLineTypes = diffCmd->add_option("--linetypes", diff.Slots.LineTypes,
                                                   "\"all\" or slots 17..32 (default: all)");
  diffCmd->add_flag("--json", diff.Json, "Print the differences as JSON");
  diffCmd->add_flag("--verbose", diff.Verbose, "List the slots whose values a save will change");

  TAuditOptions audit;
  CLI::App* auditCmd =
      app.add_subcommand("audit", "List the drawings whose user slots differ from a palette");
  auditCmd->add_option("PALETTE", audit.Palette, "Palette file or drawing")->required();
  auditCmd->add_option("PATH", audit.Paths, "Drawings or folders (searched through)")->required();
  auditCmd->add_flag("--json", audit.Json, "Print the results as JSON");
  auditCmd->add_flag("--verbose", audit.Verbose, "Also list the differing fields");

  TApplyOptions apply;
  CLI::App* applyCmd =
      app.add_subcommand("apply", "Put user colours and line types into many drawings");
  applyCmd->add_option("SRC", apply.Source, "Drawing or palette file")->required();
  applyCmd->add_option("DST", apply.Destinations, "Drawings or folders (searched through)")
      ->required();
  CLI::Option* applyColors = applyCmd->add_option("--colors", apply.Slots.Colors,
                                                  "\"all\" or slots 17..256 (default: all)");
  CLI::Option* applyLineTypes = applyCmd->add_option("--linetypes", apply.Slots.LineTypes,
                                                     "\"all\" or slots 17..32 (default: all)");
  applyCmd->add_flag("--in-place", apply.InPlace, "Replace each drawing");
  applyCmd->add_flag("--backup", apply.Backup, "With --in-place: keep NAME.jww.bak");
  applyCmd->add_option("--out-dir", apply.OutDir, "Write the drawings below this folder");
  applyCmd->add_option("--jobs", apply.Jobs, "Files at a time (default: one per core)")
      ->check(CLI::Range(1, 1024));
  applyCmd->add_flag("--dry-run", apply.DryRun, "Report what would change; write nothing");
  applyCmd->add_flag("--json", apply.Json, "Print per-file results as JSON");
  applyCmd->add_flag("--verbose", apply.Verbose, "List the slots whose values a save will change");

  TPreviewOptions preview;
  CLI::App* previewCmd = app.add_subcommand("preview", "Draw the preview into a PNG");
  previewCmd->add_option("FILE", preview.File, "Drawing (.jww)")->required();
  previewCmd->add_option("-o,--output", preview.Output, "PNG to write")
      ->required()
      ->check(nonEmpty);
  previewCmd->add_option("--size", preview.Size, "Image size WxH")->capture_default_str();
  previewCmd->add_option("--trace", preview.Trace, "Also write the drawing calls, one a line");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return code == 0 ? kExitOk : kExitUsage;
  }

  if (*infoCmd) return RunInfo(info);
  if (*colorsCmd) return RunColors(colorsFile);
  if (*lineTypesCmd) return RunLineTypes(lineTypesFile);
  if (*copyCmd) {
    copy.HasColors = colorsOpt->count() > 0;
    copy.HasLineTypes = lineTypesOpt->count() > 0;
    return RunCopy(copy);
  }
  if (*exportCmd) {
    exportOptions.Slots.HasColors = exportColors->count() > 0;
    exportOptions.Slots.HasLineTypes = exportLineTypes->count() > 0;
    return RunExport(exportOptions);
  }
  if (*diffCmd) {
    diff.Slots.HasColors = diffColors->count() > 0;
    diff.Slots.HasLineTypes = diffLineTypes->count() > 0;
    return RunDiff(diff);
  }
  if (*auditCmd) return RunAudit(audit);
  if (*applyCmd) {
    apply.Slots.HasColors = applyColors->count() > 0;
    apply.Slots.HasLineTypes = applyLineTypes->count() > 0;
    return RunApply(apply);
  }
  if (*previewCmd) return RunPreview(preview, argc, argv);
  return kExitUsage;
}
