// The main window: a source half and a destination half, each with its path, preview and
// the two lists of user colours and line types, and a button bar to save the destination.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/app_folders.h"
#include "app/batch_dialogs.h"
#include "app/file_dialogs.h"
#include "app/messages.h"
#include "app/settings_file.h"
#include "attributes/preview_attributes.h"
#include "jww/jww_data.h"
#include "palette/palette_file.h"
#include "render/render_context.h"

class QLabel;
class QListWidget;
class QPushButton;
class QSplitter;

namespace pennatran {

class TCaptionPanel;
class TPanelButton;
class TPreviewImage;

// What the window needs from outside. Empty members get the real ones: message boxes, Qt
// file dialogs, the progress and result dialogs of a drop of many drawings, the default
// printer, the X11 keyboard, the local clock and the screen's device pixel ratio.
struct TFormEnvironment {
  TAppFolders Folders;
  std::unique_ptr<TMessages> Messages;
  std::unique_ptr<TFileDialogs> Dialogs;
  std::unique_ptr<TBatchDialogs> BatchDialogs;
  TPrinterResolution PrinterResolution;
  std::function<bool()> EscapePressed;
  TClock Clock;
  std::function<qreal(const QWidget&)> PixelRatio;
};

// The item data role of a list line that holds its list line number (slot - 17): a palette
// file lists only the slots it holds.
constexpr int kListLineRole = Qt::UserRole + 2;
// The list line numbers of the selected lines of a list, ascending.
std::vector<TSlot> SelectedListSlots(const QListWidget* list);

// One half of the window: its drawing and scratch folder, and the controls that show them.
struct TWindowSide {
  std::unique_ptr<TJwwData> Drawing;
  // The slots of a palette file opened instead of a drawing (the source half only).
  std::optional<TPalette> Palette;
  std::filesystem::path ScratchFolder;
  bool Opened = false;
  bool LoadComplete = true;
  // the destination takes copies.
  bool Unsaved = false;
  // The background mode the drawing's preview was first drawn with; a redraw keeps it.
  BackgroundMode BackMode = BackgroundMode::White;

  QWidget* Half = nullptr;
  TCaptionPanel* PathPanel = nullptr;
  TPanelButton* BrowseButton = nullptr;
  QSplitter* PreviewSplitter = nullptr;
  TPreviewImage* Preview = nullptr;
  QSplitter* ListsSplitter = nullptr;
  QListWidget* ColorList = nullptr;
  QListWidget* LineTypeList = nullptr;
};

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(TFormEnvironment environment, QWidget* parent = nullptr);
  // Runs FormClose if the window was shown and not closed, so nothing is left behind.
  ~MainWindow() override;

  // Sets a side's path and opens it, as its browse button does after the dialog.
  void OpenSource(const QString& path);
  void OpenDestination(const QString& path);

  // The documents, for inspection; null before the window is first shown.
  const TJwwData* SourceDocument() const { return Source.Drawing.get(); }
  const TJwwData* DestinationDocument() const { return Destination.Drawing.get(); }
  const TRenderContext& RenderContext() const { return Context; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Layout.
  void BuildLayout();
  QWidget* BuildHalf(TWindowSide& side, bool source);
  QWidget* BuildButtonBar();
  void BuildKeyboard();
  void ApplySettings(const TWindowSettings& settings);
  TWindowSettings CurrentSettings() const;

  // Start and end.
  void FormShow();
  void FormClose();

  // Opening and closing a side.
  // Asks for a drawing with the side's browse button and opens the one chosen.
  void BrowseAndOpen(TWindowSide& side);
  // Ctrl+O: the browse button of the half with the focus, the source's when neither has.
  void OpenFocusedHalf();
  // The file chosen in the open dialog, starting where the path panel points.
  std::optional<QString> Browse(const TCaptionPanel* pathPanel);
  // Shows path in the side's path panel and opens it if it is a file: a drawing, or on the
  // source half a palette file. A palette file that cannot be opened there leaves the half
  // as it was.
  void OpenSideFile(TWindowSide& side, const QString& path);
  // False when the file is not a palette file; else opens it on the side, or says why not.
  bool OpenIfPaletteFile(TWindowSide& side, const QString& path);
  void CloseSideFile(TWindowSide& side);
  // Fits the drawing into the image control's size in device pixels and draws it there.
  void ShowPreview(const TJwwData& doc, TPreviewImage* image);
  // Draws the swatch sheet of a palette file where a drawing shows its preview.
  void ShowPaletteSheet(const TPalette& palette, TPreviewImage* image);
  // Draws an open side's preview or sheet again, as it was first drawn, for the control's
  // new size or pixel ratio.
  void RedrawPreview(TWindowSide& side);
  // The slots a side offers: its palette file's, or all of its drawing's.
  TPalette SidePalette(const TWindowSide& side) const;

  // Lists: one line for each slot the palette holds.
  void FillColorList(const TPalette& palette, QListWidget* list);
  void FillLineTypeList(const TPalette& palette, QListWidget* list);
  // Marks the destination lines whose slot differs from the source's (none unless both
  // sides are open).
  void UpdateDifferenceMarks();
  // Scrolls a refilled destination list to the first line a copy wrote.
  void ShowFirstCopiedLine(QListWidget* list, const std::vector<TSlot>& chosen);
  // Show the clicked line's slot: its colours below, its whole text in the tooltip.
  void OnColorListClick(const TWindowSide& side);
  void OnLineTypeListClick(const TWindowSide& side);

  // Copying and saving.
  void OnCopyColors();
  void OnCopyLineTypes();
  void OnSelectAllColors();
  void OnSelectAllLineTypes();
  bool BothSidesOpen();
  void OnSave();
  void OnExit();
  // Before the window closes with copies not saved: saves them on Yes, and returns false
  // when the window is to stay open (Cancel, or a save that did not happen).
  bool SaveBeforeClosing();
  // Several drawings or a folder dropped on the destination half: after one confirmation,
  // puts the source's slots into each of them in place and lists the outcome.
  void ApplyToDroppedDrawings(const QStringList& paths);

  TFormEnvironment Env;

  TWindowSide Source;
  TWindowSide Destination;

  // The controls outside the halves, named by what they do.
  QSplitter* HalvesSplitter = nullptr;
  TPanelButton* CopyColorsButton = nullptr;
  TPanelButton* CopyLineTypesButton = nullptr;
  TPanelButton* SelectAllColorsButton = nullptr;
  TPanelButton* SelectAllLineTypesButton = nullptr;
  QWidget* ButtonBar = nullptr;
  QPushButton* SaveButton = nullptr;
  QPushButton* ExitButton = nullptr;
  QLabel* ScreenColorLabel = nullptr;
  QLabel* ScreenColorSwatch = nullptr;
  QLabel* PrintColorLabel = nullptr;
  QLabel* PrintColorSwatch = nullptr;

  // State.
  std::unique_ptr<PreviewAttributes> Attributes;
  TRenderContext Context;
  BackgroundMode BackMode = BackgroundMode::White;
  bool Shown = false;
  bool Closed = false;
};

}  // namespace pennatran
