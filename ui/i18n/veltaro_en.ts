<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>DayNameReading</name>
    <message>
        <source>kinoe</source>
        <translation>kinoe</translation>
    </message>
    <message>
        <source>kinoto</source>
        <translation>kinoto</translation>
    </message>
    <message>
        <source>hinoe</source>
        <translation>hinoe</translation>
    </message>
    <message>
        <source>hinoto</source>
        <translation>hinoto</translation>
    </message>
    <message>
        <source>tsuchinoe</source>
        <translation>tsuchinoe</translation>
    </message>
    <message>
        <source>tsuchinoto</source>
        <translation>tsuchinoto</translation>
    </message>
    <message>
        <source>kanoe</source>
        <translation>kanoe</translation>
    </message>
    <message>
        <source>kanoto</source>
        <translation>kanoto</translation>
    </message>
    <message>
        <source>mizunoe</source>
        <translation>mizunoe</translation>
    </message>
    <message>
        <source>mizunoto</source>
        <translation>mizunoto</translation>
    </message>
    <message>
        <source>ne</source>
        <translation>ne</translation>
    </message>
    <message>
        <source>ushi</source>
        <translation>ushi</translation>
    </message>
    <message>
        <source>tora</source>
        <translation>tora</translation>
    </message>
    <message>
        <source>u</source>
        <translation>u</translation>
    </message>
    <message>
        <source>tatsu</source>
        <translation>tatsu</translation>
    </message>
    <message>
        <source>mi</source>
        <translation>mi</translation>
    </message>
    <message>
        <source>uma</source>
        <translation>uma</translation>
    </message>
    <message>
        <source>hitsuji</source>
        <translation>hitsuji</translation>
    </message>
    <message>
        <source>saru</source>
        <translation>saru</translation>
    </message>
    <message>
        <source>tori</source>
        <translation>tori</translation>
    </message>
    <message>
        <source>inu</source>
        <translation>inu</translation>
    </message>
    <message>
        <source>i</source>
        <translation>i</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>観測地点：経度・緯度の入力を確かめてください</source>
        <translation>Place: please check the longitude and latitude you typed</translation>
    </message>
    <message>
        <source>北緯</source>
        <translation>N</translation>
    </message>
    <message>
        <source>南緯</source>
        <translation>S</translation>
    </message>
    <message>
        <source>東経</source>
        <translation>E</translation>
    </message>
    <message>
        <source>西経</source>
        <translation>W</translation>
    </message>
    <message>
        <source>観測地点 %1&#x3000;%2&#x3000;時刻 %3</source>
        <translation>Place %1  %2  Clock: %3</translation>
    </message>
    <message>
        <source>グラフに描ける点は、すべての描画を合わせて %1 点までです。この描画には %2 点が要ります。</source>
        <translation>The graph holds at most %1 points, all drawings together. This drawing needs %2 points.</translation>
    </message>
    <message>
        <source>
連続の日数を %1 日以下にしてください。</source>
        <translation>
Please draw no more than %1 days in a row.</translation>
    </message>
    <message>
        <source>いまグラフには %1 点が描いてあり、合わせると上限を超えます。
「消去」でグラフを消してから、もう一度描画してください。</source>
        <translation>The graph already holds %1 points; together they would exceed the limit.
Clear the graph with &quot;Clear&quot;, then draw again.</translation>
    </message>
    <message>
        <source>
描いてあるグラフはそのまま残っています。</source>
        <translation>
What is already drawn stays on the graph.</translation>
    </message>
</context>
<context>
    <name>veltaro::ui::CauseView</name>
    <message>
        <source>%1 cm</source>
        <translation>%1 cm</translation>
    </message>
    <message>
        <source>グラフの上にマウスを置くと、その時刻の月と太陽の位置と海面の盛り上がりをここに描きます。</source>
        <translation>Move the mouse over the graph to see where the Moon and the Sun are at that moment, and how the sea bulges.</translation>
    </message>
    <message>
        <source>月</source>
        <translation>Moon</translation>
    </message>
    <message>
        <source>太陽</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>観測地</source>
        <translation>Here</translation>
    </message>
    <message>
        <source>南極の上から見た地球（時計回りに自転）</source>
        <translation>From above the South Pole (the Earth turns clockwise)</translation>
    </message>
    <message>
        <source>北極の上から見た地球（反時計回りに自転）</source>
        <translation>From above the North Pole (the Earth turns anticlockwise)</translation>
    </message>
    <message>
        <source>太陽＋月</source>
        <translation>Sun + Moon</translation>
    </message>
    <message>
        <source>点線：観測地の緯度の円&#x3000;海面の高さは%L1倍に誇張</source>
        <translation>Dotted: your latitude circle. Heights exaggerated %L1 times</translation>
    </message>
    <message>
        <source>北</source>
        <translation>N</translation>
    </message>
    <message>
        <source>横から見た%1の潮（赤緯 %2、破線が%1の方向）</source>
        <translation>Side view: the %1&apos;s tide (declination %2; dashes: to the %1)</translation>
    </message>
    <message>
        <source>潮の原因：地球と月・太陽</source>
        <translation>Why the Tide Moves: the Earth, the Moon and the Sun</translation>
    </message>
    <message>
        <source>観測地から見た月</source>
        <translation>The Moon as seen from your place</translation>
    </message>
    <message>
        <source>1日を再生</source>
        <translation>Play a Day</translation>
    </message>
    <message>
        <source>1朔望月を再生</source>
        <translation>Play a Lunar Month</translation>
    </message>
    <message>
        <source>%1時間%2分</source>
        <translation>%1h %2m</translation>
    </message>
    <message>
        <source>正中の%1後</source>
        <translation>%1 after transit</translation>
    </message>
    <message>
        <source>正中の%1前</source>
        <translation>%1 before transit</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>時角</source>
        <translation>Hour angle</translation>
    </message>
    <message>
        <source>赤緯</source>
        <translation>Declination</translation>
    </message>
    <message>
        <source>距離</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>ここでの高さ</source>
        <translation>Height here</translation>
    </message>
    <message>
        <source>正中 ／ 下方通過での高さ</source>
        <translation>At upper / lower transit</translation>
    </message>
    <message>
        <source>%1&#x3000;%2</source>
        <comment>the place, then the moment and its heights</comment>
        <translation>%1   %2</translation>
    </message>
    <message>
        <source>%1 ／ %2</source>
        <comment>heights at the upper and the lower transit</comment>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>veltaro::ui::GraphSaver</name>
    <message>
        <source>画像として保存…</source>
        <translation>Save as Picture...</translation>
    </message>
    <message>
        <source>印刷…</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>PDF として保存…</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>データを CSV で保存…</source>
        <translation>Save Data as CSV...</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>保存できません</source>
        <translation>Cannot Save</translation>
    </message>
    <message>
        <source>「%1」に保存できませんでした。
%2</source>
        <translation>Could not save to &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>その名前はフォルダーです。別の名前を選んでください。</source>
        <translation>That name is a folder. Please choose another name.</translation>
    </message>
    <message>
        <source>その名前はシンボリックリンクです。リンク先を置き換えないよう、ファイルそのものの名前を選んでください。</source>
        <translation>That name is a symbolic link. So as not to replace what it points to, please choose the name of the file itself.</translation>
    </message>
    <message>
        <source>その名前は通常のファイルではありません。別の名前を選んでください。</source>
        <translation>That name is not an ordinary file. Please choose another name.</translation>
    </message>
    <message>
        <source>書き込みが許可されていません。</source>
        <translation>You are not allowed to write there.</translation>
    </message>
    <message>
        <source>ファイルを作れません。フォルダーがないか、書き込めない場所です。</source>
        <translation>The file cannot be created: the folder does not exist or cannot be written to.</translation>
    </message>
    <message>
        <source>書き込めませんでした。ディスクの空きが足りない可能性があります。</source>
        <translation>Writing failed. The disk may be full.</translation>
    </message>
    <message>
        <source>書き込めませんでした。</source>
        <translation>Writing failed.</translation>
    </message>
    <message>
        <source>保存する内容を作れませんでした。</source>
        <translation>What was to be saved could not be made.</translation>
    </message>
    <message>
        <source>画像として保存</source>
        <translation>Save as Picture</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>JPEG 画像 (*.jpg *.jpeg)</source>
        <translation>JPEG image (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>SVG 画像 (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
    <message>
        <source>この形式では保存できません。名前を .png、.jpg、.svg か .pdf で終えてください。</source>
        <translation>Pictures cannot be saved in this format. End the name in .png, .jpg, .svg or .pdf.</translation>
    </message>
    <message>
        <source>PDF として保存</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>データを CSV で保存</source>
        <translation>Save Data as CSV</translation>
    </message>
    <message>
        <source>CSV（入力を注記） (*.csv)</source>
        <translation>CSV with the input as comments (*.csv)</translation>
    </message>
    <message>
        <source>CSV（表計算ソフト用） (*.csv)</source>
        <translation>CSV for spreadsheets (*.csv)</translation>
    </message>
    <message>
        <source>印刷できません</source>
        <translation>Cannot Print</translation>
    </message>
    <message>
        <source>印刷を始められませんでした。プリンターの設定を確かめてください。</source>
        <translation>Printing could not start. Please check the printer&apos;s settings.</translation>
    </message>
    <message>
        <source>%1
（%2）</source>
        <extracomment>The reason, then the system&apos;s own words for the fault in brackets.</extracomment>
        <translation>%1
(%2)</translation>
    </message>
</context>
<context>
    <name>veltaro::ui::HelpWindow</name>
    <message>
        <source>潮名</source>
        <translation>Tide name</translation>
    </message>
    <message>
        <source>旧暦の日</source>
        <translation>Day of the lunar calendar</translation>
    </message>
    <message>
        <source>Veltaro ヘルプ</source>
        <translation>Veltaro Help</translation>
    </message>
    <message>
        <source>%1〜%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>veltaro::ui::ViewSettings</name>
    <message>
        <source>時刻(&amp;T)</source>
        <translation>&amp;Clock</translation>
    </message>
    <message>
        <source>観測地の経度で決まる平均太陽時（東経135°では日本標準時と同じ）</source>
        <translation>Mean solar time set by the place&apos;s longitude (at 135° E the same as Japan Standard Time)</translation>
    </message>
    <message>
        <source>見やすい表示（プロジェクター向け）(&amp;P)</source>
        <translation>&amp;Presentation Look (for Projectors)</translation>
    </message>
    <message>
        <source>月の絵を北半球から見た向きで描く(&amp;N)</source>
        <translation>Draw the Moon as Seen from the &amp;North</translation>
    </message>
    <message>
        <source>南半球では、月の光る側が北半球と左右逆に見えます。ふだんは観測地から見た向きで描きます。</source>
        <translation>South of the equator, the lit side of the Moon appears mirrored left to right. Normally the Moon is drawn as seen from the place.</translation>
    </message>
    <message>
        <source>観測日（%1）</source>
        <translation>Date (%1)</translation>
    </message>
    <message>
        <source>UTからの時差を指定…（いまは %1）</source>
        <translation>Offset from UT... (now %1)</translation>
    </message>
    <message>
        <source>UTからの時差を指定…</source>
        <translation>Offset from UT...</translation>
    </message>
    <message>
        <source>時刻</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>世界時（ＵＴ）からの時差を「+09:00」や「-05:30」の形で入力してください。
±14:00 まで指定できます。</source>
        <translation>Type the offset from Universal Time (UT) in the form &quot;+09:00&quot; or &quot;-05:30&quot;.
Up to ±14:00 is allowed.</translation>
    </message>
    <message>
        <source>言語(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
</context>
<context>
    <name>veltaro::ui::WindowZoom</name>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>拡大(&amp;I)</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>縮小(&amp;O)</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>全画面表示(&amp;F)</source>
        <translation>&amp;Full Screen</translation>
    </message>
    <message>
        <source>画面に合わせる（%1 %）(&amp;W)</source>
        <translation>Fit to &amp;Window (%1 %)</translation>
    </message>
</context>
<context>
    <name>veltaro::ui::frmushio</name>
    <message>
        <source>年</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>月</source>
        <translation>M</translation>
    </message>
    <message>
        <source>日</source>
        <translation>D</translation>
    </message>
    <message>
        <source>観測地点</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>度</source>
        <translation>°</translation>
    </message>
    <message>
        <source>分</source>
        <translation>′</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>″</translation>
    </message>
    <message>
        <source>一日描画</source>
        <translation>One day</translation>
    </message>
    <message>
        <source>連続&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;日</source>
        <translation>Days&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;</translation>
    </message>
    <message>
        <source>月相：</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>日干支：</source>
        <translation>Cycle:</translation>
    </message>
    <message>
        <source>太陽による起潮力……</source>
        <translation>Sun&apos;s tidal force</translation>
    </message>
    <message>
        <source>月による起潮力………</source>
        <translation>Moon&apos;s tidal force</translation>
    </message>
    <message>
        <source>太陽＋月による起潮力</source>
        <translation>Sun + Moon</translation>
    </message>
    <message>
        <source>描画開始</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>消去</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>月&#x3000;影</source>
        <translation>Moon</translation>
    </message>
    <message>
        <source>起潮力</source>
        <translation>Tide</translation>
    </message>
    <message>
        <source>経度の度：東経は正、西経は − を付けて（−180〜180）</source>
        <translation>Degrees of longitude: east positive, west with − (−180 to 180)</translation>
    </message>
    <message>
        <source>緯度の度：北緯は正、南緯は − を付けて（−90〜90）</source>
        <translation>Degrees of latitude: north positive, south with − (−90 to 90)</translation>
    </message>
    <message>
        <source>分（0〜59）</source>
        <translation>Minutes (0 to 59)</translation>
    </message>
    <message>
        <source>秒（0〜59）</source>
        <translation>Seconds (0 to 59)</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>初期設定に戻す(&amp;I)</source>
        <translation>Back to the &amp;Initial Settings</translation>
    </message>
    <message>
        <source>日本中央標準時子午線に移動</source>
        <translation>Move to Japan&apos;s Standard Meridian (135° E)</translation>
    </message>
    <message>
        <source>緯度０（赤道上）に移動</source>
        <translation>Move to Latitude 0 (the Equator)</translation>
    </message>
    <message>
        <source>旧東京天文台に移動（東京麻布）</source>
        <translation>Move to the Old Tokyo Observatory (Azabu, Tokyo)</translation>
    </message>
    <message>
        <source>Veltaroを終了する(&amp;E)</source>
        <translation>&amp;Exit Veltaro</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>描画開始(&amp;S)</source>
        <translation>&amp;Start Drawing</translation>
    </message>
    <message>
        <source>グラフ消去(&amp;C)</source>
        <translation>Clear the &amp;Graph</translation>
    </message>
    <message>
        <source>時刻を「%1」にしました。次の描画から、この時刻で描きます。</source>
        <translation>The clock is now &quot;%1&quot;. The next drawing uses it.</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>使い方(&amp;H)…</source>
        <translation>&amp;How to Use...</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;V)</source>
        <translation>About &amp;Veltaro</translation>
    </message>
    <message>
        <source>「%1」に保存しました。</source>
        <translation>Saved to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>描画を中止します (Esc)</source>
        <translation>Stops the drawing (Esc)</translation>
    </message>
    <message>
        <source>描画を中止しました。</source>
        <translation>The drawing was stopped.</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>太陽と月の起潮力を描くプログラム<byte value="xd"/>
作者：Veltaro 開発チーム<byte value="xd"/>
ご意見・不具合のご連絡は、プロジェクトの課題管理ページへ</source>
        <translation>A program that draws the tidal forces of the Sun and the Moon<byte value="xd"/>
By the Veltaro development team<byte value="xd"/>
Please send comments and reports of faults to the project&apos;s issue tracker</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About Veltaro</translation>
    </message>
    <message>
        <source>期間か時刻が前の描画と違うので、グラフを新しくしました。</source>
        <translation>The period or the clock differs from the last drawing, so the graph was started afresh.</translation>
    </message>
    <message>
        <source>これ以上描けません</source>
        <translation>No Room to Draw More</translation>
    </message>
    <message>
        <source>拡大表示(&amp;Z)</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>潮の原因を見る(&amp;W)…</source>
        <translation>&amp;Why the Tide Rises and Falls...</translation>
    </message>
    <message>
        <source>%1（%2）：この日の六十干支</source>
        <translation>%1 (%2): the day&apos;s name in the 60-day cycle</translation>
    </message>
</context>
<context>
    <name>veltaro::words</name>
    <message>
        <source>地方時</source>
        <translation>local time</translation>
    </message>
    <message>
        <source>ＪＳＴ</source>
        <translation>JST</translation>
    </message>
    <message>
        <source>ＵＴ</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>地方平均時（観測地の子午線）</source>
        <translation>Local mean time (place&apos;s meridian)</translation>
    </message>
    <message>
        <source>日本標準時（ＪＳＴ）</source>
        <translation>Japan Standard Time (JST)</translation>
    </message>
    <message>
        <source>世界時（ＵＴ）</source>
        <translation>Universal Time (UT)</translation>
    </message>
    <message>
        <source>（UTからの時差）</source>
        <translation> (offset from UT)</translation>
    </message>
    <message>
        <source>時</source>
        <translation>h</translation>
    </message>
    <message>
        <source>日周変化</source>
        <translation>Diurnal</translation>
    </message>
    <message>
        <source>日</source>
        <translation>d</translation>
    </message>
    <message>
        <source>60日変化</source>
        <translation>60 days</translation>
    </message>
    <message>
        <source>年周変化</source>
        <translation>Annual</translation>
    </message>
    <message>
        <source>%1年%2月%3日</source>
        <translation>%1-%4-%5</translation>
    </message>
    <message>
        <source>&#x3000;潮名 %1（旧暦%2日）</source>
        <translation>  %1 (lunar day %2)</translation>
    </message>
    <message>
        <source>新月</source>
        <translation>New Moon</translation>
    </message>
    <message>
        <source>満月</source>
        <translation>Full Moon</translation>
    </message>
    <message>
        <source>近地点</source>
        <translation>Perigee</translation>
    </message>
    <message>
        <source>遠地点</source>
        <translation>Apogee</translation>
    </message>
    <message>
        <source>北の最大赤緯</source>
        <translation>Greatest N. declination</translation>
    </message>
    <message>
        <source>南の最大赤緯</source>
        <translation>Greatest S. declination</translation>
    </message>
    <message>
        <source>&#x3000;太陽 %1&#x3000;月 %2&#x3000;太陽＋月 %3</source>
        <translation>  Sun %1  Moon %2  Sun + Moon %3</translation>
    </message>
    <message>
        <source>太陽から月までの角度 %1°（赤道に沿って東回り）&#x3000;%2 %3&#x3000;月相 %4</source>
        <translation>Sun–Moon angle %1° (east, along the equator)  %2 %3  Phase %4</translation>
    </message>
    <message>
        <source>&#x3000;月齢 %1日</source>
        <translation>  Moon&apos;s age %1 days</translation>
    </message>
    <message>
        <source>&#x3000;距離 %1 km</source>
        <translation>  Distance %1 km</translation>
    </message>
    <message>
        <source>&#x3000;赤緯 %1%2°</source>
        <translation>  Declination %1%2°</translation>
    </message>
    <message>
        <source>大潮</source>
        <translation>spring tide</translation>
    </message>
    <message>
        <source>中潮</source>
        <translation>middle tide</translation>
    </message>
    <message>
        <source>小潮</source>
        <translation>neap tide</translation>
    </message>
    <message>
        <source>長潮</source>
        <translation>long tide</translation>
    </message>
    <message>
        <source>若潮</source>
        <translation>young tide</translation>
    </message>
    <message>
        <source>入力エラー</source>
        <translation>Input Error</translation>
    </message>
    <message>
        <source>日付の数値が不適切です。</source>
        <translation>The numbers of the date are not a valid date.</translation>
    </message>
    <message>
        <source>経度の度・分・秒に数値を入力してください。</source>
        <translation>Please type numbers for the degrees, minutes and seconds of longitude.</translation>
    </message>
    <message>
        <source>緯度の度・分・秒に数値を入力してください。</source>
        <translation>Please type numbers for the degrees, minutes and seconds of latitude.</translation>
    </message>
    <message>
        <source>経度は西経180度から東経180度までの範囲で入力してください。</source>
        <translation>Please type a longitude from 180° W to 180° E.</translation>
    </message>
    <message>
        <source>緯度は南緯90度から北緯90度までの範囲で入力してください。</source>
        <translation>Please type a latitude from 90° S to 90° N.</translation>
    </message>
    <message>
        <source>日付は%1年1月1日から%2年12月31日までの範囲で入力してください。</source>
        <translation>Please type a date from %1-01-01 to %2-12-31.</translation>
    </message>
    <message>
        <source>連続描画の日数は1から%1までの整数で入力してください。</source>
        <translation>Please type the number of days to draw in a row as a whole number from 1 to %1.</translation>
    </message>
    <message>
        <source>連続描画で描けるのは%1年12月31日までです。この開始日からは最大%2日分まで描画できます。</source>
        <translation>A drawing of several days can reach %1-12-31 at the latest. From this start date, the number of days can be at most %2.</translation>
    </message>
    <message>
        <source>%1&#x3000;%2年%3月%4日</source>
        <translation>%1  %2-%5-%6</translation>
    </message>
    <message>
        <source>から%1日間（重ね描き）</source>
        <translation>, %1 days drawn over each other</translation>
    </message>
    <message>
        <source>から60日間</source>
        <translation> onwards</translation>
    </message>
    <message>
        <source>から360日間</source>
        <translation> onwards (360 days)</translation>
    </message>
    <message>
        <source>（途中で中止）</source>
        <translation> (stopped partway)</translation>
    </message>
    <message>
        <source>&#x3000;観測地点 %1&#x3000;時刻 %2</source>
        <translation>  %1  %2</translation>
    </message>
    <message>
        <source>ほか %1 件の描画</source>
        <translation>and %1 more drawings</translation>
    </message>
    <message>
        <source>（描画なし）</source>
        <translation>(nothing drawn)</translation>
    </message>
    <message>
        <source>太陽による起潮力</source>
        <translation>Sun&apos;s tidal force</translation>
    </message>
    <message>
        <source>月による起潮力</source>
        <translation>Moon&apos;s tidal force</translation>
    </message>
    <message>
        <source>太陽＋月による起潮力</source>
        <translation>Sun + Moon</translation>
    </message>
    <message>
        <source>月&#x3000;影</source>
        <translation>Moon</translation>
    </message>
    <message>
        <source>起潮力</source>
        <translation>Tide</translation>
    </message>
    <message>
        <source>%1月%2日</source>
        <translation>%3-%4</translation>
    </message>
    <message>
        <source>%1 %2（旧暦%3日）</source>
        <translation>%1 %2 (lunar day %3)</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation>  </translation>
    </message>
    <message>
        <source>計算中に数値の異常が起きたため、描画を中止しました。</source>
        <translation>The drawing was stopped: a calculation gave an invalid number.</translation>
    </message>
</context>
</TS>
