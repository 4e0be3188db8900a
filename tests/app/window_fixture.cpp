#include "window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/caption_panel.h"
#include "app/panel_button.h"

namespace pennatran::testing {

void EnsureApplication() {
  if (QApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "test_app";
  static char* argv[] = {name, nullptr};
  // Kept for the whole run: one application per process.
  static QApplication* application = new QApplication(argc, argv);
  (void)application;
}

namespace {

class TMessageRecorder : public TMessages {
 public:
  TMessageRecorder(std::vector<TRecordedMessage>& log, bool& answer,
                   std::vector<QString>& closingLog, TAnswer& closingAnswer,
                   std::vector<QString>& changedLog, TChangedFileAnswer& changedAnswer)
      : Log(log),
        Answer(answer),
        ClosingLog(closingLog),
        ClosingAnswer(closingAnswer),
        ChangedLog(changedLog),
        ChangedAnswer(changedAnswer) {}
  void Information(const QString& text) override { Log.push_back({false, text}); }
  bool Question(const QString& text) override {
    Log.push_back({true, text});
    return Answer;
  }
  TAnswer QuestionWithCancel(const QString& text) override {
    ClosingLog.push_back(text);
    return ClosingAnswer;
  }
  TChangedFileAnswer ChangedFileQuestion(const QString& text, const QString& reload,
                                         const QString& overwrite) override {
    ChangedLog.push_back(text + QStringLiteral(" [") + reload + QStringLiteral("|") + overwrite +
                         QStringLiteral("]"));
    return ChangedAnswer;
  }

 private:
  std::vector<TRecordedMessage>& Log;
  bool& Answer;
  std::vector<QString>& ClosingLog;
  TAnswer& ClosingAnswer;
  std::vector<QString>& ChangedLog;
  TChangedFileAnswer& ChangedAnswer;
};

// Answers each dialog with the next queued answer (nothing queued: cancelled).
class TDialogAnswers : public TFileDialogs {
 public:
  TDialogAnswers(std::deque<std::optional<QString>>& answers, std::vector<TDialogRequest>& log)
      : Answers(answers), Log(log) {}
  std::optional<QString> OpenDrawing(const QString& folder, const QString& fileName) override {
    return Next({false, folder, fileName});
  }
  std::optional<QString> SaveDrawing(const QString& folder, const QString& fileName) override {
    return Next({true, folder, fileName});
  }

 private:
  std::optional<QString> Next(const TDialogRequest& request) {
    Log.push_back(request);
    if (Answers.empty()) return std::nullopt;
    const bool chosen = Answers.front().has_value();
    const QString path = chosen ? *Answers.front() : QString();
    Answers.pop_front();
    if (!chosen) return std::nullopt;
    return path;
  }
  std::deque<std::optional<QString>>& Answers;
  std::vector<TDialogRequest>& Log;
};

// Records the progress, cancelling at a given count, and the results.
class TBatchRecorder : public TBatchDialogs {
 public:
  TBatchRecorder(std::vector<int>& shown, const int& cancelAt, QString& summary, QStringList& lines)
      : Shown(shown), CancelAt(cancelAt), Summary(summary), Lines(lines) {}
  bool Progress(int done, int, const QString&) override {
    Shown.push_back(done);
    return done != CancelAt;
  }
  void Results(const QString& summary, const QStringList& lines) override {
    Summary = summary;
    Lines = lines;
  }

 private:
  std::vector<int>& Shown;
  const int& CancelAt;
  QString& Summary;
  QStringList& Lines;
};

}  // namespace

TJwwData SourceDrawing() {
  TJwwData doc = SampleDocument();
  Append(doc, MakeLine(0, 0, 100, 50));
  Append(doc, MakeArc(50, 25, 20));
  return doc;
}

TJwwData DestinationDrawing() {
  TJwwData doc = SampleDocument();
  for (size_t i = 0; i < doc.ColorExNos.size(); ++i) {
    doc.ColorExNos[i].ScreenColor = 0xA00000u + static_cast<uint32_t>(i);
    doc.ColorExNos[i].ScreenWidth = 7;
    doc.ColorExNos[i].Name = "dst" + std::to_string(i);
  }
  for (size_t i = 0; i < doc.LineTypeExNos.size(); ++i) {
    doc.LineTypeExNos[i].Pattern = 0x12345678u;
    doc.LineTypeExNos[i].Name = "dline" + std::to_string(i);
    doc.LineTypeExNos[i].SegmentCount = 1;
  }
  Append(doc, MakeLine(-10, -10, 10, 10));
  return doc;
}

void WindowTest::SetUp() {
  EnsureApplication();
  Dir = std::make_unique<QTemporaryDir>();
  ASSERT_TRUE(Dir->isValid());
  const std::filesystem::path root = ToFsPath(Dir->path());
  Folders = ResolveAppFolders(root / "bin" / "pennatran", root / "config");
  std::filesystem::create_directories(root / "bin");
  TempRoot = root / "tmp";
  std::filesystem::create_directories(TempRoot);
  SavedTmpDir =
      qEnvironmentVariableIsSet("TMPDIR") ? std::optional(qgetenv("TMPDIR")) : std::nullopt;
  qputenv("TMPDIR", QFile::encodeName(FromFsPath(TempRoot)));
}

void WindowTest::TearDown() {
  Window.reset();
  if (SavedTmpDir)
    qputenv("TMPDIR", *SavedTmpDir);
  else
    qunsetenv("TMPDIR");
  Dir.reset();
}

std::vector<std::filesystem::path> WindowTest::ScratchFolders() const {
  std::vector<std::filesystem::path> folders;
  for (const auto& entry : std::filesystem::directory_iterator(TempRoot))
    if (entry.is_directory()) folders.push_back(entry.path());
  return folders;
}

void WindowTest::CreateWindow(bool show) {
  TFormEnvironment environment;
  environment.Folders = Folders;
  environment.Messages =
      std::make_unique<TMessageRecorder>(Messages, QuestionAnswer, ThreeWayQuestions,
                                         ThreeWayAnswer, ChangedFileQuestions, ChangedFileAnswer);
  environment.Dialogs = std::make_unique<TDialogAnswers>(Answers, Requests);
  environment.BatchDialogs =
      std::make_unique<TBatchRecorder>(ProgressShown, CancelAtProgress, ResultSummary, ResultLines);
  environment.PrinterResolution = [] { return std::optional<int32_t>(600); };
  environment.Clock = [] { return TLocalDateTime{2026, 12, 7, 9, 30, 0}; };
  environment.EscapePressed = [this] { return EscapeHeld; };
  environment.PixelRatio = [this](const QWidget& widget) {
    return PixelRatio > 0 ? PixelRatio : widget.devicePixelRatioF();
  };
  Window = std::make_unique<MainWindow>(std::move(environment));
  if (show) {
    Window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    Settle();
  }
}

void WindowTest::CloseWindow() {
  Window->close();
  Settle();
}

QString WindowTest::WriteDrawing(const std::string& name, const TJwwData& doc, int32_t version,
                                 const std::vector<TJwwBuilder::TImage>& images) {
  TJwwBuilder builder(version);
  builder.Header(doc).EntitySection(doc);
  if (version >= 700) builder.Images(images);
  const QString path = PathIn(name);
  EXPECT_TRUE(builder.WriteTo(ToFsPath(path)));
  return path;
}

QString WindowTest::PathIn(const std::string& name) const {
  return Dir->filePath(QString::fromStdString(name));
}

void WindowTest::OpenThroughBrowse(const char* browseButton, const QString& path) {
  Answers.push_back(path);
  ClickPanel(browseButton);
}

void WindowTest::ClickPanel(const char* name) {
  auto* panel = Window->findChild<TPanelButton*>(QString::fromLatin1(name));
  ASSERT_NE(panel, nullptr) << name;
  QTest::mouseClick(panel, Qt::LeftButton);
}

void WindowTest::ClickButton(const char* name) {
  auto* button = Window->findChild<QPushButton*>(QString::fromLatin1(name));
  ASSERT_NE(button, nullptr) << name;
  QTest::mouseClick(button, Qt::LeftButton);
}

void WindowTest::ClickLine(QListWidget* list, int line) {
  list->scrollToItem(list->item(line));
  const QRect rect = list->visualItemRect(list->item(line));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

QListWidget* WindowTest::List(const char* name) const {
  return Window->findChild<QListWidget*>(QString::fromLatin1(name));
}

QString WindowTest::Caption(const char* panelName) const {
  auto* panel = Window->findChild<TCaptionPanel*>(QString::fromLatin1(panelName));
  return panel != nullptr ? panel->Caption() : QStringLiteral("<missing>");
}

QString WindowTest::LabelText(const char* name) const {
  auto* label = Window->findChild<QLabel*>(QString::fromLatin1(name));
  return label != nullptr ? label->text() : QStringLiteral("<missing>");
}

std::vector<QString> WindowTest::Lines(const char* listName) const {
  std::vector<QString> lines;
  const QListWidget* list = List(listName);
  for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text());
  return lines;
}

void WindowTest::Settle() const {
  // Geometry changes of the offscreen window arrive as queued events.
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

}  // namespace pennatran::testing
