// pennatran-cli: the window's work from the command line.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/commands.h"
#include "cli/interrupt_cleanup.h"

int main(int argc, char** argv) {
  using namespace pennatran;
  InstallInterruptCleanup();
  // An empty file name names nothing to write.
  const CLI::Validator nonEmpty(
      [](const std::string& name) {
        return name.empty() ? std::string("an empty name names no file") : std::string();
      },
      "FILE", "NonEmpty");
  CLI::App app{"Copies SXF user colours and line types between Jw_cad drawings."};
  app.require_subcommand(1);

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
  copyCmd->add_option("SRC", copy.Source, "Source drawing")->required();
  copyCmd->add_option("DST", copy.Destination, "Destination drawing")->required();
  copyCmd->add_option("-o,--output", copy.Output, "Where to save (may be DST)")
      ->required()
      ->check(nonEmpty);
  CLI::Option* colorsOpt =
      copyCmd->add_option("--colors", copy.Colors, "\"all\" or slots 17..256, e.g. 17-20,31");
  CLI::Option* lineTypesOpt =
      copyCmd->add_option("--linetypes", copy.LineTypes, "\"all\" or slots 17..32");

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
  if (*previewCmd) return RunPreview(preview, argc, argv);
  return kExitUsage;
}
