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
    openFailed: (path) => `「${path}」を開けませんでした。`,
    placementsCut: (path) =>
      `図面ファイル「${path}」はブロックの配置が多すぎるか入れ子が深すぎるため、プレビューには配置の一部だけを表示しています。`,
    saveIncomplete:
      "コピー先ファイルは最後まで読み込めていません。このまま保存すると、読み込めなかった部分は失われます。保存しますか？",
    unsavedCopies: "コピー先にコピーした内容が保存されていません。保存しますか？",
    paletteRefused: (error) => `パレットファイルを開けませんでした。\n${error}`,
    paletteOnDestination: (path) =>
      `「${path}」はパレットファイルです。パレットファイルはコピー元にだけ開けます（コピー先は図面として保存するため、図面ファイルを開いてください）。`,
    coreFailed: "Pennatran を起動できませんでした。",
    // The words a colour list line puts before its numbers, as the window's.
    colorLabels: { width: "幅:", pointRadius: "点半径:" },
    // Why a palette file is refused: the core's English patterns in the command line's
    // Japanese, %1, %2, ... kept.
    paletteFileWords: {
      "not valid JSON (%1)":
        "JSON として正しくありません（%1）",
      "not valid JSON (a NUL byte)":
        "JSON として正しくありません（NUL バイトがあります）",
      "nested deeper than %1 levels":
        "入れ子が %1 段より深くなっています",
      "the field appears twice":
        "同じ項目が二度あります",
      "a palette file holds one JSON object":
        "パレットファイルは JSON のオブジェクト一つです",
      "the field \"%1\" is missing":
        "項目「%1」がありません",
      "is not a field of a palette file":
        "パレットファイルの項目ではありません",
      "must be a whole number from %1 to %2":
        "%1 から %2 までの整数でなければなりません",
      "%1 lies outside %2..%3":
        "%1 は %2..%3 の範囲外です",
      "must be a number (or \"NaN\", \"Infinity\", \"-Infinity\")":
        "数値（または「NaN」「Infinity」「-Infinity」）でなければなりません",
      "must hold hexadecimal digits only":
        "16 進数字だけでなければなりません",
      "must hold an even number of hexadecimal digits":
        "16 進数字が偶数個でなければなりません",
      "must hold a multiple of four hexadecimal digits":
        "16 進数字が 4 の倍数個でなければなりません",
      "must be text of hexadecimal digits":
        "16 進数字の文字列でなければなりません",
      "must be text":
        "文字列でなければなりません",
      "goes without \"%1\"":
        "「%1」と同時には指定できません",
      "must be text such as \"#RRGGBB\"":
        "「#RRGGBB」のような文字列でなければなりません",
      "\"%1\" is not \"#RRGGBB\"":
        "「%1」は「#RRGGBB」の形ではありません",
      "\"%1\" does not agree with %2 %3 (%4)":
        "「%1」は %2 の %3（%4）と一致しません",
      "must be an array":
        "配列でなければなりません",
      "must be an object":
        "オブジェクトでなければなりません",
      "slot %1 is listed twice":
        "スロット %1 が二度あります",
      "must be \"%1\"":
        "「%1」でなければなりません",
      "this version is not understood (this program reads version %1)":
        "このバージョンは読めません（このプログラムが読めるのはバージョン %1 です）",
      "version %1 is not understood (this program reads version %2)":
        "バージョン %1 は読めません（このプログラムが読めるのはバージョン %2 です）",
      "must be an array of 10 numbers":
        "10 個の数値の配列でなければなりません",
      "line %1, column %2":
        "%1 行 %2 列",
      "the top level":
        "最上位",
      "%1: %2":
        "%1: %2",
    },
  };

  // The window's English texts.
  const english = {
    sourceTitle: "Source",
    destinationTitle: "Destination",
    browse: "Browse",
    colorsTitle: "SXF user colours",
    lineTypesTitle: "SXF user line types",
    all: "All",
    copy: "⇒",
    save: "<u>S</u>ave destination",
    exportPalette: "Export palette file",
    screenColor: "Screen: ",
    printColor: "Print: ",
    yes: "Yes",
    no: "No",
    cancel: "Cancel",
    dropHint: "Drop a drawing here or open one with Browse",
    loading: "Loading…",
    sourcePreview: "Preview of the source",
    destinationPreview: "Preview of the destination",
    noSource: "No source drawing is open",
    noDestination: "No destination drawing is open",
    saved: (path) => `Saved the drawing file "${path}".`,
    saveFailed: (path) => `Could not save the drawing file "${path}".`,
    readPartly: (path) =>
      `The drawing file "${path}" could not be read to its end. Only the part that was read is shown.`,
    notADrawing: (path) => `"${path}" is not a Jw_cad drawing file.`,
    openFailed: (path) => `"${path}" could not be opened.`,
    placementsCut: (path) =>
      `The drawing file "${path}" places too many blocks or nests them too deeply, so the preview shows only some of the placements.`,
    saveIncomplete:
      "The destination drawing was not read to its end. Saving it now loses the part that could not be read. Save it anyway?",
    unsavedCopies: "The copies into the destination have not been saved. Save them?",
    paletteRefused: (error) => `The palette file could not be opened.\n${error}`,
    paletteOnDestination: (path) =>
      `"${path}" is a palette file. A palette file opens only as the source (the destination is saved as a drawing, so open a drawing file there).`,
    coreFailed: "Pennatran could not start.",
    colorLabels: { width: "width:", pointRadius: "point radius:" },
    // The core words palette files in English already.
    paletteFileWords: {},
  };

  // Japanese for a browser whose first language is Japanese.
  function choose(language) {
    return /^ja\b/i.test(language || "") ? japanese : english;
  }

  return { japanese, english, choose };
})();
