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
  OpenThroughBrowse("Panel6", WriteDrawing("destination.jww", destination));
  EXPECT_TRUE(Marked("ListBox3").empty());  // nothing to compare with yet

  OpenThroughBrowse("Panel5", WriteDrawing("source.jww", source));
  EXPECT_EQ(Marked("ListBox3"), (std::vector<int>{3, 239}));
  EXPECT_EQ(Marked("ListBox4"), (std::vector<int>{0}));
  EXPECT_TRUE(Marked("ListBox1").empty());

  List("ListBox1")->item(3)->setSelected(true);
  ClickPanel("Panel11");
  EXPECT_EQ(Marked("ListBox3"), (std::vector<int>{239}));
  ClickPanel("Panel17");
  ClickPanel("Panel12");
  EXPECT_TRUE(Marked("ListBox4").empty());
}

}  // namespace
}  // namespace pennatran::testing
