#include <cstdint>
#include <iostream>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/drawing_input.h"
#include "cli/json_stream.h"
#include "cli/output_files.h"
#include "interrupt/interrupt_cleanup.h"
#include "palette/drawing_json.h"
#include "render/draw_preview.h"

namespace pennatran {

int RunInfo(const TInfoOptions& options) {
  if (!CheckReadable(options.File)) return kExitUsage;
  TTempFolder images(InterruptScratchWatch());
  TJwwData doc;
  const bool loaded = LoadDrawing(doc, options.File, images);
  TWorkingBox box;
  ComputeExtents(doc, box);

  TJson out = TJson::object();
  out["file"] = options.File;
  out["loaded"] = loaded;
  if (!loaded) {
    out["error"] =
        TJson{{"offset", doc.LoadError.Offset}, {"message", LoadErrorText(doc.LoadError)}};
  }
  AddDocumentJson(out, doc);
  std::vector<TJsonArrayMember> arrays;
  if (options.Entities) arrays = EntityMembers(doc);
  // Measured before a byte is printed, so that a refused output leaves nothing behind.
  if (!WriteJsonObject(out, arrays, kMaxTextOutputBytes, nullptr)) {
    std::cerr << "pennatran-cli: "
              << Tr("info", "\"%1\": its JSON would be larger than %2 MiB; nothing was written.")
                     .Arg(options.File)
                     .Arg(kMaxTextOutputBytes >> 20)
              << '\n';
    return kExitFailed;
  }
  WriteJsonObject(out, arrays, SIZE_MAX, &std::cout);
  std::cout << '\n';
  return loaded ? kExitOk : kExitFailed;
}

}  // namespace pennatran
