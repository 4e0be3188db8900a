// The words of the office jobs in the page, Japanese and English. Where the window says the
// same thing (its drop of many drawings, its progress and result lists) they are its words.
"use strict";

(() => {
  const japanese = {
    title: "フォルダーの図面",
    openFolder: "フォルダーを開く",
    audit: "照合",
    apply: "適用",
    backups: "上書き前のファイルを NAME.jww.bak として残す",
    cancel: "中止",
    drawingColumn: "図面ファイル",
    resultColumn: "結果",
    sourceColumn: "コピー元",
    folder: (name, count) => `「${name}」の図面ファイル ${count} 個`,
    noDrawings: "フォルダーに図面ファイル（*.jww）がありません。",
    noDroppedDrawings: "ドロップされたフォルダーに図面ファイル（*.jww）がありません。",
    noFolder: "先に図面ファイルのあるフォルダーを開いてください。",
    noSource: "先にコピー元の図面ファイルかパレットファイルを開いてください。",
    sourcePartly:
      "コピー元の図面は一部しか読み込めなかったため、複数の図面ファイルには適用できません。",
    matches: "一致",
    differ: (count) => `${count} 個の線色・線種が異なります`,
    unreadable: (reason) => `読み込めません（${reason}）`,
    auditSummary: (total, match, differ, unreadable) =>
      `図面 ${total} 件: 一致 ${match} 件、相違 ${differ} 件、読み込めない図面 ${unreadable} 件。`,
    colorSlot: (slot) => `線色 No.${slot}`,
    lineTypeSlot: (slot) => `線種 No.${slot}`,
    auditing: (done, total, name) => `図面ファイルを照合しています（${done} / ${total}）\n${name}`,
    applying: (done, total, name) => `図面ファイルに適用しています（${done} / ${total}）\n${name}`,
    reasons: {
      "not-a-drawing": () => "Jw_cad の図面ファイルではありません",
      "not-read-completely": (f) => `完全には読み込めませんでした（オフセット ${f.offset}：${f.detail}）`,
      "read-only": () => "読み取り専用です",
      busy: () => "ほかの処理が使用中です",
      backup: (f) => `${f.path} を書き込めません（${f.detail}）`,
      save: (f) => `保存できませんでした（${f.detail}）`,
      other: (f) => f.detail,
    },
    saved: (path, count) => `保存しました：${path}（${count} 個の線色・線種を変更）`,
    wouldChange: (path, count) => `変更します：${path}（${count} 個の線色・線種）`,
    unchanged: (path) => `変更なし：${path}`,
    skipped: (path, reason) => `読み込めないためスキップしました：${path}（${reason}）`,
    failed: (path, reason) => `保存できませんでした：${path}（${reason}）`,
    wouldFail: (path, reason) => `保存できません：${path}（${reason}）`,
    cancelled: (path) => `中止したため未処理：${path}`,
    summary: (total, saved, unchanged, skipped, failed) =>
      `${total} 個の図面ファイル：保存 ${saved}、変更なし ${unchanged}、スキップ ${skipped}、失敗 ${failed}`,
    dryRunSummary: (total, change, unchanged, skipped, failed) =>
      `${total} 個の図面ファイル：変更 ${change}、変更なし ${unchanged}、スキップ ${skipped}、失敗 ${failed}`,
    summaryCancelled: (count) => `、中止で未処理 ${count}`,
    fullStop: "。",
    applyInPlace: (count, backups) =>
      `${count} 個の図面ファイルをその場で上書き保存します${backups ? "（元の内容は NAME.jww.bak に残します）" : ""}。よろしいですか？`,
    applyAsZip: (count) =>
      `変更する ${count} 個の図面ファイルを、フォルダー内の場所のまま 1 つの zip ファイルにしてダウンロードします。よろしいですか？`,
    nothingToChange: "変更する図面ファイルはありません。",
    allSlots: "コピー元のすべての線色と線種",
    selectedSlots: "コピー元で選択した線色と線種",
    dropQuestion: (what, slots, count) =>
      `${what}（${slots} 個）を ${count} 個の図面ファイルに適用します。各ファイルはその場で上書き保存されます。よろしいですか？`,
    dropQuestionZip: (what, slots, count) =>
      `${what}（${slots} 個）を ${count} 個の図面ファイルに適用し、変更した図面ファイルを 1 つの zip ファイルにしてダウンロードします。よろしいですか？`,
    zipped: (name) => `変更した図面ファイルを「${name}」としてダウンロードしました。`,
    cannotRead: "ファイルを読み込めませんでした",
  };

  const english = {
    title: "Drawings in a folder",
    openFolder: "Open a folder",
    audit: "Audit",
    apply: "Apply",
    backups: "Keep each file's previous content as NAME.jww.bak",
    cancel: "Cancel",
    drawingColumn: "Drawing",
    resultColumn: "Result",
    sourceColumn: "Source",
    folder: (name, count) => `${count} drawing files in "${name}"`,
    noDrawings: "The folder holds no drawing files (*.jww).",
    noDroppedDrawings: "The dropped folders hold no drawing files (*.jww).",
    noFolder: "Open a folder of drawings first.",
    noSource: "Open a source drawing or palette file first.",
    sourcePartly:
      "The source drawing was read only in part, so it cannot be applied to many drawing files at once.",
    matches: "matches",
    differ: (count) => (count === 1 ? "1 slot differs" : `${count} slots differ`),
    unreadable: (reason) => `cannot be read (${reason})`,
    auditSummary: (total, match, differ, unreadable) =>
      `${total} drawings: ${match} match, ${differ} differ, ${unreadable} cannot be read.`,
    colorSlot: (slot) => `colour No.${slot}`,
    lineTypeSlot: (slot) => `line type No.${slot}`,
    auditing: (done, total, name) => `Auditing the drawing files (${done} / ${total})\n${name}`,
    applying: (done, total, name) => `Applying to the drawing files (${done} / ${total})\n${name}`,
    reasons: {
      "not-a-drawing": () => "not a Jw_cad drawing",
      "not-read-completely": (f) => `not read completely (offset ${f.offset}: ${f.detail})`,
      "read-only": () => "the file is read-only",
      busy: () => "another run kept it locked",
      backup: (f) => `cannot write ${f.path} (${f.detail})`,
      save: (f) => `save failed (${f.detail})`,
      other: (f) => f.detail,
    },
    saved: (path, count) => `Saved: ${path} (${count} colours and line types changed)`,
    wouldChange: (path, count) => `Would change: ${path} (${count} colours and line types)`,
    unchanged: (path) => `Unchanged: ${path}`,
    skipped: (path, reason) => `Skipped, cannot be read: ${path} (${reason})`,
    failed: (path, reason) => `Could not be saved: ${path} (${reason})`,
    wouldFail: (path, reason) => `Could not be saved: ${path} (${reason})`,
    cancelled: (path) => `Not done, cancelled: ${path}`,
    summary: (total, saved, unchanged, skipped, failed) =>
      `${total} drawing files: ${saved} saved, ${unchanged} unchanged, ${skipped} skipped, ${failed} failed`,
    dryRunSummary: (total, change, unchanged, skipped, failed) =>
      `${total} drawing files: ${change} would change, ${unchanged} unchanged, ${skipped} skipped, ${failed} failed`,
    summaryCancelled: (count) => `, ${count} not done (cancelled)`,
    fullStop: ".",
    applyInPlace: (count, backups) =>
      `${count} drawing files will be saved over in place${backups ? " (their previous content kept as NAME.jww.bak)" : ""}. Go ahead?`,
    applyAsZip: (count) =>
      `The ${count} drawing files that change will be downloaded as one zip file, each at its place in the folder. Go ahead?`,
    nothingToChange: "No drawing file needs changing.",
    allSlots: "All colours and line types of the source",
    selectedSlots: "The colours and line types selected in the source",
    dropQuestion: (what, slots, count) =>
      `${what} (${slots}) will be put into ${count} drawing files. Each file is saved over in place. Go ahead?`,
    dropQuestionZip: (what, slots, count) =>
      `${what} (${slots}) will be put into ${count} drawing files, and those that change downloaded as one zip file. Go ahead?`,
    zipped: (name) => `The changed drawing files were downloaded as "${name}".`,
    cannotRead: "the file could not be read",
  };

  PennatranTexts.japanese.office = japanese;
  PennatranTexts.english.office = english;
})();
