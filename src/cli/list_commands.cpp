#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/drawing_input.h"
#include "interrupt/interrupt_cleanup.h"
#include "jww/caret_controls.h"
#include "session/half_session.h"

namespace pennatran {
namespace {

// The command line's lists keep the words of the lists scripts already read: "幅:" and
// "点半径:" in Shift-JIS, in every language.
const TColorLineLabels kColorLabels = {"\x95\x9D:", "\x93\x5F\x94\xBC\x8C\x61:"};

// The lists show what was read even when the load stopped early, as the window does; the
// exit code and a line on stderr tell that the file was not read completely. A file that
// is not a drawing has no lists.
int PrintList(const std::string& file, TSlotKind kind) {
  if (!CheckReadable(file)) return kExitUsage;
  TTempFolder images(InterruptScratchWatch());
  THalfSession half;
  const TSessionLoad load = LoadDrawing(half, file, images);
  if (!load.NotADrawing) {
    for (const std::string& line : half.ListTexts(kind, kColorLabels))
      std::cout << CaretControls(line) << '\n';
  }
  std::cout.flush();
  if (!load.Complete) {
    ReportLoadFailure(file, load);
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace

int RunColors(const std::string& file) {
  return PrintList(file, TSlotKind::Color);
}

int RunLineTypes(const std::string& file) {
  return PrintList(file, TSlotKind::LineType);
}

}  // namespace pennatran
