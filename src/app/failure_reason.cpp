#include "app/failure_reason.h"

#include <QCoreApplication>

#include "app/app_folders.h"

namespace pennatran {
namespace {

// The sentence the user can act on when there is one, else what the system said.
QString SaveReason(const TDrawingFailure& failure) {
  const std::string sentence = SaveFailureText(failure.Save);
  if (sentence.empty()) return QString::fromStdString(failure.Detail);
  return QCoreApplication::translate("SaveFailure", sentence.c_str());
}

}  // namespace

QString FailureReason(const TDrawingFailure& failure) {
  const QString path = FromFsPath(failure.Path);
  switch (failure.Kind) {
    case TFailureKind::None:
      return {};
    case TFailureKind::NotADrawing:
      return QCoreApplication::translate("TFailureReason", "Jw_cad の図面ファイルではありません");
    case TFailureKind::NotReadCompletely:
      return QCoreApplication::translate("TFailureReason",
                                         "完全には読み込めませんでした（オフセット %1：%2）")
          .arg(failure.Load.Offset)
          .arg(QString::fromStdString(LoadErrorText(failure.Load)));
    case TFailureKind::ReadOnly:
      return QCoreApplication::translate("TFailureReason", "読み取り専用です");
    case TFailureKind::Busy:
      return QCoreApplication::translate("TFailureReason", "ほかの処理が使用中です");
    case TFailureKind::OutputFolder:
      return QCoreApplication::translate("TFailureReason", "保存先のフォルダ %1 を作れません（%2）")
          .arg(path, QString::fromStdString(failure.Detail));
    case TFailureKind::Backup:
      return QCoreApplication::translate("TFailureReason", "%1 を書き込めません（%2）")
          .arg(path, SaveReason(failure));
    case TFailureKind::NotRegular:
      return QCoreApplication::translate("TFailureReason", "通常のファイルではありません");
    case TFailureKind::DanglingLink:
      return QCoreApplication::translate("TFailureReason", "存在しないファイルへのリンクです");
    case TFailureKind::FolderUnreadable:
      return QCoreApplication::translate("TFailureReason", "検索できないフォルダです（%1）")
          .arg(QString::fromStdString(failure.Detail));
    case TFailureKind::Save:
      break;
  }
  return SaveReason(failure);
}

}  // namespace pennatran
