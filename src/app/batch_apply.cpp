#include "app/batch_apply.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <functional>
#include <memory>

#include "app/app_folders.h"
#include "app/failure_reason.h"

namespace pennatran {

namespace {

// Runs job on a thread of its own and waits for it in a local event loop.
TApplyResult OffTheWindowThread(const std::function<TApplyResult()>& job) {
  TApplyResult result;
  QEventLoop loop;
  std::unique_ptr<QThread> thread(QThread::create([&result, &job] { result = job(); }));
  QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
  thread->start();
  loop.exec();
  thread->wait();
  return result;
}

QString ResultLine(const TBatchFile& file) {
  const QString path = FromFsPath(file.File);
  if (!file.Result)
    return QCoreApplication::translate("TBatchApply", "中止したため未処理：%1").arg(path);
  const TApplyResult& r = *file.Result;
  const QString why = FailureReason(r.Failure);
  switch (r.Status) {
    case TApplyStatus::Saved:
      return QCoreApplication::translate("TBatchApply",
                                         "保存しました：%1（%2 個の線色・線種を変更）")
          .arg(path)
          .arg(r.ChangedSlots);
    case TApplyStatus::Unchanged:
    case TApplyStatus::WouldChange:
      return QCoreApplication::translate("TBatchApply", "変更なし：%1").arg(path);
    case TApplyStatus::Skipped:
      return QCoreApplication::translate("TBatchApply",
                                         "読み込めないためスキップしました：%1（%2）")
          .arg(path, why);
    case TApplyStatus::Busy:
      return QCoreApplication::translate("TBatchApply", "使用中のため変更しませんでした：%1（%2）")
          .arg(path, why);
    case TApplyStatus::Failed:
    case TApplyStatus::WouldFail:
      break;
  }
  return QCoreApplication::translate("TBatchApply", "保存できませんでした：%1（%2）")
      .arg(path, why);
}

}  // namespace

std::vector<TBatchFile> ApplyInPlace(const TPalette& palette, const TApplySettings& settings,
                                     const std::vector<TDrawingPath>& drawings,
                                     TBatchDialogs& dialogs) {
  std::vector<TBatchFile> files;
  const int total = static_cast<int>(drawings.size());
  bool going = true;
  for (int i = 0; i < total; ++i) {
    const std::filesystem::path& file = drawings[static_cast<size_t>(i)].File;
    going = going && dialogs.Progress(i, total, FromFsPath(file));
    TBatchFile entry{file, std::nullopt};
    if (going) {
      entry.Result = OffTheWindowThread(
          [&palette, &settings, &file] { return ApplyToDrawing(palette, settings, file, file); });
    }
    files.push_back(std::move(entry));
  }
  if (going) dialogs.Progress(total, total, QString());
  return files;
}

QString BatchSummary(const std::vector<TBatchFile>& files) {
  int saved = 0, unchanged = 0, skipped = 0, failed = 0, cancelled = 0;
  for (const TBatchFile& file : files) {
    if (!file.Result) {
      ++cancelled;
      continue;
    }
    switch (file.Result->Status) {
      case TApplyStatus::Saved:
        ++saved;
        break;
      case TApplyStatus::Unchanged:
      case TApplyStatus::WouldChange:
        ++unchanged;
        break;
      case TApplyStatus::Skipped:
        ++skipped;
        break;
      case TApplyStatus::Failed:
      case TApplyStatus::Busy:
      case TApplyStatus::WouldFail:
        ++failed;
        break;
    }
  }
  QString summary =
      QCoreApplication::translate("TBatchApply",
                                  "%1 個の図面ファイル：保存 %2、変更なし %3、スキップ %4、失敗 %5")
          .arg(files.size())
          .arg(saved)
          .arg(unchanged)
          .arg(skipped)
          .arg(failed);
  if (cancelled > 0)
    summary += QCoreApplication::translate("TBatchApply", "、中止で未処理 %1").arg(cancelled);
  return summary + QCoreApplication::translate("TBatchApply", "。");
}

QStringList BatchResultLines(const std::vector<TBatchFile>& files) {
  QStringList lines;
  for (const TBatchFile& file : files) lines.push_back(ResultLine(file));
  return lines;
}

}  // namespace pennatran
