// Text output on a real QImage: font fallback, cell placement, average width, turning and
// vertical faces, judged by where the ink lands.
#include "qtcanvas/qt_text.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QRect>

#include "gui_application.h"
#include "jww/text_encoding.h"

namespace pennatran {
namespace {

class QtTextTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureGuiApplication(); }

  QtTextTest() : Image(200, 200, QImage::Format_RGB32) { Image.fill(Qt::white); }

  // Draws UTF-8 text in black with the given font values; returns the ink's bounding box.
  QRect Ink(const char* face, int height, int width, int escapement, int x, int y,
            const char* utf8) {
    TLogFont font;
    font.Height = height;
    font.Width = width;
    font.Escapement = escapement;
    font.FaceName = Utf8ToSjis(face);
    {
      QPainter painter(&Image);
      DrawSjisText(painter, font, 0, x, y, Utf8ToSjis(utf8));
    }
    QRect box;
    for (int py = 0; py < Image.height(); ++py) {
      for (int px = 0; px < Image.width(); ++px) {
        if (qGray(Image.pixel(px, py)) < 128) box |= QRect(px, py, 1, 1);
      }
    }
    return box;
  }

  QImage Image;
};

TEST_F(QtTextTest, WindowsFaceNamesFallBackToInstalledJapaneseFonts) {
  const std::pair<const char*, const char*> cases[] = {
      {"ＭＳ ゴシック", "IPAGothic"},
      {"ＭＳ 明朝", "IPAMincho"},
      {"ＭＳ Ｐゴシック", "IPAPGothic"},
      {"ＭＳ Ｐ明朝", "IPAPMincho"},
      {"MS Gothic", "IPAGothic"},
      {"MS Mincho", "IPAMincho"},
      {"MS UI Gothic", "IPAPGothic"},
      {"NoSuchFace", "IPAGothic"},
      {"", "IPAGothic"},
      {"IPAMincho", "IPAMincho"},
  };
  for (const auto& [face, family] : cases) {
    const QStringList families = FontFamiliesFor(QString::fromUtf8(face));
    ASSERT_FALSE(families.isEmpty()) << face;
    EXPECT_EQ(families.front().toStdString(), family) << face;
  }
}

TEST_F(QtTextTest, GlyphsSitInTheCellBelowAndRightOfTheReferencePoint) {
  const QRect box = Ink("ＭＳ ゴシック", 40, 0, 0, 50, 60, "田");
  ASSERT_FALSE(box.isEmpty());
  EXPECT_GE(box.left(), 50);
  EXPECT_GE(box.top(), 60);
  EXPECT_LE(box.bottom(), 100);
  EXPECT_LE(box.right(), 50 + 40);
  // The cell height includes the font's leading: the glyph fills most of it.
  EXPECT_GE(box.height(), 28);
}

TEST_F(QtTextTest, AverageWidthScalesTheGlyphsHorizontally) {
  const QRect natural = Ink("ＭＳ ゴシック", 40, 0, 0, 10, 10, "田田");
  Image.fill(Qt::white);
  const QRect narrow = Ink("ＭＳ ゴシック", 40, 9, 0, 10, 10, "田田");
  ASSERT_FALSE(natural.isEmpty());
  ASSERT_FALSE(narrow.isEmpty());
  // The natural average width of the face is about 18.6 pixels: half of it.
  EXPECT_NEAR(narrow.width(), natural.width() / 2.0, 3);
  EXPECT_NEAR(narrow.height(), natural.height(), 1);
}

TEST_F(QtTextTest, AverageWidthIsMeasuredByTheEmWhenTheFontStoresAnotherAverage) {
  // Droid Sans Fallback stores an average near its full em; IPAGothic stores half the em.
  ASSERT_TRUE(QFontDatabase::hasFamily(QStringLiteral("Droid Sans Fallback")));
  const QRect ipa = Ink("IPAGothic", 40, 12, 0, 10, 10, "田田");
  Image.fill(Qt::white);
  const QRect droid = Ink("Droid Sans Fallback", 40, 12, 0, 10, 10, "田田");
  ASSERT_FALSE(ipa.isEmpty());
  ASSERT_FALSE(droid.isEmpty());
  // Two kanji of 24 pixels each, whatever the font keeps as its average.
  EXPECT_NEAR(ipa.width(), 48, 6);
  EXPECT_NEAR(droid.width(), 48, 6);
}

TEST_F(QtTextTest, EscapementTurnsAboutTheCellsTopLeftCorner) {
  // A quarter turn: the text runs up the page and its cell lies to the right.
  const QRect box = Ink("ＭＳ ゴシック", 30, 0, 900, 100, 150, "田田田");
  ASSERT_FALSE(box.isEmpty());
  EXPECT_GE(box.left(), 99);
  EXPECT_LE(box.right(), 130);
  EXPECT_LE(box.bottom(), 151);
  EXPECT_GT(box.height(), 2 * box.width());
}

TEST_F(QtTextTest, VerticalFacesStandFullWidthCharactersUpright) {
  // "一" is a horizontal bar: upright in a vertical face it stays wider than high.
  const QRect upright = Ink("@ＭＳ ゴシック", 40, 0, 2700, 100, 20, "一");
  Image.fill(Qt::white);
  const QRect turned = Ink("ＭＳ ゴシック", 40, 0, 2700, 100, 20, "一");
  ASSERT_FALSE(upright.isEmpty());
  ASSERT_FALSE(turned.isEmpty());
  EXPECT_GT(upright.width(), 3 * upright.height());
  EXPECT_GT(turned.height(), 3 * turned.width());
  // Half-width characters are turned with the column in a vertical face as well.
  Image.fill(Qt::white);
  const QRect dash = Ink("@ＭＳ ゴシック", 40, 0, 2700, 100, 20, "-");
  ASSERT_FALSE(dash.isEmpty());
  EXPECT_GT(dash.height(), dash.width());
}

TEST_F(QtTextTest, VerticalFacesTurnLineMarksAndUseVerticalBrackets) {
  // "ー" runs along the column; "「" takes its vertical form, wider than high.
  const struct {
    const char* Text;
    bool Tall;
  } rows[] = {{"ー", true}, {"～", true}, {"「", false}, {"（", false}};
  for (const auto& r : rows) {
    Image.fill(Qt::white);
    const QRect box = Ink("@ＭＳ ゴシック", 40, 0, 2700, 100, 20, r.Text);
    ASSERT_FALSE(box.isEmpty()) << r.Text;
    if (r.Tall) {
      EXPECT_GT(box.height(), 2 * box.width()) << r.Text;
    } else {
      EXPECT_GT(box.width(), box.height()) << r.Text;
    }
  }
}

}  // namespace
}  // namespace pennatran
