// Stand-ins for drawers that are still being written; each goes when its real body lands.
#include "render/drawers.h"

namespace pennatran {

void DrawDimensionInBlock(TRenderContext&, TCanvas&, const TEntJwwDimension&, const TPlacement&,
                          bool, int64_t, bool) {}

}  // namespace pennatran
