#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/drawing_input.h"
#include "cli/interrupt_cleanup.h"
#include "jww/caret_controls.h"
#include "jww/text_encoding.h"
#include "palette/palette.h"

namespace pennatran {
namespace {

// The command line's lists keep the words of the lists scripts already read: "幅:" and
// "点半径:" in Shift-JIS, in every language.
const TColorLineLabels kColorLabels = {"\x95\x9D:", "\x93\x5F\x94\xBC\x8C\x61:"};

// The lists show what was read even when the load stopped early, as the window does; the
// exit code and a line on stderr tell that the file was not read completely. A file that
// is not a drawing has no lists.
int PrintList(const std::string& file,
              const std::function<std::vector<SjisString>(const TJwwData&)>& lines) {
  if (!CheckReadable(file)) return kExitUsage;
  TTempFolder images(InterruptScratchWatch());
  TJwwData doc;
  const bool loaded = LoadDrawing(doc, file, images);
  if (!doc.LoadError.NotADrawing()) {
    for (const SjisString& line : lines(doc)) {
      std::cout << CaretControls(SjisToUtf8(line)) << '\n';
    }
  }
  std::cout.flush();
  if (!loaded) {
    ReportLoadFailure(file, doc);
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace

int RunColors(const std::string& file) {
  return PrintList(file, [](const TJwwData& doc) { return ColorListLines(doc, kColorLabels); });
}

int RunLineTypes(const std::string& file) {
  return PrintList(file, LineTypeListLines);
}

}  // namespace pennatran
