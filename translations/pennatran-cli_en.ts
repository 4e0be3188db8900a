<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>LoadError</name>
    <message>
        <source>line</source>
        <translation>line</translation>
    </message>
    <message>
        <source>arc</source>
        <translation>arc</translation>
    </message>
    <message>
        <source>point</source>
        <translation>point</translation>
    </message>
    <message>
        <source>text</source>
        <translation>text</translation>
    </message>
    <message>
        <source>dimension</source>
        <translation>dimension</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>solid</translation>
    </message>
    <message>
        <source>block insert</source>
        <translation>block insert</translation>
    </message>
    <message>
        <source>inside the header</source>
        <translation>inside the header</translation>
    </message>
    <message>
        <source>reading the entity count</source>
        <translation>reading the entity count</translation>
    </message>
    <message>
        <source>reading the tag of entity %1</source>
        <translation>reading the tag of entity %1</translation>
    </message>
    <message>
        <source>reading the tag of entity %1 of block definition %2</source>
        <translation>reading the tag of entity %1 of block definition %2</translation>
    </message>
    <message>
        <source>inside entity %1 (%2)</source>
        <translation>inside entity %1 (%2)</translation>
    </message>
    <message>
        <source>inside entity %1 (%2) of block definition %3</source>
        <translation>inside entity %1 (%2) of block definition %3</translation>
    </message>
    <message>
        <source>reading the block definition count</source>
        <translation>reading the block definition count</translation>
    </message>
    <message>
        <source>inside block definition %1</source>
        <translation>inside block definition %1</translation>
    </message>
    <message>
        <source>reading the image count</source>
        <translation>reading the image count</translation>
    </message>
    <message>
        <source>inside image %1</source>
        <translation>inside image %1</translation>
    </message>
    <message>
        <source>not a Jw_cad drawing: it does not begin with &quot;JwwData.&quot;</source>
        <translation>not a Jw_cad drawing: it does not begin with &quot;JwwData.&quot;</translation>
    </message>
    <message>
        <source>version %1 is older than the oldest readable version %2</source>
        <translation>version %1 is older than the oldest readable version %2</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>cannot open the file</translation>
    </message>
    <message>
        <source>cannot read the file</source>
        <translation>cannot read the file</translation>
    </message>
    <message>
        <source>end of file</source>
        <translation>end of file</translation>
    </message>
    <message>
        <source>end of file %1</source>
        <translation>end of file %1</translation>
    </message>
    <message>
        <source>out of memory keeping the image &quot;%1&quot;</source>
        <translation>out of memory keeping the image &quot;%1&quot;</translation>
    </message>
    <message>
        <source>out of memory keeping the image &quot;%1&quot; %2</source>
        <translation>out of memory keeping the image &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>out of memory</translation>
    </message>
</context>
<context>
    <name>PaletteFile</name>
    <message>
        <source>not valid JSON (%1)</source>
        <translation>not valid JSON (%1)</translation>
    </message>
    <message>
        <source>not valid JSON (a NUL byte)</source>
        <translation>not valid JSON (a NUL byte)</translation>
    </message>
    <message>
        <source>nested deeper than %1 levels</source>
        <translation>nested deeper than %1 levels</translation>
    </message>
    <message>
        <source>the field appears twice</source>
        <translation>the field appears twice</translation>
    </message>
    <message>
        <source>a palette file holds one JSON object</source>
        <translation>a palette file holds one JSON object</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>the field &quot;%1&quot; is missing</translation>
    </message>
    <message>
        <source>is not a field of a palette file</source>
        <translation>is not a field of a palette file</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>must be a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>%1 lies outside %2..%3</source>
        <translation>%1 lies outside %2..%3</translation>
    </message>
    <message>
        <source>must be a number (or &quot;NaN&quot;, &quot;Infinity&quot;, &quot;-Infinity&quot;)</source>
        <translation>must be a number (or &quot;NaN&quot;, &quot;Infinity&quot;, &quot;-Infinity&quot;)</translation>
    </message>
    <message>
        <source>must hold hexadecimal digits only</source>
        <translation>must hold hexadecimal digits only</translation>
    </message>
    <message>
        <source>must hold an even number of hexadecimal digits</source>
        <translation>must hold an even number of hexadecimal digits</translation>
    </message>
    <message>
        <source>must hold a multiple of four hexadecimal digits</source>
        <translation>must hold a multiple of four hexadecimal digits</translation>
    </message>
    <message>
        <source>must be text of hexadecimal digits</source>
        <translation>must be text of hexadecimal digits</translation>
    </message>
    <message>
        <source>must be text</source>
        <translation>must be text</translation>
    </message>
    <message>
        <source>goes without &quot;%1&quot;</source>
        <translation>goes without &quot;%1&quot;</translation>
    </message>
    <message>
        <source>must be text such as &quot;#RRGGBB&quot;</source>
        <translation>must be text such as &quot;#RRGGBB&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not &quot;#RRGGBB&quot;</source>
        <translation>&quot;%1&quot; is not &quot;#RRGGBB&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not agree with %2 %3 (%4)</source>
        <translation>&quot;%1&quot; does not agree with %2 %3 (%4)</translation>
    </message>
    <message>
        <source>must be an array</source>
        <translation>must be an array</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>must be an object</translation>
    </message>
    <message>
        <source>slot %1 is listed twice</source>
        <translation>slot %1 is listed twice</translation>
    </message>
    <message>
        <source>must be &quot;%1&quot;</source>
        <translation>must be &quot;%1&quot;</translation>
    </message>
    <message>
        <source>this version is not understood (this program reads version %1)</source>
        <translation>this version is not understood (this program reads version %1)</translation>
    </message>
    <message>
        <source>version %1 is not understood (this program reads version %2)</source>
        <translation>version %1 is not understood (this program reads version %2)</translation>
    </message>
    <message>
        <source>must be an array of 10 numbers</source>
        <translation>must be an array of 10 numbers</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>line %1, column %2</translation>
    </message>
    <message>
        <source>the top level</source>
        <translation>the top level</translation>
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
    <name>apply</name>
    <message>
        <source>apply takes --in-place or --out-dir, not both.</source>
        <translation>apply takes --in-place or --out-dir, not both.</translation>
    </message>
    <message>
        <source>apply needs --in-place or --out-dir DIR (or --dry-run).</source>
        <translation>apply needs --in-place or --out-dir DIR (or --dry-run).</translation>
    </message>
    <message>
        <source>--backup goes with --in-place.</source>
        <translation>--backup goes with --in-place.</translation>
    </message>
    <message>
        <source>%1 / %2 drawings, %3 failed</source>
        <translation>%1 / %2 drawings, %3 failed</translation>
    </message>
    <message>
        <source>%1 drawings: %2 saved, %3 unchanged, %4 would change, %5 skipped, %6 failed.</source>
        <translation>%1 drawings: %2 saved, %3 unchanged, %4 would change, %5 skipped, %6 failed.</translation>
    </message>
</context>
<context>
    <name>audit</name>
    <message>
        <source>%1 drawings: %2 match, %3 differ, %4 cannot be read.</source>
        <translation>%1 drawings: %2 match, %3 differ, %4 cannot be read.</translation>
    </message>
</context>
<context>
    <name>copy</name>
    <message>
        <source>図面ファイル「%1」の保存に失敗しました。%2</source>
        <translation>Could not save the drawing file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>copy needs --colors or --linetypes (or both), e.g. --colors all.</source>
        <translation>copy needs --colors or --linetypes (or both), e.g. --colors all.</translation>
    </message>
    <message>
        <source>図面ファイル「%1」を保存しました。</source>
        <translation>Saved the drawing file &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>drawing</name>
    <message>
        <source>&quot;%1&quot; is a folder, not a drawing file.</source>
        <translation>&quot;%1&quot; is a folder, not a drawing file.</translation>
    </message>
    <message>
        <source>cannot open the file &quot;%1&quot; for reading: it is not a regular file.</source>
        <translation>cannot open the file &quot;%1&quot; for reading: it is not a regular file.</translation>
    </message>
    <message>
        <source>cannot open the file &quot;%1&quot; for reading.</source>
        <translation>cannot open the file &quot;%1&quot; for reading.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: its block inserts place more than %2 blocks or %3 entities, or nest deeper than %4 levels; only the first %5 placements are shown.</source>
        <translation>&quot;%1&quot;: its block inserts place more than %2 blocks or %3 entities, or nest deeper than %4 levels; only the first %5 placements are shown.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Jw_cad drawing file.</source>
        <translation>&quot;%1&quot; is not a Jw_cad drawing file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <translation>&quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a palette file.</source>
        <translation>&quot;%1&quot; is too large for a palette file.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>export</name>
    <message>
        <source>cannot write the palette file &quot;%1&quot;.</source>
        <translation>cannot write the palette file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Wrote %1 colours and %2 line types to &quot;%3&quot;.</source>
        <translation>Wrote %1 colours and %2 line types to &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the source itself; choose another file to write.</source>
        <translation>&quot;%1&quot; is the source itself; choose another file to write.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a Jw_cad drawing; choose another file to write the palette to.</source>
        <translation>&quot;%1&quot; is a Jw_cad drawing; choose another file to write the palette to.</translation>
    </message>
</context>
<context>
    <name>failure</name>
    <message>
        <source>not a Jw_cad drawing</source>
        <translation>not a Jw_cad drawing</translation>
    </message>
    <message>
        <source>not read completely (offset %1: %2)</source>
        <translation>not read completely (offset %1: %2)</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>another run kept it locked</source>
        <translation>another run kept it locked</translation>
    </message>
    <message>
        <source>cannot make its output folder %1 (%2)</source>
        <translation>cannot make its output folder %1 (%2)</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>cannot write %1 (%2)</translation>
    </message>
    <message>
        <source>save failed (%1)</source>
        <translation>save failed (%1)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>a link to a file that does not exist</source>
        <translation>a link to a file that does not exist</translation>
    </message>
    <message>
        <source>a folder that cannot be searched (%1)</source>
        <translation>a folder that cannot be searched (%1)</translation>
    </message>
</context>
<context>
    <name>info</name>
    <message>
        <source>&quot;%1&quot;: its JSON would be larger than %2 MiB; nothing was written.</source>
        <translation>&quot;%1&quot;: its JSON would be larger than %2 MiB; nothing was written.</translation>
    </message>
</context>
<context>
    <name>preview</name>
    <message>
        <source>&quot;%1&quot; is the drawing itself; choose another file to write.</source>
        <translation>&quot;%1&quot; is the drawing itself; choose another file to write.</translation>
    </message>
    <message>
        <source>the folder of &quot;%1&quot; does not exist.</source>
        <translation>the folder of &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>the image and the trace must be different files.</source>
        <translation>the image and the trace must be different files.</translation>
    </message>
    <message>
        <source>--size must be WIDTHxHEIGHT with each side 1..%1, e.g. 300x168.</source>
        <translation>--size must be WIDTHxHEIGHT with each side 1..%1, e.g. 300x168.</translation>
    </message>
    <message>
        <source>cannot write the image &quot;%1&quot;.</source>
        <translation>cannot write the image &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>cannot write the trace &quot;%1&quot;.</source>
        <translation>cannot write the trace &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: its trace would be larger than %2 MiB; neither file was written.</source>
        <translation>&quot;%1&quot;: its trace would be larger than %2 MiB; neither file was written.</translation>
    </message>
</context>
<context>
    <name>selection</name>
    <message>
        <source>%1: &quot;%2&quot; is not a slot number or a range such as 17-20.</source>
        <translation>%1: &quot;%2&quot; is not a slot number or a range such as 17-20.</translation>
    </message>
    <message>
        <source>%1: the range &quot;%2&quot; runs backwards.</source>
        <translation>%1: the range &quot;%2&quot; runs backwards.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; lies outside the slots %3..%4.</source>
        <translation>%1: &quot;%2&quot; lies outside the slots %3..%4.</translation>
    </message>
    <message>
        <source>%1: slot %2 is not in the source.</source>
        <translation>%1: slot %2 is not in the source.</translation>
    </message>
</context>
<context>
    <name>source</name>
    <message>
        <source>%1: the print colour is saved as the screen colour.</source>
        <translation>%1: the print colour is saved as the screen colour.</translation>
    </message>
    <message>
        <source>%1: control characters are dropped from the name.</source>
        <translation>%1: control characters are dropped from the name.</translation>
    </message>
    <message>
        <source>%1: &quot;^m&quot; is dropped from the name.</source>
        <translation>%1: &quot;^m&quot; is dropped from the name.</translation>
    </message>
    <message>
        <source>%1: a segment count other than 2, 4, 6 or 8 is saved as a plain two-segment type.</source>
        <translation>%1: a segment count other than 2, 4, 6 or 8 is saved as a plain two-segment type.</translation>
    </message>
    <message>
        <source>%1 colour slot</source>
        <translation>%1 colour slot</translation>
    </message>
    <message>
        <source>%1 colour slots</source>
        <translation>%1 colour slots</translation>
    </message>
    <message>
        <source>%1 line type slot</source>
        <translation>%1 line type slot</translation>
    </message>
    <message>
        <source>%1 line type slots</source>
        <translation>%1 line type slots</translation>
    </message>
</context>
</TS>
