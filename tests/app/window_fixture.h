// A real main window in a temporary program folder, with recorded messages and answered
// dialogs, and helpers to write test drawings with the byte-level builder.
#pragma once

#include <gtest/gtest.h>

#include <QListWidget>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "jww/jww_data.h"
#include "jww/text_encoding.h"
#include "palette/palette.h"
#include "support/jww_builder.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << text.toStdString();
}

namespace pennatran::testing {

// Creates the one QApplication of the test program (offscreen unless a platform is set).
void EnsureApplication();

struct TRecordedMessage {
  bool Question = false;
  QString Text;
  bool operator==(const TRecordedMessage&) const = default;
};

struct TDialogRequest {
  bool Save = false;
  QString Folder;
  QString FileName;
};

// The words of the window's colour lines in Japanese, the language it is written in.
inline TColorLineLabels JapaneseColorLabels() {
  return {Utf8ToSjis("幅:"), Utf8ToSjis("点半径:")};
}

// Source and destination drawings that differ in every user slot.
TJwwData SourceDrawing();
TJwwData DestinationDrawing();

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Builds the window over the temporary program folder (shown and settled when show).
  void CreateWindow(bool show = true);
  void CloseWindow();

  // A drawing file in the temporary folder; images go into its image section (version
  // 700 and later).
  QString WriteDrawing(const std::string& name, const TJwwData& doc, int32_t version = 700,
                       const std::vector<TJwwBuilder::TImage>& images = {});
  QString PathIn(const std::string& name) const;

  // Opens a side through its browse button and a dialog answering path.
  void OpenThroughBrowse(const char* browseButton, const QString& path);
  void ClickPanel(const char* name);
  void ClickButton(const char* name);
  void ClickLine(QListWidget* list, int line);
  QListWidget* List(const char* name) const;
  QString Caption(const char* panelName) const;
  QString LabelText(const char* name) const;
  std::vector<QString> Lines(const char* listName) const;
  void Settle() const;

  // The scratch folders the window has made now, below TempRoot.
  std::vector<std::filesystem::path> ScratchFolders() const;

  // Below Dir: the executable's folder bin/, the configuration folder config/, and tmp/,
  // the temporary folder (TMPDIR) while a test runs.
  TAppFolders Folders;
  std::filesystem::path TempRoot;
  std::optional<QByteArray> SavedTmpDir;
  std::unique_ptr<QTemporaryDir> Dir;
  std::unique_ptr<MainWindow> Window;
  std::vector<TRecordedMessage> Messages;
  bool QuestionAnswer = false;
  // The Yes / No / Cancel questions asked, and the answer each gets.
  std::vector<QString> ThreeWayQuestions;
  TAnswer ThreeWayAnswer = TAnswer::No;
  // The questions about a destination changed on disk, and the answer each gets.
  std::vector<QString> ChangedFileQuestions;
  TChangedFileAnswer ChangedFileAnswer = TChangedFileAnswer::Cancel;
  bool EscapeHeld = false;
  // The screen's device pixel ratio as the window sees it (0: the real screen's).
  qreal PixelRatio = 0;
  std::deque<std::optional<QString>> Answers;
  std::vector<TDialogRequest> Requests;
  // The progress of a drop of many drawings: done counts shown, the count at which the user
  // cancels (-1: never), and the result dialog's summary and lines.
  std::vector<int> ProgressShown;
  int CancelAtProgress = -1;
  QString ResultSummary;
  QStringList ResultLines;
};

}  // namespace pennatran::testing
