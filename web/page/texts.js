// The page's texts: the window's Japanese ones, and English for browsers set to any other
// language.
"use strict";

const PennatranTexts = (() => {
  const japanese = {
    sourceTitle: "コピー元",
    destinationTitle: "コピー先",
    browse: "参照",
    colorsTitle: "SXF対応拡張ユーザー線色",
    lineTypesTitle: "SXF対応拡張ユーザー線種",
    all: "All",
    copy: "⇒",
    save: "コピー先ファイルを保存 (<u>S</u>)",
    exportPalette: "パレットファイルを書き出す",
    screenColor: "画面線色：",
    printColor: "印刷線色：",
    yes: "はい",
    no: "いいえ",
    cancel: "キャンセル",
    dropHint: "図面ファイルをここにドロップするか「参照」で開きます",
    loading: "読み込み中…",
    sourcePreview: "コピー元のプレビュー",
    destinationPreview: "コピー先のプレビュー",
    noSource: "コピー元ファイルを開いていません",
    noDestination: "コピー先ファイルを開いていません",
    saved: (path) => `図面ファイル「${path}」を保存しました。`,
    saveFailed: (path) => `図面ファイル「${path}」の保存に失敗しました。`,
    readPartly: (path) =>
      `図面ファイル「${path}」を最後まで読み込めませんでした。読み込めた部分だけを表示しています。`,
    notADrawing: (path) => `「${path}」は Jw_cad の図面ファイルではありません。`,
    placementsCut: (path) =>
      `図面ファイル「${path}」はブロックの配置が多すぎるか入れ子が深すぎるため、プレビューには配置の一部だけを表示しています。`,
    saveIncomplete:
      "コピー先ファイルは最後まで読み込めていません。このまま保存すると、読み込めなかった部分は失われます。保存しますか？",
    unsavedCopies: "コピー先にコピーした内容が保存されていません。保存しますか？",
    paletteRefused: (path, error) => `パレットファイル「${path}」を読み込めませんでした。\n${error}`,
    coreFailed: "Pennatran を起動できませんでした。",
  };

  const english = {
    sourceTitle: "Source",
    destinationTitle: "Destination",
    browse: "Browse",
    colorsTitle: "SXF extended user line colours",
    lineTypesTitle: "SXF extended user line types",
    all: "All",
    copy: "⇒",
    save: "<u>S</u>ave destination file",
    exportPalette: "Export palette file",
    screenColor: "Screen colour: ",
    printColor: "Print colour: ",
    yes: "Yes",
    no: "No",
    cancel: "Cancel",
    dropHint: "Drop a drawing here or open one with Browse",
    loading: "Loading…",
    sourcePreview: "Preview of the source",
    destinationPreview: "Preview of the destination",
    noSource: "No source file is open.",
    noDestination: "No destination file is open.",
    saved: (path) => `Saved the drawing "${path}".`,
    saveFailed: (path) => `Could not save the drawing "${path}".`,
    readPartly: (path) =>
      `The drawing "${path}" could not be read to its end. Only the part that was read is shown.`,
    notADrawing: (path) => `"${path}" is not a Jw_cad drawing file.`,
    placementsCut: (path) =>
      `The drawing "${path}" places too many blocks or nests them too deeply; the preview shows only some of the placements.`,
    saveIncomplete:
      "The destination file was not read to its end. Saving it now loses the part that was not read. Save it?",
    unsavedCopies: "The copies made to the destination have not been saved. Save them?",
    paletteRefused: (path, error) => `Could not read the palette file "${path}".\n${error}`,
    coreFailed: "Pennatran could not start.",
  };

  // Japanese for a browser whose first language is Japanese.
  function choose(language) {
    return /^ja\b/i.test(language || "") ? japanese : english;
  }

  return { japanese, english, choose };
})();
