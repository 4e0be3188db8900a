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
  const TJwwData* SourceDocument() const { return SrcJww.get(); }
  const TJwwData* DestinationDocument() const { return DstJww.get(); }
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
  void Panel5Click();
  void Panel6Click();
  // Ctrl+O: the browse button of the half with the focus, the source's when neither has.
  void OpenFocusedHalf();
  bool Browse(TCaptionPanel* pathPanel);
  void OpenSrcFile();
  void OpenDstFile();
  void CloseSrcFile();
  void CloseDstFile();
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
  void ListBox1Click();
  void ListBox2Click();
  void ListBox3Click();
  void ListBox4Click();
  void ColorListClick(bool opened, const TJwwData* doc, QListWidget* list);
  void LineTypeListClick(bool opened, QListWidget* list);

  // Copying and saving.
  void Panel11Click();
  void Panel12Click();
  void Panel16Click();
  void Panel17Click();
  bool BothSidesOpen();
  void Button1Click();
  void Button2Click();
  // Before the window closes with copies not saved: saves them on Yes, and returns false
  // when the window is to stay open (Cancel, or a save that did not happen).
  bool SaveBeforeClosing();

  TFormEnvironment Env;

  // Controls, named as the window describes them.
  QWidget* Panel1 = nullptr;
  QWidget* Panel2 = nullptr;
  QSplitter* Splitter1 = nullptr;
  QSplitter* Splitter2 = nullptr;
  QSplitter* Splitter3 = nullptr;
  QSplitter* Splitter4 = nullptr;
  QSplitter* Splitter5 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  TCaptionPanel* Panel3 = nullptr;
  TCaptionPanel* Panel4 = nullptr;
  TPanelButton* Panel5 = nullptr;
  TPanelButton* Panel6 = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* Image2 = nullptr;
  TCaptionPanel* Panel9 = nullptr;
  TCaptionPanel* Panel10 = nullptr;
  TCaptionPanel* Panel13 = nullptr;
  TCaptionPanel* Panel14 = nullptr;
  TPanelButton* Panel11 = nullptr;
  TPanelButton* Panel12 = nullptr;
  TPanelButton* Panel16 = nullptr;
  TPanelButton* Panel17 = nullptr;
  QListWidget* ListBox1 = nullptr;
  QListWidget* ListBox2 = nullptr;
  QListWidget* ListBox3 = nullptr;
  QListWidget* ListBox4 = nullptr;
  QWidget* Panel15 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;

  // State.
  std::unique_ptr<TJwwData> SrcJww;
  std::unique_ptr<TJwwData> DstJww;
  std::unique_ptr<TgraAttribute> GraAttribute;
  TRenderContext Context;
  bool SrcOpened = false;
  bool DstOpened = false;
  // False after a load that stopped before the end of its file.
  bool SrcLoadComplete = true;
  bool DstLoadComplete = true;
  std::filesystem::path TempDir;
  std::filesystem::path Temp2Dir;
  int32_t BackMode = 0;
  bool Shown = false;
  bool Closed = false;
  // True from a copy into the destination until it is saved or another is opened.
  bool DstUnsaved = false;
};

}  // namespace pennatran
