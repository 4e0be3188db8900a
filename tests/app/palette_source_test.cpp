// A palette file on the source half: its slots in the lists, a sheet in place of the
// preview, copies from it, and the files refused with the half left as it was.
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTranslator>

#include "app/app_language.h"
#include "jww/text_encoding.h"
#include "palette/palette.h"
#include "palette/slot_canonical.h"
#include "render/palette_sheet.h"
#include "window_fixture.h"

namespace pennatran::testing {
namespace {

class PaletteSourceTest : public WindowTest {
 protected:
  // The source drawing's colour lines 3 and 5 and line type line 0 as a palette file,
  // which holds them as a save settles them.
  QString WritePalette(const std::string& name) {
    Palette = CanonicalPalette(
        PalettePart(PaletteOfDrawing(SourceDrawing()), {{TSlot(20), TSlot(22)}, {TSlot(17)}}));
    return WriteText(name, WritePaletteJson(Palette));
  }
  QString WriteText(const std::string& name, const std::string& text) {
    const QString path = PathIn(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
    return path;
  }
  TPalette Palette;
};

TEST_F(PaletteSourceTest, FillsTheListsWithItsSlotsAndShowsItsSheet) {
  CreateWindow();
  const QString path = WritePalette("office.json");
  OpenThroughBrowse("sourceBrowseButton", path);
  EXPECT_TRUE(Messages.empty());
  EXPECT_EQ(Caption("sourcePathPanel"), path);
  const auto line = [](const SjisString& text) { return QString::fromStdString(SjisToUtf8(text)); };
  EXPECT_EQ(Lines("sourceColorList"),
            (std::vector<QString>{
                line(ListLine(Palette.Colors[TSlot(20)], TSlot(20), JapaneseColorLabels())),
                line(ListLine(Palette.Colors[TSlot(22)], TSlot(22), JapaneseColorLabels()))}));
  EXPECT_EQ(Lines("sourceLineTypeList"),
            (std::vector<QString>{line(ListLine(Palette.LineTypes[TSlot(17)], TSlot(17)))}));

  // The sheet's cell of slot 22 (line 5) in that slot's screen colour.
  auto* image = Window->findChild<QLabel*>(QStringLiteral("sourcePreview"));
  const QImage sheet = image->pixmap().toImage();
  ASSERT_FALSE(sheet.isNull());
  const TPaletteSheetLayout layout = PaletteSheetLayout(sheet.width(), sheet.height());
  ASSERT_GT(layout.Cell, 0);
  const QColor cell =
      sheet.pixelColor(layout.ColorLeft + 5 * layout.Cell + layout.Cell / 2, layout.ColorTop + 2);
  const TColor expected = Palette.Colors[TSlot(22)].ScreenColor;
  EXPECT_EQ(cell, QColor(ColorRed(expected), ColorGreen(expected), ColorBlue(expected)));

  // A click shows the slot's colours, as for a drawing.
  ClickLine(List("sourceColorList"), 1);
  EXPECT_TRUE(LabelText("screenColorLabel")
                  .endsWith(QStringLiteral("%1")
                                .arg(Palette.Colors[TSlot(22)].ScreenColor, 6, 16, QLatin1Char('0'))
                                .toUpper()));
}

TEST_F(PaletteSourceTest, CopiesOnlyTheSelectedSlotsItHoldsAndMarksTheRest) {
  const TJwwData before = DestinationDrawing();
  CreateWindow();
  OpenThroughBrowse("destinationBrowseButton", WriteDrawing("destination.jww", before));
  OpenThroughBrowse("sourceBrowseButton", WritePalette("office.json"));
  const auto marked = [this](int row) {
    return List("destinationColorList")->item(row)->data(Qt::UserRole + 1).toBool();
  };
  EXPECT_TRUE(marked(3) && marked(5) && !marked(4));

  List("sourceColorList")->item(1)->setSelected(true);  // line 5, slot 22
  ClickPanel("copyColorsButton");
  const TJwwData& doc = *Window->DestinationDocument();
  EXPECT_EQ(doc.ColorExNos[22], Palette.Colors[TSlot(22)]);
  EXPECT_EQ(doc.ColorExNos[20], before.ColorExNos[20]);
  EXPECT_TRUE(marked(3) && !marked(5));

  ClickPanel("selectAllLineTypesButton");
  ClickPanel("copyLineTypesButton");
  EXPECT_EQ(doc.LineTypeExNos[17], Palette.LineTypes[TSlot(17)]);
  EXPECT_EQ(doc.LineTypeExNos[18], before.LineTypeExNos[18]);
}

// A window that speaks Japanese words the core's reason in Japanese too, as the command
// line does; without that catalogue (an English window) the reason stays English.
TEST_F(PaletteSourceTest, ABadPaletteFilesReasonIsInTheWindowsLanguage) {
  CreateWindow();
  const QString broken = WriteText("broken.json", "{\n  \"format\": ");
  QCoreApplication& application = *QCoreApplication::instance();
  ASSERT_TRUE(InstallJapaneseCoreMessages(application));
  OpenThroughBrowse("sourceBrowseButton", broken);
  qDeleteAll(application.findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Messages[0].Text.contains(QStringLiteral("2 行"))) << Messages[0].Text.toStdString();
  EXPECT_FALSE(Messages[0].Text.contains(QStringLiteral("line"))) << Messages[0].Text.toStdString();

  Messages.clear();
  OpenThroughBrowse("sourceBrowseButton", broken);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Messages[0].Text.contains(QStringLiteral("line 2")))
      << Messages[0].Text.toStdString();
}

TEST_F(PaletteSourceTest, ABadPaletteOrOneOnTheDestinationIsRefusedAndTheHalfStays) {
  const QString source = WriteDrawing("source.jww", SourceDrawing());
  const QString destination = WriteDrawing("destination.jww", DestinationDrawing());
  CreateWindow();
  OpenThroughBrowse("sourceBrowseButton", source);
  OpenThroughBrowse("destinationBrowseButton", destination);
  const struct {
    const char* Name;
    std::string Text;
    const char* Place;  // in the core's message
  } rows[] = {
      {"broken.json", "{\n  \"format\": ", "line 2"},
      {"wrong.json", R"({"format": "something else", "version": 1})", "/format"},
  };
  for (const auto& r : rows) {
    Messages.clear();
    OpenThroughBrowse("sourceBrowseButton", WriteText(r.Name, r.Text));
    ASSERT_EQ(Messages.size(), 1u) << r.Name;
    EXPECT_TRUE(
        Messages[0].Text.startsWith(QStringLiteral("パレットファイルを開けませんでした。")));
    EXPECT_TRUE(Messages[0].Text.contains(QString::fromLatin1(r.Name)))
        << Messages[0].Text.toStdString();
    EXPECT_TRUE(Messages[0].Text.contains(QString::fromLatin1(r.Place)))
        << Messages[0].Text.toStdString();
    EXPECT_EQ(Caption("sourcePathPanel"), source);
    EXPECT_EQ(List("sourceColorList")->count(), 240);
  }

  Messages.clear();
  const QString palette = WritePalette("office.json");
  OpenThroughBrowse("destinationBrowseButton", palette);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Messages[0].Text.contains(QStringLiteral("コピー元にだけ")));
  EXPECT_EQ(Caption("destinationPathPanel"), destination);
  EXPECT_EQ(List("destinationColorList")->count(), 240);
}

}  // namespace
}  // namespace pennatran::testing
