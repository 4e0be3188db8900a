// The window's controls, laid out as aligned panels with splitters between them.
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

#include "app/caption_panel.h"
#include "app/color_splitter.h"
#include "app/difference_mark.h"
#include "app/main_window.h"
#include "app/panel_button.h"
#include "app/preview_image.h"
#include "app/window_icon.h"

namespace pennatran {

namespace {

const QColor kSkyBlue(166, 202, 240);
const QColor kActiveCaption(153, 180, 209);
constexpr int kItemHeight = 13;
constexpr int kPanelButtonWidth = 46;
constexpr int kHeaderHeight = 24;
constexpr int kPathPanelHeight = 27;
constexpr int kButtonBarHeight = 40;
constexpr int kMinorSplitterWidth = 5;
constexpr int kMainSplitterWidth = 12;

// Every list line has the same height: the font's full height, so that tall characters
// such as "[" keep their tops, and never less than the classic 13 pixels. Each line shows
// its difference mark when it has one.
class TLineHeightDelegate : public TDifferenceMarkDelegate {
 public:
  using TDifferenceMarkDelegate::TDifferenceMarkDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = TDifferenceMarkDelegate::sizeHint(option, index);
    size.setHeight(std::max(kItemHeight, option.fontMetrics.height()));
    return size;
  }
};

QListWidget* MakeList(const QString& name, bool multipleSelection, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setSelectionMode(multipleSelection ? QAbstractItemView::ExtendedSelection
                                           : QAbstractItemView::SingleSelection);
  // A line wider than the list is scrolled to, and read in full in its own tooltip. Lines
  // are measured one by one: a named slot makes its line longer than the first.
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  list->setTextElideMode(Qt::ElideNone);
  list->setItemDelegate(new TLineHeightDelegate(list));
  list->setIconSize(QSize(18, 9));
  list->setMinimumHeight(0);
  return list;
}

QVBoxLayout* StackLayout(QWidget* widget) {
  auto* layout = new QVBoxLayout(widget);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  return layout;
}

QLabel* MakeSwatch(const QString& name, QWidget* parent) {
  // Eight ideographic spaces: the label shows as a bar in its background colour.
  auto* label = new QLabel(QString(8, QChar(0x3000)), parent);
  label->setObjectName(name);
  label->setAutoFillBackground(true);
  return label;
}

// The object name of one half's widget by its role: "sourceColorList", "destinationPreview".
QString HalfName(bool source, const char* role) {
  return (source ? QStringLiteral("source") : QStringLiteral("destination")) + QLatin1String(role);
}

}  // namespace

void MainWindow::BuildLayout() {
  QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                             {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                              QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL Gothic"),
                              QStringLiteral("TakaoGothic")});
  QFont formFont(QStringLiteral("ＭＳ ゴシック"));
  formFont.setPixelSize(13);
  setFont(formFont);
  setWindowTitle(QStringLiteral("Pennatran Ver.1.00"));
  setWindowIcon(WindowIcon());
  setAcceptDrops(true);

  auto* halves = new TColorSplitter(QStringLiteral("halvesSplitter"), Qt::Horizontal,
                                    kMainSplitterWidth, kActiveCaption, this);
  halves->addWidget(BuildHalf(Source, true));
  halves->addWidget(BuildHalf(Destination, false));
  // A wider window widens both halves alike.
  halves->ShareChanges(1, 1);
  HalvesSplitter = halves;

  auto* root = StackLayout(this);
  root->addWidget(HalvesSplitter, 1);
  root->addWidget(BuildButtonBar());
  BuildKeyboard();
  resize(637, 557);
}

QWidget* MainWindow::BuildHalf(TWindowSide& side, bool source) {
  auto* half = new QWidget(this);
  half->setObjectName(HalfName(source, "Half"));
  auto* layout = StackLayout(half);

  auto* title = new QLabel(source ? tr("コピー元") : tr("コピー先"), half);
  title->setObjectName(HalfName(source, "Title"));
  layout->addWidget(title);

  side.PathPanel =
      new TCaptionPanel(HalfName(source, "PathPanel"), QString(), kPathPanelHeight, half);
  side.BrowseButton =
      new TPanelButton(HalfName(source, "BrowseButton"), tr("参照"), side.PathPanel);
  side.PathPanel->AddRight(side.BrowseButton, kPanelButtonWidth);
  layout->addWidget(side.PathPanel);

  side.PreviewSplitter = new TColorSplitter(HalfName(source, "PreviewSplitter"), Qt::Vertical,
                                            kMinorSplitterWidth, kSkyBlue, half);
  side.Preview = new TPreviewImage(HalfName(source, "Preview"), Env.PixelRatio, half);
  side.Preview->resize(side.Preview->width(), 168);
  side.PreviewSplitter->addWidget(side.Preview);
  side.PreviewSplitter->addWidget(BuildLists(side, source, half));
  side.PreviewSplitter->setStretchFactor(0, 0);
  side.PreviewSplitter->setStretchFactor(1, 1);
  layout->addWidget(side.PreviewSplitter, 1);

  side.Half = half;
  ConnectHalf(side);
  return half;
}

QWidget* MainWindow::BuildLists(TWindowSide& side, bool source, QWidget* half) {
  auto* listsPanel = new QWidget(half);
  listsPanel->setObjectName(HalfName(source, "ListsPanel"));
  auto* listsLayout = StackLayout(listsPanel);
  auto* colorHeader = new TCaptionPanel(HalfName(source, "ColorHeader"),
                                        tr("SXF対応拡張ユーザー線色"), kHeaderHeight, listsPanel);
  listsLayout->addWidget(colorHeader);

  auto* lists = new TColorSplitter(HalfName(source, "ListsSplitter"), Qt::Vertical,
                                   kMinorSplitterWidth, kSkyBlue, listsPanel);
  side.ColorList = MakeList(HalfName(source, "ColorList"), source, half);
  auto* lineTypePanel = new QWidget(listsPanel);
  auto* lineTypeLayout = StackLayout(lineTypePanel);
  auto* lineTypeHeader =
      new TCaptionPanel(HalfName(source, "LineTypeHeader"), tr("SXF対応拡張ユーザー線種"),
                        kHeaderHeight, lineTypePanel);
  side.LineTypeList = MakeList(HalfName(source, "LineTypeList"), source, half);
  // Wide enough for two periods of a line type's dashes.
  side.LineTypeList->setIconSize(QSize(36, 9));
  lineTypeLayout->addWidget(lineTypeHeader);
  lineTypeLayout->addWidget(side.LineTypeList, 1);
  lists->addWidget(side.ColorList);
  lists->addWidget(lineTypePanel);
  // A taller window shows more of the 240 colours than of the 16 line types.
  lists->ShareChanges(2, 1);
  side.ListsSplitter = lists;
  listsLayout->addWidget(lists, 1);
  if (source) AddCopyButtons(colorHeader, lineTypeHeader);
  return listsPanel;
}

void MainWindow::ConnectHalf(TWindowSide& side) {
  connect(side.BrowseButton, &TPanelButton::clicked, this, [this, &side] { BrowseAndOpen(side); });
  connect(side.Preview, &TPreviewImage::PictureStale, this, [this, &side] { RedrawPreview(side); });
  const auto colorClick = [this, &side] { OnColorListClick(side); };
  const auto lineTypeClick = [this, &side] { OnLineTypeListClick(side); };
  connect(side.ColorList, &QListWidget::itemClicked, this, colorClick);
  connect(side.ColorList, &QListWidget::currentRowChanged, this, colorClick);
  connect(side.LineTypeList, &QListWidget::itemClicked, this, lineTypeClick);
  connect(side.LineTypeList, &QListWidget::currentRowChanged, this, lineTypeClick);
}

// The source's list headers carry the copy (⇒) and select-all buttons.
void MainWindow::AddCopyButtons(TCaptionPanel* colorHeader, TCaptionPanel* lineTypeHeader) {
  CopyColorsButton =
      new TPanelButton(QStringLiteral("copyColorsButton"), QStringLiteral("⇒"), colorHeader);
  SelectAllColorsButton =
      new TPanelButton(QStringLiteral("selectAllColorsButton"), QStringLiteral("All"), colorHeader);
  CopyLineTypesButton =
      new TPanelButton(QStringLiteral("copyLineTypesButton"), QStringLiteral("⇒"), lineTypeHeader);
  SelectAllLineTypesButton = new TPanelButton(QStringLiteral("selectAllLineTypesButton"),
                                              QStringLiteral("All"), lineTypeHeader);
  colorHeader->AddRight(CopyColorsButton, kPanelButtonWidth);
  colorHeader->AddRight(SelectAllColorsButton, kPanelButtonWidth);
  lineTypeHeader->AddRight(CopyLineTypesButton, kPanelButtonWidth);
  lineTypeHeader->AddRight(SelectAllLineTypesButton, kPanelButtonWidth);
  connect(CopyColorsButton, &TPanelButton::clicked, this, &MainWindow::OnCopyColors);
  connect(CopyLineTypesButton, &TPanelButton::clicked, this, &MainWindow::OnCopyLineTypes);
  connect(SelectAllColorsButton, &TPanelButton::clicked, this, &MainWindow::OnSelectAllColors);
  connect(SelectAllLineTypesButton, &TPanelButton::clicked, this,
          &MainWindow::OnSelectAllLineTypes);
}

QWidget* MainWindow::BuildButtonBar() {
  auto* bar = new QFrame(this);
  bar->setObjectName(QStringLiteral("buttonBar"));
  bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
  bar->setFixedHeight(kButtonBarHeight);
  ButtonBar = bar;

  SaveButton = new QPushButton(tr("コピー先ファイルを保存 (&S)"), bar);
  SaveButton->setObjectName(QStringLiteral("saveButton"));
  SaveButton->setGeometry(4, 4, 205, 33);
  ExitButton = new QPushButton(tr("終了 (&X)"), bar);
  ExitButton->setObjectName(QStringLiteral("exitButton"));
  ExitButton->setGeometry(224, 4, 97, 33);
  connect(SaveButton, &QPushButton::clicked, this, &MainWindow::OnSave);
  connect(ExitButton, &QPushButton::clicked, this, &MainWindow::OnExit);

  ScreenColorLabel = new QLabel(tr("画面線色："), bar);
  ScreenColorLabel->setObjectName(QStringLiteral("screenColorLabel"));
  ScreenColorLabel->move(336, 4);
  ScreenColorSwatch = MakeSwatch(QStringLiteral("screenColorSwatch"), bar);
  ScreenColorSwatch->setGeometry(336, 20, 112, 13);
  PrintColorLabel = new QLabel(tr("印刷線色："), bar);
  PrintColorLabel->setObjectName(QStringLiteral("printColorLabel"));
  PrintColorLabel->move(464, 4);
  PrintColorSwatch = MakeSwatch(QStringLiteral("printColorSwatch"), bar);
  PrintColorSwatch->setGeometry(464, 20, 112, 13);
  for (QLabel* label : {ScreenColorLabel, PrintColorLabel}) {
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->resize(124, 14);
  }
  return bar;
}

}  // namespace pennatran
