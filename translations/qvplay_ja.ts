<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
    <context>
        <name>qvplay</name>
        <message>
            <source>%1 Cloudy</source>
            <translation>%1 くもり</translation>
        </message>
        <message>
            <source>%1 Daylight</source>
            <translation>%1 太陽光</translation>
        </message>
        <message>
            <source>%1 Fluor(cool)</source>
            <translation>%1 蛍光灯(白色)</translation>
        </message>
        <message>
            <source>%1 Fluor(warm)</source>
            <translation>%1 蛍光灯(温白色)</translation>
        </message>
        <message>
            <source>%1 Incandescent</source>
            <translation>%1 電球</translation>
        </message>
        <message>
            <source>%1 Shadow</source>
            <translation>%1 日陰</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation>%1 / %2</translation>
        </message>
        <message>
            <source>%1Hz</source>
            <translation>%1Hz</translation>
        </message>
        <message>
            <source>&amp;50 Hz</source>
            <translation>&amp;50 Hz</translation>
        </message>
        <message>
            <source>&amp;60 Hz</source>
            <translation>&amp;60 Hz</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>バージョン情報(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Camera Settings</source>
            <translation>カメラ設定(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>キャンセル(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Clear</source>
            <translation>クリア(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Diagnostics</source>
            <translation>診断(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>編集(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Embed Timestamp</source>
            <translation>タイムスタンプを埋め込む(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Export</source>
            <translation>エクスポート(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Exposure Lock</source>
            <translation>露出ロック(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>ファイル(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Flash Drive</source>
            <translation>USBメモリ(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Full Screen</source>
            <translation>全画面表示(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>ヘルプ(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;Hours</source>
            <translation>時間(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;Keyboard</source>
            <translation>キー操作(&amp;K)</translation>
        </message>
        <message>
            <source>&amp;Looping</source>
            <translation>ループ録画(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Minutes</source>
            <translation>分(&amp;M)</translation>
        </message>
        <message>
            <source>&amp;Next</source>
            <translation>次へ(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;None</source>
            <translation>なし(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;OK</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>開く(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Options</source>
            <translation>オプション(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Previous</source>
            <translation>前へ(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Save Current</source>
            <translation>現在のフレームを保存(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Seconds</source>
            <translation>秒(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>元に戻す(&amp;U)</translation>
        </message>
        <message>
            <source>0 - None</source>
            <translation>0 - なし</translation>
        </message>
        <message>
            <source>1 - Buffer-wide LPF</source>
            <translation>1 - バッファ全体 LPF</translation>
        </message>
        <message>
            <source>1X zoom</source>
            <translation>1倍ズーム</translation>
        </message>
        <message>
            <source>2 - TKC Filter</source>
            <translation>2 - TKC フィルター</translation>
        </message>
        <message>
            <source>2X zoom</source>
            <translation>2倍ズーム</translation>
        </message>
        <message>
            <source>A change of the whole picture's brightness (a cloud, an exposure step) is not motion</source>
            <translation>画面全体の明るさの変化（雲、露出の切り替わりなど）は動きとみなしません</translation>
        </message>
        <message>
            <source>AE Gain</source>
            <translation>AEゲイン</translation>
        </message>
        <message>
            <source>ASAP</source>
            <translation>最速</translation>
        </message>
        <message>
            <source>AVI movie</source>
            <translation>AVI 動画</translation>
        </message>
        <message>
            <source>AWB Samples</source>
            <translation>AWBサンプル数</translation>
        </message>
        <message>
            <source>About</source>
            <translation>バージョン情報</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>オート</translation>
        </message>
        <message>
            <source>Backward 1 Frame</source>
            <translation>1フレーム戻る</translation>
        </message>
        <message>
            <source>Bad Frms:</source>
            <translation>不良フレーム:</translation>
        </message>
        <message>
            <source>Band Filter</source>
            <translation>フリッカー低減</translation>
        </message>
        <message>
            <source>Banding Filter</source>
            <translation>フリッカー低減</translation>
        </message>
        <message>
            <source>Batt</source>
            <translation>電池</translation>
        </message>
        <message>
            <source>Best</source>
            <translation>最高</translation>
        </message>
        <message>
            <source>Better</source>
            <translation>高</translation>
        </message>
        <message>
            <source>Breakpoint</source>
            <translation>ブレークポイント</translation>
        </message>
        <message>
            <source>C&amp;ancel</source>
            <translation>キャンセル(&amp;A)</translation>
        </message>
        <message>
            <source>Camera Model:  </source>
            <translation>カメラ機種:</translation>
        </message>
        <message>
            <source>Camera Settings</source>
            <translation>カメラ設定</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>キャンセル</translation>
        </message>
        <message>
            <source>Capture Date</source>
            <translation>撮影日</translation>
        </message>
        <message>
            <source>Capture Interval</source>
            <translation>撮影間隔</translation>
        </message>
        <message>
            <source>Capture Time</source>
            <translation>撮影時刻</translation>
        </message>
        <message>
            <source>Choose folder...</source>
            <translation>フォルダーを選択...</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>コントラスト</translation>
        </message>
        <message>
            <source>Could not create directory for Camera Settings.  Please make sure you have selected the USB flash drive and connected it to the PC</source>
            <translation>カメラ設定用のフォルダーを作成できませんでした。USBメモリを選択し、PCに接続していることを確認してください。</translation>
        </message>
        <message>
            <source>Custom Expo</source>
            <translation>カスタム露出</translation>
        </message>
        <message>
            <source>Daylight</source>
            <translation>日中</translation>
        </message>
        <message>
            <source>DeBlock Method</source>
            <translation>デブロック方式</translation>
        </message>
        <message>
            <source>Deblock</source>
            <translation>デブロック</translation>
        </message>
        <message>
            <source>Diagnostics</source>
            <translation>診断</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>無効</translation>
        </message>
        <message>
            <source>Display Bad Frames</source>
            <translation>不良フレームを表示</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>完了</translation>
        </message>
        <message>
            <source>Dump RTC Data</source>
            <translation>RTCデータをダンプ</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>終了(&amp;X)</translation>
        </message>
        <message>
            <source>Elapsed Time</source>
            <translation>経過時間</translation>
        </message>
        <message>
            <source>Enable TKM Single Step</source>
            <translation>TKMのシングルステップを有効にする</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>エラー</translation>
        </message>
        <message>
            <source>Event Number</source>
            <translation>イベント番号</translation>
        </message>
        <message>
            <source>Exp Type (TTL Only)</source>
            <translation>露出タイプ（TTLのみ）</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>エクスポート</translation>
        </message>
        <message>
            <source>Export As</source>
            <translation>エクスポート形式</translation>
        </message>
        <message>
            <source>Export Segment</source>
            <translation>区間をエクスポート</translation>
        </message>
        <message>
            <source>Exporting %1 frames</source>
            <translation>%1 フレームをエクスポート中</translation>
        </message>
        <message>
            <source>Exposure</source>
            <translation>露出</translation>
        </message>
        <message>
            <source>Extracting ...</source>
            <translation>エクスポート中...</translation>
        </message>
        <message>
            <source>FPGA</source>
            <translation>FPGA</translation>
        </message>
        <message>
            <source>FPGA Rev</source>
            <translation>FPGAリビジョン</translation>
        </message>
        <message>
            <source>FW Rev</source>
            <translation>FWリビジョン</translation>
        </message>
        <message>
            <source>Fast</source>
            <translation>高速</translation>
        </message>
        <message>
            <source>Fast Semi</source>
            <translation>高速・半自動</translation>
        </message>
        <message>
            <source>File Does Not Contain Any Frames</source>
            <translation>ファイルにフレームがありません</translation>
        </message>
        <message>
            <source>File Not Found</source>
            <translation>ファイルが見つかりません</translation>
        </message>
        <message>
            <source>FireFly</source>
            <translation>ホタル</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>ファームウェア</translation>
        </message>
        <message>
            <source>First</source>
            <translation>開始フレーム</translation>
        </message>
        <message>
            <source>Flash Drive</source>
            <translation>USBメモリ</translation>
        </message>
        <message>
            <source>Focus Score</source>
            <translation>フォーカススコア</translation>
        </message>
        <message>
            <source>Force &amp;B&amp;&amp;W</source>
            <translation>白黒表示を強制(&amp;B)</translation>
        </message>
        <message>
            <source>Forward 1 Frame</source>
            <translation>1フレーム進む</translation>
        </message>
        <message>
            <source>Found</source>
            <translation>見つかりました</translation>
        </message>
        <message>
            <source>Frame %1</source>
            <translation>フレーム %1</translation>
        </message>
        <message>
            <source>Frames = %1</source>
            <translation>フレーム数 = %1</translation>
        </message>
        <message>
            <source>Galaxy</source>
            <translation>銀河</translation>
        </message>
        <message>
            <source>Get Focus Score</source>
            <translation>フォーカススコアを取得</translation>
        </message>
        <message>
            <source>Good</source>
            <translation>標準</translation>
        </message>
        <message>
            <source>HDR Range</source>
            <translation>HDR範囲</translation>
        </message>
        <message>
            <source>High</source>
            <translation>高</translation>
        </message>
        <message>
            <source>Hybrid</source>
            <translation>ハイブリッド</translation>
        </message>
        <message>
            <source>Ignore brightness</source>
            <translation>明るさの変化を無視</translation>
        </message>
        <message>
            <source>Image Quality</source>
            <translation>画質</translation>
        </message>
        <message>
            <source>JPEG EOI Check</source>
            <translation>JPEG EOIチェック</translation>
        </message>
        <message>
            <source>JPG sequence</source>
            <translation>JPG連番画像</translation>
        </message>
        <message>
            <source>KMX Debug Info</source>
            <translation>KMXデバッグ情報</translation>
        </message>
        <message>
            <source>Keyboard</source>
            <translation>キー操作</translation>
        </message>
        <message>
            <source>LED Display</source>
            <translation>LED表示</translation>
        </message>
        <message>
            <source>Last</source>
            <translation>終了フレーム</translation>
        </message>
        <message>
            <source>Low</source>
            <translation>低</translation>
        </message>
        <message>
            <source>Low Light Rec</source>
            <translation>低照度録画</translation>
        </message>
        <message>
            <source>Luma</source>
            <translation>輝度</translation>
        </message>
        <message>
            <source>Mark End of Exported Segment</source>
            <translation>エクスポート区間の終了点を設定</translation>
        </message>
        <message>
            <source>Mark Start of Exported Segment</source>
            <translation>エクスポート区間の開始点を設定</translation>
        </message>
        <message>
            <source>Medium</source>
            <translation>中</translation>
        </message>
        <message>
            <source>Min Batt</source>
            <translation>電池最低値</translation>
        </message>
        <message>
            <source>Mode</source>
            <translation>モード</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>月明かり</translation>
        </message>
        <message>
            <source>Motion</source>
            <translation>モーション</translation>
        </message>
        <message>
            <source>Motion Search</source>
            <translation>モーション検索</translation>
        </message>
        <message>
            <source>Movie Info</source>
            <translation>動画情報</translation>
        </message>
        <message>
            <source>Next Event</source>
            <translation>次のイベント</translation>
        </message>
        <message>
            <source>Night</source>
            <translation>夜間</translation>
        </message>
        <message>
            <source>No</source>
            <translation>いいえ</translation>
        </message>
        <message>
            <source>None</source>
            <translation>なし</translation>
        </message>
        <message>
            <source>Not known</source>
            <translation>不明</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>オフ</translation>
        </message>
        <message>
            <source>On</source>
            <translation>オン</translation>
        </message>
        <message>
            <source>PIR Active</source>
            <translation>PIR検知</translation>
        </message>
        <message>
            <source>PIR Seek</source>
            <translation>PIRイベント検索</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>一時停止</translation>
        </message>
        <message>
            <source>Phys Exp</source>
            <translation>実露出</translation>
        </message>
        <message>
            <source>Play Backward</source>
            <translation>逆方向に再生</translation>
        </message>
        <message>
            <source>Play Forward</source>
            <translation>順方向に再生</translation>
        </message>
        <message>
            <source>PlayList</source>
            <translation>プレイリスト</translation>
        </message>
        <message>
            <source>Playback speed</source>
            <translation>再生速度</translation>
        </message>
        <message>
            <source>Position in the recording: drag to seek</source>
            <translation>録画内の位置: ドラッグして移動</translation>
        </message>
        <message>
            <source>Prev Event</source>
            <translation>前のイベント</translation>
        </message>
        <message>
            <source>Quillo Video Player</source>
            <translation>Quillo Video Player</translation>
        </message>
        <message>
            <source>R,G,B Avg</source>
            <translation>R,G,B 平均</translation>
        </message>
        <message>
            <source>R,G,B Gain</source>
            <translation>R,G,B ゲイン</translation>
        </message>
        <message>
            <source>Raw Expo</source>
            <translation>露出の生値</translation>
        </message>
        <message>
            <source>Report Good Frames</source>
            <translation>正常フレームも報告</translation>
        </message>
        <message>
            <source>Retries</source>
            <translation>リトライ回数</translation>
        </message>
        <message>
            <source>Retries &gt; n</source>
            <translation>リトライ回数 &gt; n</translation>
        </message>
        <message>
            <source>Saturation</source>
            <translation>彩度</translation>
        </message>
        <message>
            <source>Scene</source>
            <translation>シーン</translation>
        </message>
        <message>
            <source>Search Backward</source>
            <translation>逆方向に検索</translation>
        </message>
        <message>
            <source>Search Baclward</source>
            <translation>逆方向に検索</translation>
        </message>
        <message>
            <source>Search Forward</source>
            <translation>順方向に検索</translation>
        </message>
        <message>
            <source>Search Inactive</source>
            <translation>検索待機中</translation>
        </message>
        <message>
            <source>Seek</source>
            <translation>シーク</translation>
        </message>
        <message>
            <source>Select</source>
            <translation>選択</translation>
        </message>
        <message>
            <source>Set &amp;Time to</source>
            <translation>時刻の設定(&amp;T)</translation>
        </message>
        <message>
            <source>Sharpness</source>
            <translation>シャープネス</translation>
        </message>
        <message>
            <source>Show &amp;Expo</source>
            <translation>露出を表示(&amp;E)</translation>
        </message>
        <message>
            <source>Show &amp;Times</source>
            <translation>時間を表示(&amp;T)</translation>
        </message>
        <message>
            <source>Show QScale</source>
            <translation>QScaleを表示</translation>
        </message>
        <message>
            <source>Shutdown Delay</source>
            <translation>シャットダウン遅延</translation>
        </message>
        <message>
            <source>Skip</source>
            <translation>間引き</translation>
        </message>
        <message>
            <source>Slow</source>
            <translation>低速</translation>
        </message>
        <message>
            <source>Slow Semi</source>
            <translation>低速・半自動</translation>
        </message>
        <message>
            <source>Space	pause or resume
Right, +	next frame
Left, -	previous frame
F11	full screen (Escape leaves it)
Escape	clear the playlist, when it has the focus
Ctrl+Z	bring the cleared playlist back
Ctrl+O	open recordings
Ctrl+Q	exit</source>
            <translation>Space	一時停止／再開
Right, +	次のフレーム
Left, -	前のフレーム
F11	全画面表示（Escape で解除）
Escape	プレイリストをクリア（リストにフォーカスがあるとき）
Ctrl+Z	クリアしたプレイリストを元に戻す
Ctrl+O	録画を開く
Ctrl+Q	終了</translation>
        </message>
        <message>
            <source>Speed</source>
            <translation>速度</translation>
        </message>
        <message>
            <source>Star</source>
            <translation>星明かり</translation>
        </message>
        <message>
            <source>Statistics</source>
            <translation>統計</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>停止</translation>
        </message>
        <message>
            <source>Stop Search</source>
            <translation>検索を停止</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>スイッチ位置</translation>
        </message>
        <message>
            <source>System Time</source>
            <translation>システム時刻</translation>
        </message>
        <message>
            <source>System Time + 1 Min.</source>
            <translation>システム時刻 + 1 分</translation>
        </message>
        <message>
            <source>System Time + 5 Min.</source>
            <translation>システム時刻 + 5 分</translation>
        </message>
        <message>
            <source>TKM Pause on Stop (don't reset movie)</source>
            <translation>TKM 停止時は一時停止（動画をリセットしない）</translation>
        </message>
        <message>
            <source>TKM Restart</source>
            <translation>TKMを最初から再生</translation>
        </message>
        <message>
            <source>TKM-Mode Debug Options</source>
            <translation>TKMモードのデバッグオプション</translation>
        </message>
        <message>
            <source>Temp:</source>
            <translation>温度:</translation>
        </message>
        <message>
            <source>Threshold</source>
            <translation>しきい値</translation>
        </message>
        <message>
            <source>Time Stamp</source>
            <translation>タイムスタンプ</translation>
        </message>
        <message>
            <source>Timelapse</source>
            <translation>タイムラプス</translation>
        </message>
        <message>
            <source>Timer Start</source>
            <translation>タイマー開始</translation>
        </message>
        <message>
            <source>Timer Stop</source>
            <translation>タイマー終了</translation>
        </message>
        <message>
            <source>Twilight</source>
            <translation>薄暮</translation>
        </message>
        <message>
            <source>Unknown Format</source>
            <translation>不明な形式</translation>
        </message>
        <message>
            <source>Var zoom</source>
            <translation>可変ズーム</translation>
        </message>
        <message>
            <source>Version %1.%2.%3.%4</source>
            <translation>バージョン %1.%2.%3.%4</translation>
        </message>
        <message>
            <source>WB Mode</source>
            <translation>ホワイトバランス</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>はい</translation>
        </message>
        <message>
            <source>Zoom = %1</source>
            <translation>ズーム = %1</translation>
        </message>
        <message>
            <source>Zoom = %1.%2</source>
            <translation>ズーム = %1.%2</translation>
        </message>
        <message>
            <source>Zoom = Variable</source>
            <translation>ズーム = 可変</translation>
        </message>
        <message>
            <source>[none]</source>
            <translation>[なし]</translation>
        </message>
        <message>
            <source>chg luma &gt; n</source>
            <translation>輝度変化 &gt; n</translation>
        </message>
        <message>
            <source>days: %1
%2:%3:%4</source>
            <translation>%1 日
%2:%3:%4</translation>
        </message>
        <message>
            <source>n/a</source>
            <translation>なし</translation>
        </message>
        <message>
            <source>tbd</source>
            <translation>未定</translation>
        </message>
    </context>
</TS>
