<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
    <context>
        <name>qvplay</name>
        <message>
            <source>%1 Cloudy</source>
            <translation>%1 陰天</translation>
        </message>
        <message>
            <source>%1 Daylight</source>
            <translation>%1 日光</translation>
        </message>
        <message>
            <source>%1 Fluor(cool)</source>
            <translation>%1 螢光燈(冷白)</translation>
        </message>
        <message>
            <source>%1 Fluor(warm)</source>
            <translation>%1 螢光燈(暖白)</translation>
        </message>
        <message>
            <source>%1 Incandescent</source>
            <translation>%1 白熾燈</translation>
        </message>
        <message>
            <source>%1 Shadow</source>
            <translation>%1 陰影</translation>
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
            <translation>關於(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Camera Settings</source>
            <translation>相機設定(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>取消(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Clear</source>
            <translation>清除(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Diagnostics</source>
            <translation>診斷(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>編輯(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Embed Timestamp</source>
            <translation>嵌入時間戳記(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Export</source>
            <translation>匯出(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Exposure Lock</source>
            <translation>曝光鎖定(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>檔案(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Flash Drive</source>
            <translation>隨身碟(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Full Screen</source>
            <translation>全螢幕(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>說明(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;Hours</source>
            <translation>小時(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;Keyboard</source>
            <translation>快速鍵(&amp;K)</translation>
        </message>
        <message>
            <source>&amp;Looping</source>
            <translation>循環錄影(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Minutes</source>
            <translation>分鐘(&amp;M)</translation>
        </message>
        <message>
            <source>&amp;Next</source>
            <translation>下一個(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;None</source>
            <translation>無(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;OK</source>
            <translation>確定(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>開啟(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Options</source>
            <translation>選項(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Previous</source>
            <translation>上一個(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Save Current</source>
            <translation>儲存目前影格(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Seconds</source>
            <translation>秒(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>復原(&amp;U)</translation>
        </message>
        <message>
            <source>0 - None</source>
            <translation>0 - 無</translation>
        </message>
        <message>
            <source>1 - Buffer-wide LPF</source>
            <translation>1 - 整個緩衝區 LPF</translation>
        </message>
        <message>
            <source>1X zoom</source>
            <translation>1 倍縮放</translation>
        </message>
        <message>
            <source>2 - TKC Filter</source>
            <translation>2 - TKC 濾波器</translation>
        </message>
        <message>
            <source>2X zoom</source>
            <translation>2 倍縮放</translation>
        </message>
        <message>
            <source>A change of the whole picture's brightness (a cloud, an exposure step) is not motion</source>
            <translation>整個畫面的明暗變化（如雲影、曝光調整）不視為動態</translation>
        </message>
        <message>
            <source>AE Gain</source>
            <translation>AE 增益</translation>
        </message>
        <message>
            <source>ASAP</source>
            <translation>最快</translation>
        </message>
        <message>
            <source>AVI movie</source>
            <translation>AVI 影片</translation>
        </message>
        <message>
            <source>AWB Samples</source>
            <translation>AWB 取樣數</translation>
        </message>
        <message>
            <source>About</source>
            <translation>關於</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>自動</translation>
        </message>
        <message>
            <source>Backward 1 Frame</source>
            <translation>逐格後退</translation>
        </message>
        <message>
            <source>Bad Frms:</source>
            <translation>壞影格：</translation>
        </message>
        <message>
            <source>Band Filter</source>
            <translation>防閃爍</translation>
        </message>
        <message>
            <source>Banding Filter</source>
            <translation>防閃爍</translation>
        </message>
        <message>
            <source>Batt</source>
            <translation>電池</translation>
        </message>
        <message>
            <source>Best</source>
            <translation>最佳</translation>
        </message>
        <message>
            <source>Better</source>
            <translation>較佳</translation>
        </message>
        <message>
            <source>Breakpoint</source>
            <translation>中斷點</translation>
        </message>
        <message>
            <source>C&amp;ancel</source>
            <translation>取消(&amp;A)</translation>
        </message>
        <message>
            <source>Camera Model:  </source>
            <translation>相機型號：</translation>
        </message>
        <message>
            <source>Camera Settings</source>
            <translation>相機設定</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Capture Date</source>
            <translation>拍攝日期</translation>
        </message>
        <message>
            <source>Capture Interval</source>
            <translation>拍攝間隔</translation>
        </message>
        <message>
            <source>Capture Time</source>
            <translation>拍攝時間</translation>
        </message>
        <message>
            <source>Choose folder...</source>
            <translation>選擇資料夾...</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>對比度</translation>
        </message>
        <message>
            <source>Could not create directory for Camera Settings.  Please make sure you have selected the USB flash drive and connected it to the PC</source>
            <translation>無法建立相機設定的資料夾。請確認已選取 USB 隨身碟，並已將它連接到電腦。</translation>
        </message>
        <message>
            <source>Custom Expo</source>
            <translation>自訂曝光</translation>
        </message>
        <message>
            <source>Daylight</source>
            <translation>白天</translation>
        </message>
        <message>
            <source>DeBlock Method</source>
            <translation>去區塊方式</translation>
        </message>
        <message>
            <source>Deblock</source>
            <translation>去區塊</translation>
        </message>
        <message>
            <source>Diagnostics</source>
            <translation>診斷</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>停用</translation>
        </message>
        <message>
            <source>Display Bad Frames</source>
            <translation>顯示壞影格</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>完成</translation>
        </message>
        <message>
            <source>Dump RTC Data</source>
            <translation>傾印 RTC 資料</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>結束(&amp;X)</translation>
        </message>
        <message>
            <source>Elapsed Time</source>
            <translation>經過時間</translation>
        </message>
        <message>
            <source>Enable TKM Single Step</source>
            <translation>啟用 TKM 單步執行</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>錯誤</translation>
        </message>
        <message>
            <source>Event Number</source>
            <translation>事件編號</translation>
        </message>
        <message>
            <source>Exp Type (TTL Only)</source>
            <translation>曝光類型（僅 TTL）</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>匯出</translation>
        </message>
        <message>
            <source>Export As</source>
            <translation>匯出格式</translation>
        </message>
        <message>
            <source>Export Segment</source>
            <translation>匯出片段</translation>
        </message>
        <message>
            <source>Exporting %1 frames</source>
            <translation>正在匯出 %1 個影格</translation>
        </message>
        <message>
            <source>Exposure</source>
            <translation>曝光</translation>
        </message>
        <message>
            <source>Extracting ...</source>
            <translation>正在匯出...</translation>
        </message>
        <message>
            <source>FPGA</source>
            <translation>FPGA</translation>
        </message>
        <message>
            <source>FPGA Rev</source>
            <translation>FPGA 版本</translation>
        </message>
        <message>
            <source>FW Rev</source>
            <translation>FW 版本</translation>
        </message>
        <message>
            <source>Fast</source>
            <translation>快速</translation>
        </message>
        <message>
            <source>Fast Semi</source>
            <translation>快速半自動</translation>
        </message>
        <message>
            <source>File Does Not Contain Any Frames</source>
            <translation>檔案中沒有任何影格</translation>
        </message>
        <message>
            <source>File Not Found</source>
            <translation>找不到檔案</translation>
        </message>
        <message>
            <source>FireFly</source>
            <translation>螢火蟲</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>韌體</translation>
        </message>
        <message>
            <source>First</source>
            <translation>起始影格</translation>
        </message>
        <message>
            <source>Flash Drive</source>
            <translation>隨身碟</translation>
        </message>
        <message>
            <source>Focus Score</source>
            <translation>對焦分數</translation>
        </message>
        <message>
            <source>Force &amp;B&amp;&amp;W</source>
            <translation>強制黑白(&amp;B)</translation>
        </message>
        <message>
            <source>Forward 1 Frame</source>
            <translation>逐格前進</translation>
        </message>
        <message>
            <source>Found</source>
            <translation>已找到</translation>
        </message>
        <message>
            <source>Frame %1</source>
            <translation>影格 %1</translation>
        </message>
        <message>
            <source>Frames = %1</source>
            <translation>影格數 = %1</translation>
        </message>
        <message>
            <source>Galaxy</source>
            <translation>銀河</translation>
        </message>
        <message>
            <source>Get Focus Score</source>
            <translation>取得對焦分數</translation>
        </message>
        <message>
            <source>Good</source>
            <translation>良好</translation>
        </message>
        <message>
            <source>HDR Range</source>
            <translation>HDR 範圍</translation>
        </message>
        <message>
            <source>High</source>
            <translation>高</translation>
        </message>
        <message>
            <source>Hybrid</source>
            <translation>混合</translation>
        </message>
        <message>
            <source>Ignore brightness</source>
            <translation>忽略明暗變化</translation>
        </message>
        <message>
            <source>Image Quality</source>
            <translation>畫質</translation>
        </message>
        <message>
            <source>JPEG EOI Check</source>
            <translation>JPEG EOI 檢查</translation>
        </message>
        <message>
            <source>JPG sequence</source>
            <translation>JPG 影像序列</translation>
        </message>
        <message>
            <source>KMX Debug Info</source>
            <translation>KMX 除錯資訊</translation>
        </message>
        <message>
            <source>Keyboard</source>
            <translation>快速鍵</translation>
        </message>
        <message>
            <source>LED Display</source>
            <translation>LED 顯示</translation>
        </message>
        <message>
            <source>Last</source>
            <translation>結束影格</translation>
        </message>
        <message>
            <source>Low</source>
            <translation>低</translation>
        </message>
        <message>
            <source>Low Light Rec</source>
            <translation>低光源錄影</translation>
        </message>
        <message>
            <source>Luma</source>
            <translation>亮度</translation>
        </message>
        <message>
            <source>Mark End of Exported Segment</source>
            <translation>標記匯出片段的結尾</translation>
        </message>
        <message>
            <source>Mark Start of Exported Segment</source>
            <translation>標記匯出片段的開頭</translation>
        </message>
        <message>
            <source>Medium</source>
            <translation>中</translation>
        </message>
        <message>
            <source>Min Batt</source>
            <translation>電池最低值</translation>
        </message>
        <message>
            <source>Mode</source>
            <translation>模式</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>月光</translation>
        </message>
        <message>
            <source>Motion</source>
            <translation>動態偵測</translation>
        </message>
        <message>
            <source>Motion Search</source>
            <translation>動態搜尋</translation>
        </message>
        <message>
            <source>Movie Info</source>
            <translation>影片資訊</translation>
        </message>
        <message>
            <source>Next Event</source>
            <translation>下一個事件</translation>
        </message>
        <message>
            <source>Night</source>
            <translation>夜間</translation>
        </message>
        <message>
            <source>No</source>
            <translation>否</translation>
        </message>
        <message>
            <source>None</source>
            <translation>無</translation>
        </message>
        <message>
            <source>Not known</source>
            <translation>未知</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>確定</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>關閉</translation>
        </message>
        <message>
            <source>On</source>
            <translation>開啟</translation>
        </message>
        <message>
            <source>PIR Active</source>
            <translation>PIR 觸發</translation>
        </message>
        <message>
            <source>PIR Seek</source>
            <translation>PIR 事件搜尋</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>暫停</translation>
        </message>
        <message>
            <source>Phys Exp</source>
            <translation>實際曝光</translation>
        </message>
        <message>
            <source>Play Backward</source>
            <translation>反向播放</translation>
        </message>
        <message>
            <source>Play Forward</source>
            <translation>正向播放</translation>
        </message>
        <message>
            <source>PlayList</source>
            <translation>播放清單</translation>
        </message>
        <message>
            <source>Playback speed</source>
            <translation>播放速度</translation>
        </message>
        <message>
            <source>Position in the recording: drag to seek</source>
            <translation>錄影中的位置：拖曳即可跳到該處</translation>
        </message>
        <message>
            <source>Prev Event</source>
            <translation>上一個事件</translation>
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
            <translation>R,G,B 增益</translation>
        </message>
        <message>
            <source>Raw Expo</source>
            <translation>原始曝光</translation>
        </message>
        <message>
            <source>Report Good Frames</source>
            <translation>回報正常影格</translation>
        </message>
        <message>
            <source>Retries</source>
            <translation>重試次數</translation>
        </message>
        <message>
            <source>Retries &gt; n</source>
            <translation>重試次數 &gt; n</translation>
        </message>
        <message>
            <source>Saturation</source>
            <translation>飽和度</translation>
        </message>
        <message>
            <source>Scene</source>
            <translation>場景</translation>
        </message>
        <message>
            <source>Search Backward</source>
            <translation>反向搜尋</translation>
        </message>
        <message>
            <source>Search Baclward</source>
            <translation>反向搜尋</translation>
        </message>
        <message>
            <source>Search Forward</source>
            <translation>正向搜尋</translation>
        </message>
        <message>
            <source>Search Inactive</source>
            <translation>搜尋未啟動</translation>
        </message>
        <message>
            <source>Seek</source>
            <translation>進度</translation>
        </message>
        <message>
            <source>Select</source>
            <translation>選取</translation>
        </message>
        <message>
            <source>Set &amp;Time to</source>
            <translation>時間設為(&amp;T)</translation>
        </message>
        <message>
            <source>Sharpness</source>
            <translation>銳利度</translation>
        </message>
        <message>
            <source>Show &amp;Expo</source>
            <translation>顯示曝光(&amp;E)</translation>
        </message>
        <message>
            <source>Show &amp;Times</source>
            <translation>顯示時間(&amp;T)</translation>
        </message>
        <message>
            <source>Show QScale</source>
            <translation>顯示 QScale</translation>
        </message>
        <message>
            <source>Shutdown Delay</source>
            <translation>關機延遲</translation>
        </message>
        <message>
            <source>Skip</source>
            <translation>略過影格</translation>
        </message>
        <message>
            <source>Slow</source>
            <translation>慢速</translation>
        </message>
        <message>
            <source>Slow Semi</source>
            <translation>慢速半自動</translation>
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
            <translation>Space	暫停或繼續播放
Right, +	下一個影格
Left, -	上一個影格
F11	全螢幕（按 Escape 離開）
Escape	清除播放清單（播放清單為焦點時）
Ctrl+Z	復原已清除的播放清單
Ctrl+O	開啟錄影檔
Ctrl+Q	結束</translation>
        </message>
        <message>
            <source>Speed</source>
            <translation>速度</translation>
        </message>
        <message>
            <source>Star</source>
            <translation>星光</translation>
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
            <translation>停止搜尋</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>開關位置</translation>
        </message>
        <message>
            <source>System Time</source>
            <translation>系統時間</translation>
        </message>
        <message>
            <source>System Time + 1 Min.</source>
            <translation>系統時間 + 1 分鐘</translation>
        </message>
        <message>
            <source>System Time + 5 Min.</source>
            <translation>系統時間 + 5 分鐘</translation>
        </message>
        <message>
            <source>TKM Pause on Stop (don't reset movie)</source>
            <translation>TKM 停止時暫停（不重設影片）</translation>
        </message>
        <message>
            <source>TKM Restart</source>
            <translation>TKM 重新開始</translation>
        </message>
        <message>
            <source>TKM-Mode Debug Options</source>
            <translation>TKM 模式除錯選項</translation>
        </message>
        <message>
            <source>Temp:</source>
            <translation>溫度：</translation>
        </message>
        <message>
            <source>Threshold</source>
            <translation>臨界值</translation>
        </message>
        <message>
            <source>Time Stamp</source>
            <translation>時間戳記</translation>
        </message>
        <message>
            <source>Timelapse</source>
            <translation>縮時攝影</translation>
        </message>
        <message>
            <source>Timer Start</source>
            <translation>定時開始</translation>
        </message>
        <message>
            <source>Timer Stop</source>
            <translation>定時結束</translation>
        </message>
        <message>
            <source>Twilight</source>
            <translation>黃昏</translation>
        </message>
        <message>
            <source>Unknown Format</source>
            <translation>無法辨識的格式</translation>
        </message>
        <message>
            <source>Var zoom</source>
            <translation>可變縮放</translation>
        </message>
        <message>
            <source>Version %1.%2.%3.%4</source>
            <translation>版本 %1.%2.%3.%4</translation>
        </message>
        <message>
            <source>WB Mode</source>
            <translation>白平衡模式</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>是</translation>
        </message>
        <message>
            <source>Zoom = %1</source>
            <translation>縮放 = %1</translation>
        </message>
        <message>
            <source>Zoom = %1.%2</source>
            <translation>縮放 = %1.%2</translation>
        </message>
        <message>
            <source>Zoom = Variable</source>
            <translation>縮放 = 可變</translation>
        </message>
        <message>
            <source>[none]</source>
            <translation>[無]</translation>
        </message>
        <message>
            <source>chg luma &gt; n</source>
            <translation>亮度變化 &gt; n</translation>
        </message>
        <message>
            <source>days: %1
%2:%3:%4</source>
            <translation>%1 天
%2:%3:%4</translation>
        </message>
        <message>
            <source>n/a</source>
            <translation>無</translation>
        </message>
        <message>
            <source>tbd</source>
            <translation>待定</translation>
        </message>
    </context>
</TS>
