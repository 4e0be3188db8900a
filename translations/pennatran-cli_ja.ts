<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>LoadError</name>
    <message>
        <source>line</source>
        <translation>線</translation>
    </message>
    <message>
        <source>arc</source>
        <translation>円弧</translation>
    </message>
    <message>
        <source>point</source>
        <translation>点</translation>
    </message>
    <message>
        <source>text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>dimension</source>
        <translation>寸法</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>ソリッド</translation>
    </message>
    <message>
        <source>block insert</source>
        <translation>ブロック挿入</translation>
    </message>
    <message>
        <source>inside the header</source>
        <translation>ヘッダーの途中</translation>
    </message>
    <message>
        <source>reading the entity count</source>
        <translation>要素数の読み込み中</translation>
    </message>
    <message>
        <source>reading the tag of entity %1</source>
        <translation>要素 %1 のタグの読み込み中</translation>
    </message>
    <message>
        <source>reading the tag of entity %1 of block definition %2</source>
        <translation>ブロック定義 %2 の要素 %1 のタグの読み込み中</translation>
    </message>
    <message>
        <source>inside entity %1 (%2)</source>
        <translation>要素 %1（%2）の途中</translation>
    </message>
    <message>
        <source>inside entity %1 (%2) of block definition %3</source>
        <translation>ブロック定義 %3 の要素 %1（%2）の途中</translation>
    </message>
    <message>
        <source>reading the block definition count</source>
        <translation>ブロック定義数の読み込み中</translation>
    </message>
    <message>
        <source>inside block definition %1</source>
        <translation>ブロック定義 %1 の途中</translation>
    </message>
    <message>
        <source>reading the image count</source>
        <translation>画像数の読み込み中</translation>
    </message>
    <message>
        <source>inside image %1</source>
        <translation>画像 %1 の途中</translation>
    </message>
    <message>
        <source>not a Jw_cad drawing: it does not begin with &quot;JwwData.&quot;</source>
        <translation>Jw_cad の図面ではありません（先頭が「JwwData.」ではありません）</translation>
    </message>
    <message>
        <source>version %1 is older than the oldest readable version %2</source>
        <translation>バージョン %1 は読み込める最も古いバージョン %2 より古いものです</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>cannot read the file</source>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message>
        <source>end of file</source>
        <translation>ファイルが途中で終わっています</translation>
    </message>
    <message>
        <source>end of file %1</source>
        <translation>%1でファイルが終わっています</translation>
    </message>
    <message>
        <source>out of memory keeping the image &quot;%1&quot;</source>
        <translation>画像「%1」を保持するメモリが足りません</translation>
    </message>
    <message>
        <source>out of memory keeping the image &quot;%1&quot; %2</source>
        <translation>%2で画像「%1」を保持するメモリが足りません</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>メモリが足りません</translation>
    </message>
</context>
<context>
    <name>PaletteFile</name>
    <message>
        <source>not valid JSON (%1)</source>
        <translation>JSON として正しくありません（%1）</translation>
    </message>
    <message>
        <source>not valid JSON (a NUL byte)</source>
        <translation>JSON として正しくありません（NUL バイトがあります）</translation>
    </message>
    <message>
        <source>nested deeper than %1 levels</source>
        <translation>入れ子が %1 段より深くなっています</translation>
    </message>
    <message>
        <source>the field appears twice</source>
        <translation>同じ項目が二度あります</translation>
    </message>
    <message>
        <source>a palette file holds one JSON object</source>
        <translation>パレットファイルは JSON のオブジェクト一つです</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>項目「%1」がありません</translation>
    </message>
    <message>
        <source>is not a field of a palette file</source>
        <translation>パレットファイルの項目ではありません</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>%1 から %2 までの整数でなければなりません</translation>
    </message>
    <message>
        <source>%1 lies outside %2..%3</source>
        <translation>%1 は %2..%3 の範囲外です</translation>
    </message>
    <message>
        <source>must be a number (or &quot;NaN&quot;, &quot;Infinity&quot;, &quot;-Infinity&quot;)</source>
        <translation>数値（または「NaN」「Infinity」「-Infinity」）でなければなりません</translation>
    </message>
    <message>
        <source>must hold hexadecimal digits only</source>
        <translation>16 進数字だけでなければなりません</translation>
    </message>
    <message>
        <source>must hold an even number of hexadecimal digits</source>
        <translation>16 進数字が偶数個でなければなりません</translation>
    </message>
    <message>
        <source>must hold a multiple of four hexadecimal digits</source>
        <translation>16 進数字が 4 の倍数個でなければなりません</translation>
    </message>
    <message>
        <source>must be text of hexadecimal digits</source>
        <translation>16 進数字の文字列でなければなりません</translation>
    </message>
    <message>
        <source>must be text</source>
        <translation>文字列でなければなりません</translation>
    </message>
    <message>
        <source>goes without &quot;%1&quot;</source>
        <translation>「%1」と同時には指定できません</translation>
    </message>
    <message>
        <source>must be text such as &quot;#RRGGBB&quot;</source>
        <translation>「#RRGGBB」のような文字列でなければなりません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not &quot;#RRGGBB&quot;</source>
        <translation>「%1」は「#RRGGBB」の形ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not agree with %2 %3 (%4)</source>
        <translation>「%1」は %2 の %3（%4）と一致しません</translation>
    </message>
    <message>
        <source>must be an array</source>
        <translation>配列でなければなりません</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>オブジェクトでなければなりません</translation>
    </message>
    <message>
        <source>slot %1 is listed twice</source>
        <translation>スロット %1 が二度あります</translation>
    </message>
    <message>
        <source>must be &quot;%1&quot;</source>
        <translation>「%1」でなければなりません</translation>
    </message>
    <message>
        <source>this version is not understood (this program reads version %1)</source>
        <translation>このバージョンは読めません（このプログラムが読めるのはバージョン %1 です）</translation>
    </message>
    <message>
        <source>version %1 is not understood (this program reads version %2)</source>
        <translation>バージョン %1 は読めません（このプログラムが読めるのはバージョン %2 です）</translation>
    </message>
    <message>
        <source>must be an array of 10 numbers</source>
        <translation>10 個の数値の配列でなければなりません</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>%1 行 %2 列</translation>
    </message>
    <message>
        <source>the top level</source>
        <translation>最上位</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>保存先は読み取り専用です。</source>
        <translation>保存先は読み取り専用です。</translation>
    </message>
    <message>
        <source>保存先に書き込む権限がありません。</source>
        <translation>保存先に書き込む権限がありません。</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません。</source>
        <translation>ディスクの空き容量が足りません。</translation>
    </message>
    <message>
        <source>保存先のフォルダがありません。</source>
        <translation>保存先のフォルダがありません。</translation>
    </message>
    <message>
        <source>保存先の図面ファイルはほかの処理が使用中です。</source>
        <translation>保存先の図面ファイルはほかの処理が使用中です。</translation>
    </message>
    <message>
        <source>保存先の図面ファイルは読み込んだ後にほかで書き換えられています。</source>
        <translation>保存先の図面ファイルは読み込んだ後にほかで書き換えられています。</translation>
    </message>
</context>
<context>
    <name>apply</name>
    <message>
        <source>apply takes --in-place or --out-dir, not both.</source>
        <translation>apply には --in-place と --out-dir のどちらか一方だけを指定してください。</translation>
    </message>
    <message>
        <source>apply needs --in-place or --out-dir DIR (or --dry-run).</source>
        <translation>apply には --in-place か --out-dir DIR（または --dry-run）が必要です。</translation>
    </message>
    <message>
        <source>--backup goes with --in-place.</source>
        <translation>--backup は --in-place と一緒に指定してください。</translation>
    </message>
    <message>
        <source>%1 / %2 drawings, %3 failed</source>
        <translation>図面 %1 / %2 件、失敗 %3 件</translation>
    </message>
    <message>
        <source>%1 drawings: %2 saved, %3 unchanged, %4 would change, %5 skipped, %6 failed.</source>
        <translation>図面 %1 件: 保存 %2 件、変更なし %3 件、変更あり（未保存）%4 件、スキップ %5 件、失敗 %6 件。</translation>
    </message>
</context>
<context>
    <name>audit</name>
    <message>
        <source>%1 drawings: %2 match, %3 differ, %4 cannot be read.</source>
        <translation>図面 %1 件: 一致 %2 件、相違 %3 件、読み込めない図面 %4 件。</translation>
    </message>
</context>
<context>
    <name>copy</name>
    <message>
        <source>図面ファイル「%1」の保存に失敗しました。%2</source>
        <translation>図面ファイル「%1」の保存に失敗しました。%2</translation>
    </message>
    <message>
        <source>copy needs --colors or --linetypes (or both), e.g. --colors all.</source>
        <translation>copy には --colors か --linetypes（または両方）が必要です。例: --colors all</translation>
    </message>
    <message>
        <source>図面ファイル「%1」を保存しました。</source>
        <translation>図面ファイル「%1」を保存しました。</translation>
    </message>
</context>
<context>
    <name>drawing</name>
    <message>
        <source>&quot;%1&quot; is a folder, not a drawing file.</source>
        <translation>「%1」はフォルダです。図面ファイルではありません。</translation>
    </message>
    <message>
        <source>cannot open the file &quot;%1&quot; for reading: it is not a regular file.</source>
        <translation>ファイル「%1」を読み込めません。通常のファイルではありません。</translation>
    </message>
    <message>
        <source>cannot open the file &quot;%1&quot; for reading.</source>
        <translation>ファイル「%1」を読み込めません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: its block inserts place more than %2 blocks or %3 entities, or nest deeper than %4 levels; only the first %5 placements are shown.</source>
        <translation>「%1」: ブロックの配置がブロック %2 個または要素 %3 個を超えるか、入れ子が %4 段より深いため、最初の %5 個の配置だけを表示します。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Jw_cad drawing file.</source>
        <translation>「%1」は Jw_cad の図面ファイルではありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <translation>「%1」：%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a palette file.</source>
        <translation>「%1」はパレットファイルとしては大きすぎます。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2。</translation>
    </message>
</context>
<context>
    <name>export</name>
    <message>
        <source>cannot write the palette file &quot;%1&quot;.</source>
        <translation>パレットファイル「%1」を書き込めません。</translation>
    </message>
    <message>
        <source>Wrote %1 colours and %2 line types to &quot;%3&quot;.</source>
        <translation>線色 %1 個と線種 %2 個を「%3」に書き込みました。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the source itself; choose another file to write.</source>
        <translation>「%1」はコピー元そのものです。書き込む別のファイルを選んでください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a Jw_cad drawing; choose another file to write the palette to.</source>
        <translation>「%1」は Jw_cad の図面ファイルです。パレットを書き込む別のファイルを選んでください。</translation>
    </message>
</context>
<context>
    <name>failure</name>
    <message>
        <source>not a Jw_cad drawing</source>
        <translation>Jw_cad の図面ファイルではありません</translation>
    </message>
    <message>
        <source>not read completely (offset %1: %2)</source>
        <translation>完全には読み込めませんでした（オフセット %1：%2）</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>読み取り専用です</translation>
    </message>
    <message>
        <source>another run kept it locked</source>
        <translation>ほかの処理が使用中です</translation>
    </message>
    <message>
        <source>cannot make its output folder %1 (%2)</source>
        <translation>保存先のフォルダ %1 を作れません（%2）</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>%1 を書き込めません（%2）</translation>
    </message>
    <message>
        <source>save failed (%1)</source>
        <translation>保存できませんでした（%1）</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>a link to a file that does not exist</source>
        <translation>存在しないファイルへのリンクです</translation>
    </message>
    <message>
        <source>a folder that cannot be searched (%1)</source>
        <translation>検索できないフォルダです（%1）</translation>
    </message>
</context>
<context>
    <name>info</name>
    <message>
        <source>&quot;%1&quot;: its JSON would be larger than %2 MiB; nothing was written.</source>
        <translation>「%1」: JSON が %2 MiB を超えるため、何も書き出しませんでした。</translation>
    </message>
</context>
<context>
    <name>preview</name>
    <message>
        <source>&quot;%1&quot; is the drawing itself; choose another file to write.</source>
        <translation>「%1」は図面そのものです。書き込み先には別のファイルを指定してください。</translation>
    </message>
    <message>
        <source>the folder of &quot;%1&quot; does not exist.</source>
        <translation>「%1」のフォルダがありません。</translation>
    </message>
    <message>
        <source>the image and the trace must be different files.</source>
        <translation>画像とトレースには別々のファイルを指定してください。</translation>
    </message>
    <message>
        <source>--size must be WIDTHxHEIGHT with each side 1..%1, e.g. 300x168.</source>
        <translation>--size は 幅x高さ の形で、各辺を 1..%1 で指定してください。例: 300x168</translation>
    </message>
    <message>
        <source>cannot write the image &quot;%1&quot;.</source>
        <translation>画像「%1」を書き込めません。</translation>
    </message>
    <message>
        <source>cannot write the trace &quot;%1&quot;.</source>
        <translation>トレース「%1」を書き込めません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: its trace would be larger than %2 MiB; neither file was written.</source>
        <translation>「%1」: トレースが %2 MiB を超えるため、どちらのファイルも書き込みませんでした。</translation>
    </message>
</context>
<context>
    <name>selection</name>
    <message>
        <source>%1: &quot;%2&quot; is not a slot number or a range such as 17-20.</source>
        <translation>%1: 「%2」はスロット番号でも 17-20 のような範囲でもありません。</translation>
    </message>
    <message>
        <source>%1: the range &quot;%2&quot; runs backwards.</source>
        <translation>%1: 範囲「%2」が逆向きです。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; lies outside the slots %3..%4.</source>
        <translation>%1: 「%2」はスロット %3..%4 の外にあります。</translation>
    </message>
    <message>
        <source>%1: slot %2 is not in the source.</source>
        <translation>%1: スロット %2 はコピー元にありません。</translation>
    </message>
</context>
<context>
    <name>source</name>
    <message>
        <source>%1: the print colour is saved as the screen colour.</source>
        <translation>%1: 印刷色は画面色として保存されます。</translation>
    </message>
    <message>
        <source>%1: control characters are dropped from the name.</source>
        <translation>%1: 名前の制御文字は保存されません。</translation>
    </message>
    <message>
        <source>%1: &quot;^m&quot; is dropped from the name.</source>
        <translation>%1: 名前の「^m」は保存されません。</translation>
    </message>
    <message>
        <source>%1: a segment count other than 2, 4, 6 or 8 is saved as a plain two-segment type.</source>
        <translation>%1: 分割数が 2, 4, 6, 8 以外のため、2 分割の標準線種として保存されます。</translation>
    </message>
    <message>
        <source>%1 colour slot</source>
        <translation>線色 %1 個</translation>
    </message>
    <message>
        <source>%1 colour slots</source>
        <translation>線色 %1 個</translation>
    </message>
    <message>
        <source>%1 line type slot</source>
        <translation>線種 %1 個</translation>
    </message>
    <message>
        <source>%1 line type slots</source>
        <translation>線種 %1 個</translation>
    </message>
</context>
</TS>
