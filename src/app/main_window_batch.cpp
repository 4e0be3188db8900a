// Several drawings, or a folder, dropped on the destination half: the source's selected
// slots (all it offers when none is selected) go into every one of them, replaced in place.
// The destination half itself is left as it is.
#include <QFileInfo>
#include <QListWidget>
#include <algorithm>

#include "app/batch_apply.h"
#include "app/caption_panel.h"
#include "app/main_window.h"

namespace pennatran {

void MainWindow::ApplyToDroppedDrawings(const QStringList& paths) {
  if (!IsOpen(Source)) {
    Env.Messages->Information(tr("先にコピー元の図面ファイルかパレットファイルを開いてください。"));
    return;
  }
  // A partly read source may hold slots the damage left at their defaults; copying those
  // into one open destination can be checked before saving, into many drawings it cannot.
  if (!Source.Session->Complete()) {
    Env.Messages->Information(
        tr("コピー元の図面は一部しか読み込めなかったため、複数の図面ファイルには適用できません。"));
    return;
  }
  std::vector<std::filesystem::path> named;
  for (const QString& path : paths) named.push_back(ToFsPath(path));
  std::vector<TDrawingPath> drawings;
  std::string error;
  if (!CollectDrawings(named, drawings, error)) {
    Env.Messages->Information(tr("ドロップされたファイルを調べられませんでした。\n%1")
                                  .arg(QString::fromStdString(error)));
    return;
  }
  // What cannot be opened as a drawing (a pipe, a link to nothing, a folder that cannot
  // be read) is left out: the window names only the files it worked on.
  std::erase_if(drawings, [](const TDrawingPath& d) { return d.Problem != TDrawingProblem::None; });
  if (drawings.empty()) {
    Env.Messages->Information(tr("ドロップされたフォルダーに図面ファイル（*.jww）がありません。"));
    return;
  }

  // A copy: the dialogs of the run let the source be opened again meanwhile.
  const TPalette palette = Source.Session->Palette();
  TApplySettings settings;
  settings.Slots.Colors = SelectedListSlots(Source.ColorList);
  settings.Slots.LineTypes = SelectedListSlots(Source.LineTypeList);
  const bool all = settings.Slots.Empty();
  if (all) settings.Slots = palette.Held;
  const QString what =
      all ? tr("コピー元のすべての線色と線種") : tr("コピー元で選択した線色と線種");
  const QString question =
      tr("%1（%2 個）を %3 個の図面ファイルに適用します。各ファイルはその場で上書き保存されます。"
         "よろしいですか？")
          .arg(what)
          .arg(settings.Slots.Size())
          .arg(drawings.size());
  if (!Env.Messages->Question(question)) return;

  const std::vector<TBatchFile> files =
      ApplyInPlace(palette, settings, drawings, *Env.BatchDialogs);
  QString summary = BatchSummary(files);
  const QFileInfo shown(Destination.PathPanel->Caption());
  const auto savedShown = [&](const TBatchFile& file) {
    return file.Result && file.Result->Status == TApplyStatus::Saved &&
           QFileInfo(FromFsPath(file.File)) == shown;
  };
  if (IsOpen(Destination) && std::any_of(files.begin(), files.end(), savedShown)) {
    summary +=
        QStringLiteral("\n") +
        tr("コピー先に開いている図面の表示は元のままです。開き直すと保存した内容が表示されます。");
  }
  Env.BatchDialogs->Results(summary, BatchResultLines(files));
}

}  // namespace pennatran
