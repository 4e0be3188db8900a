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
#include "jww/file_stamp.h"
#include "jww/jww_data.h"
#include "jww/temp_folder.h"
#include "render/render_context.h"
#include "session/half_session.h"

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
  // The watch of each half's scratch folder (the program's interrupt cleanup); none when
  // empty.
  std::function<TScratchWatch()> ScratchWatch;
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

// One half of the window: the controls that show a half session (its drawing or palette
// file, preview and lists).
struct TWindowSide {
  // Made when the window is first shown, ended when it closes.
  std::unique_ptr<THalfSession> Session;
  // The file this side showed in the last session: the side starts empty, and its open
  // dialog starts from this file until the side opens one.
  QString LastPath;
  // The half's own folder for its drawing's images, private to this window.
  std::unique_ptr<TTempFolder> Scratch;

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
  const TJwwData* SourceDocument() const { return Document(Source); }
  const TJwwData* DestinationDocument() const { return Document(Destination); }
  // The source half's preview context.
  const TRenderContext& RenderContext() const;

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Layout.
  void BuildLayout();
  QWidget* BuildHalf(TWindowSide& side, bool source);
  QWidget* BuildLists(TWindowSide& side, bool source, QWidget* half);
  void ConnectHalf(TWindowSide& side);
  void AddCopyButtons(TCaptionPanel* colorHeader, TCaptionPanel* lineTypeHeader);
  QWidget* BuildButtonBar();
  void BuildKeyboard();
  void ApplySettings(const TWindowSettings& settings);
  // Keeps the window's frame on the screens; the frame is known only once the window
  // system has drawn it, after the settings were applied.
  void PlaceOnScreens();
  TWindowSettings CurrentSettings() const;

  // Start and end.
  void FormShow();
  void FormClose();

  // Opening and closing a side.
  // Asks for a drawing with the side's browse button and opens the one chosen.
  void BrowseAndOpen(TWindowSide& side);
  // Ctrl+O: the browse button of the half with the focus, the source's when neither has.
  void OpenFocusedHalf();
  // The file chosen in the open dialog, starting where the path panel points (or, while the
  // side shows no file, at the file it showed in the last session).
  std::optional<QString> Browse(const TWindowSide& side);
  // The path the side's panel shows, else the one it showed in the last session.
  static QString RememberedPath(const TWindowSide& side);
  // Shows path in the side's path panel and opens it if it is a file: a drawing, or on the
  // source half a palette file. A palette file that cannot be opened there, and a file that
  // is no drawing, leave the half as it was. The destination's copies not saved are
  // settled first.
  void OpenSideFile(TWindowSide& side, const QString& path);
  // Loads the drawing at path into the side and shows it, or says why it did not.
  void LoadSideDrawing(TWindowSide& side, const QString& path);
  // False when the file is not a palette file; else opens it on the side, or says why not.
  bool OpenIfPaletteFile(TWindowSide& side, const QString& path);
  void CloseSideFile(TWindowSide& side);
  // Fits the side's drawing into the image control's size in device pixels and draws it
  // there, or the swatch sheet of its palette file.
  void ShowPreview(TWindowSide& side);
  // Draws an open side's preview or sheet again, as it was first drawn, for the control's
  // new size or pixel ratio.
  void RedrawPreview(TWindowSide& side);
  static const TJwwData* Document(const TWindowSide& side);
  // The side is open (false before the window is shown and after it closed).
  static bool IsOpen(const TWindowSide& side);

  // Lists: one line for each slot the side holds.
  void FillColorList(const TWindowSide& side);
  void FillLineTypeList(const TWindowSide& side);
  // Fills both lists of a side that opened a file, each shown from its first line.
  void ShowOpenedLists(const TWindowSide& side);
  // Marks the destination lines whose slot differs from the source's (none unless both
  // sides are open).
  void UpdateDifferenceMarks();
  // Scrolls a refilled destination list to the first line a copy wrote.
  void ShowFirstCopiedLine(QListWidget* list, const std::vector<TSlot>& chosen);
  // Show the clicked line's slot: its colours below, its whole text in the tooltip.
  void OnColorListClick(const TWindowSide& side);
  void OnLineTypeListClick(const TWindowSide& side);

  // Copying and saving.
  // Copies the source's selected lines of one list into the destination.
  void CopySelected(TSlotKind kind);
  void OnCopyColors();
  void OnCopyLineTypes();
  void OnSelectAllColors();
  void OnSelectAllLineTypes();
  bool BothSidesOpen();
  void OnSave();
  void OnExit();
  // Before the window closes or the destination takes another file, with copies not saved:
  // saves them on Yes, and returns false when nothing is to go on (Cancel, or a save that
  // did not happen).
  bool SettleUnsavedCopies();
  // Saves the destination to path under the file lock. Over the file it was read from, the
  // save is refused (ChangedOnDisk) when someone else wrote that since, unless overwrite.
  bool SaveDestination(const QString& path, bool overwrite, TSaveError& error);
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

  // State. What the previous preview set-up left for the next, in either half.
  TPreviewCarry Carry;
  // The destination's file as it was read, or as this window last saved it.
  TFileStamp DestinationStamp;
  // What RenderContext shows before the window is first shown.
  TRenderContext NoPreview;
  bool Shown = false;
  bool Closed = false;
  // The settings placed the client area; the frame around it still needs a place.
  bool FramePending = false;
};

}  // namespace pennatran
