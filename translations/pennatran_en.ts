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
</context>
<context>
    <name>TQtFileDialogs</name>
    <message>
        <source>Jw_cad 図面データ(*.jww)</source>
        <translation>Jw_cad drawings (*.jww)</translation>
    </message>
</context>
<context>
    <name>pennatran::TForm1</name>
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
</context>
</TS>
