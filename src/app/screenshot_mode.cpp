#include "app/screenshot_mode.h"

#include <QApplication>
#include <QEventLoop>
#include <QListWidget>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>

#include "app/main_window.h"

namespace pennatran {

namespace {

// Messages would block an unattended run; they are printed instead.
class TPrintedMessages : public TMessages {
 public:
  void Information(const QString& text) override { qWarning("%s", qUtf8Printable(text)); }
  bool Question(const QString& text) override {
    qWarning("%s", qUtf8Printable(text));
    return false;
  }
  TAnswer QuestionWithCancel(const QString& text) override {
    qWarning("%s", qUtf8Printable(text));
    return TAnswer::No;
  }
  TChangedFileAnswer ChangedFileQuestion(const QString& text, const QString&,
                                         const QString&) override {
    qWarning("%s", qUtf8Printable(text));
    return TChangedFileAnswer::Cancel;
  }
};

void Wait(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

void SelectLines(QListWidget* list, std::initializer_list<int> lines) {
  for (int line : lines) {
    if (line < list->count()) list->item(line)->setSelected(true);
  }
}

}  // namespace

int RunScreenshot(const QString& outputPng, const QString& source, const QString& destination) {
  QTemporaryDir scratch;
  if (!scratch.isValid()) return 1;
  const std::filesystem::path folder = ToFsPath(scratch.path());
  TFormEnvironment environment;
  environment.Folders = ResolveAppFolders(folder / "pennatran", folder);
  environment.Messages = std::make_unique<TPrintedMessages>();
  MainWindow form(std::move(environment));
  form.show();
  Wait(300);
  form.OpenSource(source);
  form.OpenDestination(destination);
  auto* colors = form.findChild<QListWidget*>(QStringLiteral("sourceColorList"));
  auto* lineTypes = form.findChild<QListWidget*>(QStringLiteral("sourceLineTypeList"));
  if (colors == nullptr || lineTypes == nullptr) return 1;
  SelectLines(colors, {0, 2, 3});
  colors->setCurrentRow(2, QItemSelectionModel::NoUpdate);
  SelectLines(lineTypes, {0, 1});
  Wait(300);
  const bool written = form.grab().save(outputPng, "PNG");
  form.close();
  return written ? 0 : 1;
}

}  // namespace pennatran
