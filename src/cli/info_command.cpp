#include <iostream>

#include "cli/commands.h"
#include "cli/drawing_input.h"
#include "cli/interrupt_cleanup.h"
#include "cli/json_document.h"
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
    out["error"] = TJson{{"offset", doc.LoadError.Offset}, {"message", doc.LoadError.Message}};
  }
  AddDocumentJson(out, doc);
  if (options.Entities) AddEntitiesJson(out, doc);
  // Invalid UTF-8 (a path given in another encoding) is replaced rather than aborting.
  std::cout << out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
  return loaded ? kExitOk : kExitFailed;
}

}  // namespace pennatran
