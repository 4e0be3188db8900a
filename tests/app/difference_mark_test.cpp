// The "≠" on destination lines whose slot differs from the source's, after opening and
// after copying; the line's own text stays the list line.
#include "app/difference_mark.h"
#include "window_fixture.h"

namespace pennatran::testing {
namespace {

class DifferenceMarkTest : public WindowTest {
 protected:
  // Rows of list that carry the mark.
  std::vector<int> Marked(const char* name) const {
    std::vector<int> rows;
    QListWidget* list = List(name);
    for (int i = 0; i < list->count(); ++i) {
      const QModelIndex index = list->model()->index(i, 0);
      const QString shown = TDifferenceMarkDelegate::ShownText(index);
      EXPECT_EQ(shown.startsWith(QStringLiteral("≠ No.")), index.data(kDiffersRole).toBool());
      EXPECT_TRUE(shown.endsWith(list->item(i)->text()));
      if (index.data(kDiffersRole).toBool()) rows.push_back(i);
    }
    return rows;
  }
};

TEST_F(DifferenceMarkTest, MarksFollowOpeningAndCopying) {
  TJwwData source = SourceDrawing();
  TJwwData destination = source;
  destination.ColorExNos[20].ScreenWidth += 1;
  destination.ColorExNos[256].Name = "other";
  destination.LineTypeExNos[17].Pitches[9] = 2;
  CreateWindow();
  OpenThroughBrowse("destinationBrowseButton", WriteDrawing("destination.jww", destination));
  EXPECT_TRUE(Marked("destinationColorList").empty());  // nothing to compare with yet

  OpenThroughBrowse("sourceBrowseButton", WriteDrawing("source.jww", source));
  EXPECT_EQ(Marked("destinationColorList"), (std::vector<int>{3, 239}));
  EXPECT_EQ(Marked("destinationLineTypeList"), (std::vector<int>{0}));
  EXPECT_TRUE(Marked("sourceColorList").empty());

  List("sourceColorList")->item(3)->setSelected(true);
  ClickPanel("copyColorsButton");
  EXPECT_EQ(Marked("destinationColorList"), (std::vector<int>{239}));
  ClickPanel("selectAllLineTypesButton");
  ClickPanel("copyLineTypesButton");
  EXPECT_TRUE(Marked("destinationLineTypeList").empty());
}

}  // namespace
}  // namespace pennatran::testing
