<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>SaveFailure</name>
    <message>
        <source>保存先は読み取り専用です。</source>
        <translation>The save location is read-only.</translation>
    </message>
    <message>
        <source>保存先に書き込む権限がありません。</source>
        <translation>You have no permission to write to the save location.</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません。</source>
        <translation>There is not enough free space on the disk.</translation>
    </message>
    <message>
        <source>保存先のフォルダがありません。</source>
        <translation>The folder to save to does not exist.</translation>
    </message>
    <message>
        <source>保存先の図面ファイルはほかの処理が使用中です。</source>
        <translation>Another run is using the drawing file.</translation>
    </message>
    <message>
        <source>保存先の図面ファイルは読み込んだ後にほかで書き換えられています。</source>
        <translation>The drawing file was written elsewhere after it was read.</translation>
    </message>
</context>
<context>
    <name>TBatchApply</name>
    <message>
        <source>中止したため未処理：%1</source>
        <translation>Not done, cancelled: %1</translation>
    </message>
    <message>
        <source>保存しました：%1（%2 個の線色・線種を変更）</source>
        <translation>Saved: %1 (%2 colours and line types changed)</translation>
    </message>
    <message>
        <source>変更なし：%1</source>
        <translation>Unchanged: %1</translation>
    </message>
    <message>
        <source>読み込めないためスキップしました：%1（%2）</source>
        <translation>Skipped, cannot be read: %1 (%2)</translation>
    </message>
    <message>
        <source>保存できませんでした：%1（%2）</source>
        <translation>Could not be saved: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 個の図面ファイル：保存 %2、変更なし %3、スキップ %4、失敗 %5</source>
        <translation>%1 drawing files: %2 saved, %3 unchanged, %4 skipped, %5 failed</translation>
    </message>
    <message>
        <source>、中止で未処理 %1</source>
        <translation>, %1 not done (cancelled)</translation>
    </message>
    <message>
        <source>。</source>
        <translation>.</translation>
    </message>
    <message>
        <source>使用中のため変更しませんでした：%1（%2）</source>
        <translation>Left alone, in use: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TBatchDialogs</name>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>図面ファイルに適用しています（%1 / %2）
%3</source>
        <translation>Applying to the drawing files (%1 / %2)
%3</translation>
    </message>
</context>
<context>
    <name>TFailureReason</name>
    <message>
        <source>Jw_cad の図面ファイルではありません</source>
        <translation>not a Jw_cad drawing</translation>
    </message>
    <message>
        <source>完全には読み込めませんでした（オフセット %1：%2）</source>
        <translation>not read completely (offset %1: %2)</translation>
    </message>
    <message>
        <source>読み取り専用です</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>ほかの処理が使用中です</source>
        <translation>another run kept it locked</translation>
    </message>
    <message>
        <source>保存先のフォルダ %1 を作れません（%2）</source>
        <translation>cannot make its output folder %1 (%2)</translation>
    </message>
    <message>
        <source>%1 を書き込めません（%2）</source>
        <translation>cannot write %1 (%2)</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>存在しないファイルへのリンクです</source>
        <translation>a link to a file that does not exist</translation>
    </message>
    <message>
        <source>検索できないフォルダです（%1）</source>
        <translation>a folder that cannot be searched (%1)</translation>
    </message>
</context>
<context>
    <name>TQtFileDialogs</name>
    <message>
        <source>Jw_cad 図面データ(*.jww)</source>
        <translation>Jw_cad drawings (*.jww)</translation>
    </message>
    <message>
        <source>パレットファイル(*.json)</source>
        <translation>Palette files (*.json)</translation>
    </message>
</context>
<context>
    <name>WindowHelp</name>
    <message>
        <source>使い方: pennatran [コピー先]
        pennatran コピー元 コピー先
Jw_cad の図面（.jww）の間で、SXF対応拡張ユーザー線色と線種をウィンドウでコピーします。

  コピー元     コピー元の図面ファイルかパレットファイル。左半分に開きます。
  コピー先     コピー先の図面ファイル。右半分に開きます。ファイルが一つだけのときは
               コピー先として開きます。
  --help       この説明を表示して終了します。
  --version    版を表示して終了します。

書き出し、適用、比較、点検は pennatran-cli で行います（pennatran-cli --help）。
</source>
        <translation>Usage: pennatran [DESTINATION]
       pennatran SOURCE DESTINATION
Copies the SXF user colours and line types between Jw_cad drawings (.jww) in a window.

  SOURCE       the source drawing, or a palette file; opens in the left half.
  DESTINATION  the destination drawing; opens in the right half. A single file
               opens as the destination.
  --help       print this help and exit.
  --version    print the version and exit.

Export, apply, diff and audit are done with pennatran-cli (pennatran-cli --help).
</translation>
    </message>
</context>
<context>
    <name>pennatran::MainWindow</name>
    <message>
        <source>コピー元ファイルを開いていません</source>
        <translation>No source drawing is open</translation>
    </message>
    <message>
        <source>コピー先ファイルを開いていません</source>
        <translation>No destination drawing is open</translation>
    </message>
    <message>
        <source>図面ファイル「%1」を保存しました。</source>
        <translation>Saved the drawing file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>図面ファイル「%1」の保存に失敗しました。</source>
        <translation>Could not save the drawing file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>図面ファイル「%1」を最後まで読み込めませんでした。読み込めた部分だけを表示しています。</source>
        <translation>The drawing file &quot;%1&quot; could not be read to its end. Only the part that was read is shown.</translation>
    </message>
    <message>
        <source>「%1」は Jw_cad の図面ファイルではありません。</source>
        <translation>&quot;%1&quot; is not a Jw_cad drawing file.</translation>
    </message>
    <message>
        <source>図面ファイル「%1」はブロックの配置が多すぎるか入れ子が深すぎるため、プレビューには配置の一部だけを表示しています。</source>
        <translation>The drawing file &quot;%1&quot; places too many blocks or nests them too deeply, so the preview shows only some of the placements.</translation>
    </message>
    <message>
        <source>コピー先ファイルは最後まで読み込めていません。このまま保存すると、読み込めなかった部分は失われます。保存しますか？</source>
        <translation>The destination drawing was not read to its end. Saving it now loses the part that could not be read. Save it anyway?</translation>
    </message>
    <message>
        <source>コピー先にコピーした内容が保存されていません。保存しますか？</source>
        <translation>The copies into the destination have not been saved. Save them?</translation>
    </message>
    <message>
        <source>コピー元</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>コピー先</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>SXF対応拡張ユーザー線色</source>
        <translation>SXF user colours</translation>
    </message>
    <message>
        <source>SXF対応拡張ユーザー線種</source>
        <translation>SXF user line types</translation>
    </message>
    <message>
        <source>コピー先ファイルを保存 (&amp;S)</source>
        <translation>&amp;Save destination</translation>
    </message>
    <message>
        <source>終了 (&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>画面線色：</source>
        <translation>Screen: </translation>
    </message>
    <message>
        <source>印刷線色：</source>
        <translation>Print: </translation>
    </message>
    <message>
        <source>先にコピー元の図面ファイルかパレットファイルを開いてください。</source>
        <translation>Open a source drawing or palette file first.</translation>
    </message>
    <message>
        <source>ドロップされたファイルを調べられませんでした。
%1</source>
        <translation>The dropped files could not be looked through.
%1</translation>
    </message>
    <message>
        <source>ドロップされたフォルダーに図面ファイル（*.jww）がありません。</source>
        <translation>The dropped folders hold no drawing files (*.jww).</translation>
    </message>
    <message>
        <source>コピー元のすべての線色と線種</source>
        <translation>All colours and line types of the source</translation>
    </message>
    <message>
        <source>コピー元で選択した線色と線種</source>
        <translation>The colours and line types selected in the source</translation>
    </message>
    <message>
        <source>%1（%2 個）を %3 個の図面ファイルに適用します。各ファイルはその場で上書き保存されます。よろしいですか？</source>
        <translation>%1 (%2) will be put into %3 drawing files. Each file is saved over in place. Go ahead?</translation>
    </message>
    <message>
        <source>コピー先に開いている図面の表示は元のままです。開き直すと保存した内容が表示されます。</source>
        <translation>The drawing open as the destination still shows what it showed before; open it again to see what was saved.</translation>
    </message>
    <message>
        <source>「%1」はパレットファイルです。パレットファイルはコピー元にだけ開けます（コピー先は図面として保存するため、図面ファイルを開いてください）。</source>
        <translation>&quot;%1&quot; is a palette file. A palette file opens only as the source (the destination is saved as a drawing, so open a drawing file there).</translation>
    </message>
    <message>
        <source>パレットファイルを開けませんでした。
%1</source>
        <translation>The palette file could not be opened.
%1</translation>
    </message>
    <message>
        <source>コピー元の図面は一部しか読み込めなかったため、複数の図面ファイルには適用できません。</source>
        <translation>The source drawing was read only in part, so it cannot be applied to many drawing files at once.</translation>
    </message>
    <message>
        <source>幅:</source>
        <translation>width:</translation>
    </message>
    <message>
        <source>点半径:</source>
        <translation>point radius:</translation>
    </message>
    <message>
        <source>「%1」を開けません</source>
        <translation>Cannot open &quot;%1&quot;</translation>
    </message>
    <message>
        <source>「%1」はパレットファイルとしては大きすぎます</source>
        <translation>&quot;%1&quot; is too large for a palette file</translation>
    </message>
    <message>
        <source>「%1」：%2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>図面ファイル「%1」は、このウィンドウで読み込んだ後にほかで書き換えられています。
再読み込みすると、このウィンドウでコピーした内容は破棄されます。上書きすると、ほかで書き換えた内容は失われます。</source>
        <translation>The drawing file &quot;%1&quot; was written elsewhere after this window read it.
Reload drops the copies made in this window; Overwrite loses what was written elsewhere.</translation>
    </message>
    <message>
        <source>再読み込み</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>上書き</source>
        <translation>Overwrite</translation>
    </message>
</context>
</TS>
