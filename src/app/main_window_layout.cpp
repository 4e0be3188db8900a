// The window's controls, laid out as aligned panels with splitters between them.
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "app/caption_panel.h"
#include "app/color_splitter.h"
#include "app/difference_mark.h"
#include "app/main_window.h"
#include "app/panel_button.h"
#include "app/preview_image.h"
#include "app/window_placement.h"

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
  // A line wider than the list is read in full in its own tooltip.
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setTextElideMode(Qt::ElideNone);
  list->setUniformItemSizes(true);
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
  setAcceptDrops(true);

  HalvesSplitter = new TColorSplitter(QStringLiteral("halvesSplitter"), Qt::Horizontal,
                                      kMainSplitterWidth, kActiveCaption, this);
  HalvesSplitter->addWidget(BuildHalf(Source, true));
  HalvesSplitter->addWidget(BuildHalf(Destination, false));
  // Like a left-aligned panel beside a client panel: the destination half takes any
  // change of the window's width.
  HalvesSplitter->setStretchFactor(0, 0);
  HalvesSplitter->setStretchFactor(1, 1);

  auto* root = StackLayout(this);
  root->addWidget(HalvesSplitter, 1);
  root->addWidget(BuildButtonBar());
  BuildKeyboard();
  resize(637, 557);
}

QWidget* MainWindow::BuildHalf(TWindowSide& side, bool source) {
  auto* half = new QWidget(this);
  half->setObjectName(source ? QStringLiteral("sourceHalf") : QStringLiteral("destinationHalf"));
  auto* layout = StackLayout(half);

  auto* title = new QLabel(source ? tr("コピー元") : tr("コピー先"), half);
  title->setObjectName(source ? QStringLiteral("sourceTitle") : QStringLiteral("destinationTitle"));
  layout->addWidget(title);

  auto* pathPanel = new TCaptionPanel(
      source ? QStringLiteral("sourcePathPanel") : QStringLiteral("destinationPathPanel"),
      QString(), kPathPanelHeight, half);
  auto* browse = new TPanelButton(
      source ? QStringLiteral("sourceBrowseButton") : QStringLiteral("destinationBrowseButton"),
      tr("参照"), pathPanel);
  pathPanel->AddRight(browse, kPanelButtonWidth);
  layout->addWidget(pathPanel);

  auto* imageSplitter = new TColorSplitter(source ? QStringLiteral("sourcePreviewSplitter")
                                                  : QStringLiteral("destinationPreviewSplitter"),
                                           Qt::Vertical, kMinorSplitterWidth, kSkyBlue, half);
  auto* image = new TPreviewImage(
      source ? QStringLiteral("sourcePreview") : QStringLiteral("destinationPreview"),
      Env.PixelRatio, half);
  image->resize(image->width(), 168);

  auto* listsPanel = new QWidget(half);
  listsPanel->setObjectName(source ? QStringLiteral("sourceListsPanel")
                                   : QStringLiteral("destinationListsPanel"));
  auto* listsLayout = StackLayout(listsPanel);
  auto* colorHeader = new TCaptionPanel(
      source ? QStringLiteral("sourceColorHeader") : QStringLiteral("destinationColorHeader"),
      tr("SXF対応拡張ユーザー線色"), kHeaderHeight, listsPanel);
  listsLayout->addWidget(colorHeader);

  auto* listSplitter = new TColorSplitter(
      source ? QStringLiteral("sourceListsSplitter") : QStringLiteral("destinationListsSplitter"),
      Qt::Vertical, kMinorSplitterWidth, kSkyBlue, listsPanel);
  QListWidget* colorList =
      MakeList(source ? QStringLiteral("sourceColorList") : QStringLiteral("destinationColorList"),
               source, half);
  auto* lineTypePanel = new QWidget(listsPanel);
  auto* lineTypeLayout = StackLayout(lineTypePanel);
  auto* lineTypeHeader = new TCaptionPanel(
      source ? QStringLiteral("sourceLineTypeHeader") : QStringLiteral("destinationLineTypeHeader"),
      tr("SXF対応拡張ユーザー線種"), kHeaderHeight, lineTypePanel);
  QListWidget* lineTypeList = MakeList(
      source ? QStringLiteral("sourceLineTypeList") : QStringLiteral("destinationLineTypeList"),
      source, half);
  // Wide enough for two periods of a line type's dashes.
  lineTypeList->setIconSize(QSize(36, 9));
  lineTypeLayout->addWidget(lineTypeHeader);
  lineTypeLayout->addWidget(lineTypeList, 1);
  listSplitter->addWidget(colorList);
  listSplitter->addWidget(lineTypePanel);
  listSplitter->setStretchFactor(0, 0);
  listSplitter->setStretchFactor(1, 1);
  listsLayout->addWidget(listSplitter, 1);

  imageSplitter->addWidget(image);
  imageSplitter->addWidget(listsPanel);
  imageSplitter->setStretchFactor(0, 0);
  imageSplitter->setStretchFactor(1, 1);
  layout->addWidget(imageSplitter, 1);

  side.Half = half;
  side.PathPanel = pathPanel;
  side.BrowseButton = browse;
  side.Preview = image;
  side.PreviewSplitter = imageSplitter;
  side.ListsSplitter = listSplitter;
  side.ColorList = colorList;
  side.LineTypeList = lineTypeList;
  connect(browse, &TPanelButton::clicked, this, [this, &side] { BrowseAndOpen(side); });
  connect(image, &TPreviewImage::PictureStale, this, [this, &side] { RedrawPreview(side); });
  const auto colorClick = [this, &side] { OnColorListClick(side); };
  const auto lineTypeClick = [this, &side] { OnLineTypeListClick(side); };
  connect(colorList, &QListWidget::itemClicked, this, colorClick);
  connect(colorList, &QListWidget::currentRowChanged, this, colorClick);
  connect(lineTypeList, &QListWidget::itemClicked, this, lineTypeClick);
  connect(lineTypeList, &QListWidget::currentRowChanged, this, lineTypeClick);
  if (source) {
    CopyColorsButton =
        new TPanelButton(QStringLiteral("copyColorsButton"), QStringLiteral("⇒"), colorHeader);
    SelectAllColorsButton = new TPanelButton(QStringLiteral("selectAllColorsButton"),
                                             QStringLiteral("All"), colorHeader);
    CopyLineTypesButton = new TPanelButton(QStringLiteral("copyLineTypesButton"),
                                           QStringLiteral("⇒"), lineTypeHeader);
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
  return half;
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

// The settings hold the client area: the one rectangle a window both reports and takes
// the same way whether or not its frame is known yet.
void MainWindow::ApplySettings(const TWindowSettings& settings) {
  QList<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens())
    screens.push_back(screen->availableGeometry());
  const QScreen* primary = QGuiApplication::primaryScreen();
  const QRect saved(settings.Left, settings.Top, settings.Width, settings.Height);
  const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  setGeometry(primary == nullptr
                  ? saved
                  : VisiblePlacement(saved, frame, screens, primary->availableGeometry()));
  Source.PathPanel->SetCaption(settings.SourcePath);
  Destination.PathPanel->SetCaption(settings.DestinationPath);
  // Each splitter gives the remainder of its current length to the second part; when the
  // window takes its new size, that part alone grows or shrinks.
  const auto place = [](QSplitter* splitter, int first) {
    const bool horizontal = splitter->orientation() == Qt::Horizontal;
    const int length =
        (horizontal ? splitter->width() : splitter->height()) - splitter->handleWidth();
    const int size = std::max(first, 0);
    splitter->setSizes({size, std::max(length - size, 0)});
  };
  place(HalvesSplitter, settings.SourceHalfWidth);
  place(Source.PreviewSplitter, settings.SourcePreviewHeight);
  place(Destination.PreviewSplitter, settings.DestinationPreviewHeight);
  place(Source.ListsSplitter, settings.SourceColorListHeight);
  place(Destination.ListsSplitter, settings.DestinationColorListHeight);
}

TWindowSettings MainWindow::CurrentSettings() const {
  TWindowSettings settings;
  settings.Left = geometry().x();
  settings.Top = geometry().y();
  settings.Width = width();
  settings.Height = height();
  settings.SourceHalfWidth = HalvesSplitter->sizes().value(0);
  settings.SourcePreviewHeight = Source.PreviewSplitter->sizes().value(0);
  settings.DestinationPreviewHeight = Destination.PreviewSplitter->sizes().value(0);
  settings.SourceColorListHeight = Source.ListsSplitter->sizes().value(0);
  settings.DestinationColorListHeight = Destination.ListsSplitter->sizes().value(0);
  settings.SourcePath = Source.PathPanel->Caption();
  settings.DestinationPath = Destination.PathPanel->Caption();
  return settings;
}

}  // namespace pennatran
