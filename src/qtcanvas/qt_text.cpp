#include "qtcanvas/qt_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <mutex>
#include <utility>

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPointF>
#include <QTextLayout>

#include "jww/text_encoding.h"
#include "render/vertical_forms.h"

namespace pennatran {
namespace {

QString FromSjis(std::string_view sjis) {
  const std::string utf8 = SjisToUtf8(sjis);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QStringList ResolveFamilies(const QString& face) {
  if (!face.isEmpty() && QFontDatabase::hasFamily(face)) return {face};
  const bool mincho = face.contains(QStringLiteral("明朝")) ||
                      face.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive) ||
                      face.contains(QStringLiteral("Serif"), Qt::CaseInsensitive);
  const bool proportional = face.contains(QStringLiteral("Ｐ")) ||
                            face.contains(QStringLiteral("PGothic"), Qt::CaseInsensitive) ||
                            face.contains(QStringLiteral("PMincho"), Qt::CaseInsensitive) ||
                            face.contains(QStringLiteral("UI Gothic"), Qt::CaseInsensitive);
  QStringList candidates;
  if (mincho) {
    if (proportional) candidates << QStringLiteral("IPAPMincho");
    candidates << QStringLiteral("IPAMincho") << QStringLiteral("IPAexMincho")
               << QStringLiteral("Noto Serif CJK JP");
  } else {
    if (proportional) candidates << QStringLiteral("IPAPGothic");
    candidates << QStringLiteral("IPAGothic") << QStringLiteral("IPAexGothic")
               << QStringLiteral("Noto Sans CJK JP");
  }
  QStringList installed;
  for (const QString& family : candidates) {
    if (QFontDatabase::hasFamily(family)) installed << family;
  }
  return installed.isEmpty() ? candidates : installed;
}

// The font database is asked once per face name: every glyph of a preview creates a font.
QStringList CachedFamilies(const QString& face) {
  static std::mutex mutex;
  static std::map<QString, QStringList> cache;
  const std::lock_guard lock(mutex);
  auto it = cache.find(face);
  if (it == cache.end()) it = cache.emplace(face, ResolveFamilies(face)).first;
  return it->second;
}

// A logical font's height is the cell height (ascent + descent), Qt's pixel size the em.
QFont MakeFont(const TLogFont& logFont, const QString& face) {
  QFont font;
  font.setFamilies(CachedFamilies(face));
  // Height 0 lets the font choose its size; a negative height is the em itself.
  if (logFont.Height != 0) font.setPixelSize(std::abs(logFont.Height));
  if (logFont.Height > 0) {
    const int cell = logFont.Height;
    const QFontMetricsF metrics(font);
    const double natural = metrics.ascent() + metrics.descent();
    if (natural > 0) {
      font.setPixelSize(std::max(1, static_cast<int>(std::lround(cell * cell / natural))));
    }
  }
  // Weight 0 means "don't care", which is the regular weight.
  const int weight = logFont.Weight <= 0 ? 400 : std::min(logFont.Weight, 1000);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(logFont.Italic);
  font.setUnderline(logFont.Underline);
  font.setStrikeOut(logFont.StrikeOut);
  return font;
}

// True when the font, with Qt's fallback fonts, has a glyph for every character of text.
// Asked once per family list and text.
bool HasGlyphs(const QFont& font, const QString& text) {
  static std::mutex mutex;
  static std::map<std::pair<QString, QString>, bool> cache;
  const std::pair<QString, QString> key{font.families().join(QLatin1Char(',')), text};
  const std::lock_guard lock(mutex);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  bool found = true;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    for (const quint32 glyph : run.glyphIndexes()) found = found && glyph != 0;
  }
  return cache.emplace(key, found).first->second;
}

// How one full-width character stands in the column: the text to draw and whether it is
// turned with the column.
std::pair<QString, bool> VerticalGlyph(const QFont& font, const QString& character) {
  const QList<uint> codes = character.toUcs4();
  if (codes.size() != 1) return {character, false};
  const TVerticalForm form = VerticalFormOf(codes.front());
  if (form.Turned) return {character, true};
  const char32_t code = form.CodePoint;
  const QString drawn = QString::fromUcs4(&code, 1);
  if (drawn == character || HasGlyphs(font, drawn)) return {drawn, false};
  return {character, form.TurnedWithoutForm};
}

void DrawVerticalRun(QPainter& painter, const QFont& font, const QFontMetricsF& metrics,
                     std::string_view sjis) {
  const double cellHeight = metrics.ascent() + metrics.descent();
  double pos = 0;
  for (size_t i = 0; i < sjis.size();) {
    const size_t length = CharLength(sjis, i);
    const QString character = FromSjis(sjis.substr(i, length));
    const double advance = metrics.horizontalAdvance(character);
    const auto [drawn, turned] =
        length > 1 ? VerticalGlyph(font, character) : std::pair{character, true};
    if (!turned) {
      // Full-width characters stand upright when the column runs down the page.
      painter.save();
      painter.translate(pos + advance / 2, cellHeight / 2);
      painter.rotate(-90);
      painter.drawText(QPointF(-advance / 2, -cellHeight / 2 + metrics.ascent()), drawn);
      painter.restore();
    } else {
      painter.drawText(QPointF(pos, metrics.ascent()), drawn);
    }
    pos += advance;
    i += length;
  }
}

// The width a logical font's width asks for: a half-width character's advance. Fonts made
// for Japanese store half the em as their average character width; a font that stores the
// OpenType average over all its glyphs (close to the full em for a CJK font) is measured by
// its em instead.
double HalfWidthAdvance(const QFont& font, const QFontMetricsF& metrics) {
  constexpr double kTolerance = 0.1;
  const double halfEm = QFontInfo(font).pixelSize() / 2.0;
  const double average = metrics.averageCharWidth();
  if (halfEm > 0 && std::abs(average - halfEm) > kTolerance * halfEm) return halfEm;
  return average;
}

}  // namespace

QStringList FontFamiliesFor(const QString& faceName) {
  return CachedFamilies(faceName);
}

void DrawSjisText(QPainter& painter, const TLogFont& font, TColor color, int x, int y,
                  std::string_view sjis) {
  if (sjis.empty()) return;
  QString face = FromSjis(font.FaceName);
  const bool vertical = face.startsWith(QLatin1Char('@'));
  while (face.startsWith(QLatin1Char('@'))) face.remove(0, 1);

  const QFont qfont = MakeFont(font, face);
  const QFontMetricsF metrics(qfont);
  double stretch = 1.0;
  const double average = HalfWidthAdvance(qfont, metrics);
  if (font.Width != 0 && average > 0) stretch = std::abs(font.Width) / average;

  painter.save();
  painter.setPen(QColor(ColorRed(color), ColorGreen(color), ColorBlue(color)));
  painter.setBrush(Qt::NoBrush);
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.setFont(qfont);
  painter.translate(x, y);
  painter.rotate(-font.Escapement / 10.0);
  painter.scale(stretch, 1.0);
  if (vertical) {
    DrawVerticalRun(painter, qfont, metrics, sjis);
  } else {
    painter.drawText(QPointF(0, metrics.ascent()), FromSjis(sjis));
  }
  painter.restore();
}

}  // namespace pennatran
