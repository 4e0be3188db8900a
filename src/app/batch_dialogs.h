// The dialogs of putting the source's slots into many drawings at once: a progress dialog
// that can be cancelled between files and a list of what became of each file, behind a
// seam so that tests can cancel and read them.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QProgressDialog;
class QWidget;

namespace pennatran {

class TBatchDialogs {
 public:
  virtual ~TBatchDialogs() = default;
  // Shows that done of total files are finished and which one is next; false once the user
  // has cancelled, when no further file is to be started.
  virtual bool Progress(int done, int total, const QString& next) = 0;
  // Closes the progress and shows the outcome: a summary above one line for each file.
  virtual void Results(const QString& summary, const QStringList& lines) = 0;
};

// A window-modal QProgressDialog and a resizable dialog with the lines in a list.
class TQtBatchDialogs : public TBatchDialogs {
 public:
  explicit TQtBatchDialogs(QWidget* parent);
  ~TQtBatchDialogs() override;
  bool Progress(int done, int total, const QString& next) override;
  void Results(const QString& summary, const QStringList& lines) override;

 private:
  QWidget* Parent;
  std::unique_ptr<QProgressDialog> ProgressDialog;
};

}  // namespace pennatran
