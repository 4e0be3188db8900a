// Text output of the Qt canvas: Shift-JIS bytes drawn with a logical font.
#pragma once

#include <string_view>

#include <QPainter>
#include <QString>
#include <QStringList>

#include "render/canvas.h"

namespace pennatran {

// Draws sjis with the top-left of its first character cell at (x, y), turned by the font's
// escapement about that corner, in colour, on a transparent background. The font height is
// the cell height; a non-zero width is the average character width the glyphs are scaled
// to. A face name beginning with "@" draws full-width characters upright down a vertical
// column and half-width ones turned. The painter's state is restored afterwards.
void DrawSjisText(QPainter& painter, const TLogFont& font, TColor color, int x, int y,
                  std::string_view sjis);

// The installed families to ask for in place of a Windows face name (without "@"): the
// name itself when installed, otherwise the matching Japanese gothic or mincho font.
QStringList FontFamiliesFor(const QString& faceName);

}  // namespace pennatran
