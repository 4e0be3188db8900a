// The main window: a source half and a destination half, each with its path, preview and
// the two lists of user colours and line types, and a button bar to save the destination.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/app_folders.h"
#include "app/file_dialogs.h"
#include "app/messages.h"
#include "app/settings_file.h"
#include "attributes/gra_attribute.h"
#include "jww/jww_data.h"
#include "render/render_context.h"

class QLabel;
class QListWidget;
class QPushButton;
class QSplitter;

namespace pennatran {

class TCaptionPanel;
class TPanelButton;

// What the window needs from outside. Empty members get the real ones: message boxes, Qt
// file dialogs, the default printer, the X11 keyboard and the local clock.
struct TFormEnvironment {
  TAppFolders Folders;
  std::unique_ptr<TMessages> Messages;
  std::unique_ptr<TFileDialogs> Dialogs;
  TPrinterResolution PrinterResolution;
  std::function<bool()> EscapePressed;
  TClock Clock;
};

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm1(TFormEnvironment environment, QWidget* parent = nullptr);
  // Runs FormClose if the window was shown and not closed, so nothing is left behind.
  ~TForm1() override;

  // Sets a side's path and opens it, as its browse button does after the dialog.
  void OpenSource(const QString& path);
  void OpenDestination(const QString& path);

  // The documents, for inspection; null before the window is first shown.
  const TJwwData* SourceDocument() const { return SourceDrawing.get(); }
  const TJwwData* DestinationDocument() const { return DestinationDrawing.get(); }
  const TRenderContext& RenderContext() const { return Context; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Layout.
  void BuildLayout();
  QWidget* BuildHalf(bool source);
  QWidget* BuildButtonBar();
  void BuildKeyboard();
  void ApplySettings(const TWindowSettings& settings);
  TWindowSettings CurrentSettings() const;

  // Start and end.
  void FormShow();
  void FormClose();

  // Opening and closing a side.
  void OnBrowseSource();
  void OnBrowseDestination();
  // Ctrl+O: the browse button of the half with the focus, the source's when neither has.
  void OpenFocusedHalf();
  bool Browse(TCaptionPanel* pathPanel);
  void OpenSourceFile();
  void OpenDestinationFile();
  void CloseSourceFile();
  void CloseDestinationFile();
  // Loads path into doc and shows it; returns whether the whole file was read.
  bool OpenSide(TJwwData& doc, const std::filesystem::path& imageFolder, const QString& path,
                QLabel* image, QListWidget* colorList, QListWidget* lineTypeList);
  void CloseSide(TJwwData& doc, const std::filesystem::path& imageFolder);
  // Fits the drawing into the image control's size and draws it there.
  void ShowPreview(const TJwwData& doc, QLabel* image);

  // Lists.
  void FillColorList(const TJwwData& doc, QListWidget* list);
  void FillLineTypeList(const TJwwData& doc, QListWidget* list);
  // Marks the destination lines whose slot differs from the source's (none unless both
  // sides are open).
  void UpdateDifferenceMarks();
  // Scrolls a refilled destination list to the first line a copy wrote.
  void ShowFirstCopiedLine(QListWidget* list, const std::vector<int32_t>& lines);
  void OnSourceColorListClick();
  void OnSourceLineTypeListClick();
  void OnDestinationColorListClick();
  void OnDestinationLineTypeListClick();
  void ColorListClick(bool opened, const TJwwData* doc, QListWidget* list);
  void LineTypeListClick(bool opened, QListWidget* list);

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

  TFormEnvironment Env;

  // Controls, named by what they do.
  QWidget* SourceHalf = nullptr;
  QWidget* DestinationHalf = nullptr;
  QSplitter* HalvesSplitter = nullptr;
  QSplitter* SourcePreviewSplitter = nullptr;
  QSplitter* DestinationPreviewSplitter = nullptr;
  QSplitter* SourceListsSplitter = nullptr;
  QSplitter* DestinationListsSplitter = nullptr;
  QLabel* SourceTitle = nullptr;
  QLabel* DestinationTitle = nullptr;
  TCaptionPanel* SourcePathPanel = nullptr;
  TCaptionPanel* DestinationPathPanel = nullptr;
  TPanelButton* SourceBrowseButton = nullptr;
  TPanelButton* DestinationBrowseButton = nullptr;
  QLabel* SourcePreview = nullptr;
  QLabel* DestinationPreview = nullptr;
  TCaptionPanel* SourceColorHeader = nullptr;
  TCaptionPanel* SourceLineTypeHeader = nullptr;
  TCaptionPanel* DestinationColorHeader = nullptr;
  TCaptionPanel* DestinationLineTypeHeader = nullptr;
  TPanelButton* CopyColorsButton = nullptr;
  TPanelButton* CopyLineTypesButton = nullptr;
  TPanelButton* SelectAllColorsButton = nullptr;
  TPanelButton* SelectAllLineTypesButton = nullptr;
  QListWidget* SourceColorList = nullptr;
  QListWidget* SourceLineTypeList = nullptr;
  QListWidget* DestinationColorList = nullptr;
  QListWidget* DestinationLineTypeList = nullptr;
  QWidget* ButtonBar = nullptr;
  QPushButton* SaveButton = nullptr;
  QPushButton* ExitButton = nullptr;
  QLabel* ScreenColorLabel = nullptr;
  QLabel* ScreenColorSwatch = nullptr;
  QLabel* PrintColorLabel = nullptr;
  QLabel* PrintColorSwatch = nullptr;

  // State.
  std::unique_ptr<TJwwData> SourceDrawing;
  std::unique_ptr<TJwwData> DestinationDrawing;
  std::unique_ptr<TgraAttribute> GraAttribute;
  TRenderContext Context;
  bool SourceOpened = false;
  bool DestinationOpened = false;
  // False after a load that stopped before the end of its file.
  bool SourceLoadComplete = true;
  bool DestinationLoadComplete = true;
  std::filesystem::path SourceScratchFolder;
  std::filesystem::path DestinationScratchFolder;
  int32_t BackMode = 0;
  bool Shown = false;
  bool Closed = false;
  // True from a copy into the destination until it is saved or another is opened.
  bool DestinationUnsaved = false;
};

}  // namespace pennatran
