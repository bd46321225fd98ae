<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>qvplay</name>
        <message>
            <source>%1 Cloudy</source>
            <translation>%1 阴天</translation>
        </message>
        <message>
            <source>%1 Daylight</source>
            <translation>%1 日光</translation>
        </message>
        <message>
            <source>%1 Fluor(cool)</source>
            <translation>%1 荧光灯(冷白)</translation>
        </message>
        <message>
            <source>%1 Fluor(warm)</source>
            <translation>%1 荧光灯(暖白)</translation>
        </message>
        <message>
            <source>%1 Incandescent</source>
            <translation>%1 白炽灯</translation>
        </message>
        <message>
            <source>%1 Shadow</source>
            <translation>%1 阴影</translation>
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
            <translation>关于(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Camera Settings</source>
            <translation>相机设置(&amp;C)</translation>
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
            <translation>诊断(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>编辑(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Embed Timestamp</source>
            <translation>嵌入时间戳(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Export</source>
            <translation>导出(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Exposure Lock</source>
            <translation>曝光锁定(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>文件(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Flash Drive</source>
            <translation>U 盘(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Full Screen</source>
            <translation>全屏(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>帮助(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;Hours</source>
            <translation>小时(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;Keyboard</source>
            <translation>快捷键(&amp;K)</translation>
        </message>
        <message>
            <source>&amp;Looping</source>
            <translation>循环录像(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Minutes</source>
            <translation>分钟(&amp;M)</translation>
        </message>
        <message>
            <source>&amp;Next</source>
            <translation>下一个(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;None</source>
            <translation>无(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;OK</source>
            <translation>确定(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>打开(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Options</source>
            <translation>选项(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Previous</source>
            <translation>上一个(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Save Current</source>
            <translation>保存当前帧(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Seconds</source>
            <translation>秒(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>撤销(&amp;U)</translation>
        </message>
        <message>
            <source>0 - None</source>
            <translation>0 - 无</translation>
        </message>
        <message>
            <source>1 - Buffer-wide LPF</source>
            <translation>1 - 全缓冲区 LPF</translation>
        </message>
        <message>
            <source>1X zoom</source>
            <translation>1 倍缩放</translation>
        </message>
        <message>
            <source>2 - TKC Filter</source>
            <translation>2 - TKC 滤波器</translation>
        </message>
        <message>
            <source>2X zoom</source>
            <translation>2 倍缩放</translation>
        </message>
        <message>
            <source>A change of the whole picture's brightness (a cloud, an exposure step) is not motion</source>
            <translation>整个画面的明暗变化（如云影、曝光调整）不视为移动</translation>
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
            <translation>AVI 视频</translation>
        </message>
        <message>
            <source>AWB Samples</source>
            <translation>AWB 采样数</translation>
        </message>
        <message>
            <source>About</source>
            <translation>关于</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>自动</translation>
        </message>
        <message>
            <source>Backward 1 Frame</source>
            <translation>逐帧后退</translation>
        </message>
        <message>
            <source>Bad Frms:</source>
            <translation>坏帧：</translation>
        </message>
        <message>
            <source>Band Filter</source>
            <translation>防闪烁</translation>
        </message>
        <message>
            <source>Banding Filter</source>
            <translation>防闪烁</translation>
        </message>
        <message>
            <source>Batt</source>
            <translation>电池</translation>
        </message>
        <message>
            <source>Best</source>
            <translation>最佳</translation>
        </message>
        <message>
            <source>Better</source>
            <translation>较好</translation>
        </message>
        <message>
            <source>Breakpoint</source>
            <translation>断点</translation>
        </message>
        <message>
            <source>C&amp;ancel</source>
            <translation>取消(&amp;A)</translation>
        </message>
        <message>
            <source>Camera Model:  </source>
            <translation>相机型号：</translation>
        </message>
        <message>
            <source>Camera Settings</source>
            <translation>相机设置</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Capture Date</source>
            <translation>拍摄日期</translation>
        </message>
        <message>
            <source>Capture Interval</source>
            <translation>拍摄间隔</translation>
        </message>
        <message>
            <source>Capture Time</source>
            <translation>拍摄时间</translation>
        </message>
        <message>
            <source>Choose folder...</source>
            <translation>选择文件夹...</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>对比度</translation>
        </message>
        <message>
            <source>Could not create directory for Camera Settings.  Please make sure you have selected the USB flash drive and connected it to the PC</source>
            <translation>无法创建相机设置文件夹。请确认已选择 U 盘，并已将其连接到电脑。</translation>
        </message>
        <message>
            <source>Custom Expo</source>
            <translation>自定义曝光</translation>
        </message>
        <message>
            <source>Daylight</source>
            <translation>白天</translation>
        </message>
        <message>
            <source>DeBlock Method</source>
            <translation>去块方式</translation>
        </message>
        <message>
            <source>Deblock</source>
            <translation>去块</translation>
        </message>
        <message>
            <source>Diagnostics</source>
            <translation>诊断</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>禁用</translation>
        </message>
        <message>
            <source>Display Bad Frames</source>
            <translation>显示坏帧</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>完成</translation>
        </message>
        <message>
            <source>Dump RTC Data</source>
            <translation>转储 RTC 数据</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>退出(&amp;X)</translation>
        </message>
        <message>
            <source>Elapsed Time</source>
            <translation>经过时间</translation>
        </message>
        <message>
            <source>Enable TKM Single Step</source>
            <translation>启用 TKM 单步执行</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>错误</translation>
        </message>
        <message>
            <source>Event Number</source>
            <translation>事件编号</translation>
        </message>
        <message>
            <source>Exp Type (TTL Only)</source>
            <translation>曝光类型（仅 TTL）</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>导出</translation>
        </message>
        <message>
            <source>Export As</source>
            <translation>导出格式</translation>
        </message>
        <message>
            <source>Export Segment</source>
            <translation>导出片段</translation>
        </message>
        <message>
            <source>Exporting %1 frames</source>
            <translation>正在导出 %1 帧</translation>
        </message>
        <message>
            <source>Exposure</source>
            <translation>曝光</translation>
        </message>
        <message>
            <source>Extracting ...</source>
            <translation>正在导出...</translation>
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
            <translation>快速半自动</translation>
        </message>
        <message>
            <source>File Does Not Contain Any Frames</source>
            <translation>文件中没有任何帧</translation>
        </message>
        <message>
            <source>File Not Found</source>
            <translation>找不到文件</translation>
        </message>
        <message>
            <source>FireFly</source>
            <translation>萤火虫</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>固件</translation>
        </message>
        <message>
            <source>First</source>
            <translation>起始帧</translation>
        </message>
        <message>
            <source>Flash Drive</source>
            <translation>U 盘</translation>
        </message>
        <message>
            <source>Focus Score</source>
            <translation>对焦分数</translation>
        </message>
        <message>
            <source>Force &amp;B&amp;&amp;W</source>
            <translation>强制黑白(&amp;B)</translation>
        </message>
        <message>
            <source>Forward 1 Frame</source>
            <translation>逐帧前进</translation>
        </message>
        <message>
            <source>Found</source>
            <translation>已找到</translation>
        </message>
        <message>
            <source>Frame %1</source>
            <translation>第 %1 帧</translation>
        </message>
        <message>
            <source>Frames = %1</source>
            <translation>帧数 = %1</translation>
        </message>
        <message>
            <source>Galaxy</source>
            <translation>银河</translation>
        </message>
        <message>
            <source>Get Focus Score</source>
            <translation>获取对焦分数</translation>
        </message>
        <message>
            <source>Good</source>
            <translation>良好</translation>
        </message>
        <message>
            <source>HDR Range</source>
            <translation>HDR 范围</translation>
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
            <translation>忽略明暗变化</translation>
        </message>
        <message>
            <source>Image Quality</source>
            <translation>画质</translation>
        </message>
        <message>
            <source>JPEG EOI Check</source>
            <translation>JPEG EOI 检查</translation>
        </message>
        <message>
            <source>JPG sequence</source>
            <translation>JPG 图片序列</translation>
        </message>
        <message>
            <source>KMX Debug Info</source>
            <translation>KMX 调试信息</translation>
        </message>
        <message>
            <source>Keyboard</source>
            <translation>快捷键</translation>
        </message>
        <message>
            <source>LED Display</source>
            <translation>LED 显示</translation>
        </message>
        <message>
            <source>Last</source>
            <translation>结束帧</translation>
        </message>
        <message>
            <source>Low</source>
            <translation>低</translation>
        </message>
        <message>
            <source>Low Light Rec</source>
            <translation>低照度录像</translation>
        </message>
        <message>
            <source>Luma</source>
            <translation>亮度</translation>
        </message>
        <message>
            <source>Mark End of Exported Segment</source>
            <translation>标记导出片段的终点</translation>
        </message>
        <message>
            <source>Mark Start of Exported Segment</source>
            <translation>标记导出片段的起点</translation>
        </message>
        <message>
            <source>Medium</source>
            <translation>中</translation>
        </message>
        <message>
            <source>Min Batt</source>
            <translation>电池最低值</translation>
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
            <translation>移动侦测</translation>
        </message>
        <message>
            <source>Motion Search</source>
            <translation>移动侦测搜索</translation>
        </message>
        <message>
            <source>Movie Info</source>
            <translation>视频信息</translation>
        </message>
        <message>
            <source>Next Event</source>
            <translation>下一个事件</translation>
        </message>
        <message>
            <source>Night</source>
            <translation>夜间</translation>
        </message>
        <message>
            <source>No</source>
            <translation>否</translation>
        </message>
        <message>
            <source>None</source>
            <translation>无</translation>
        </message>
        <message>
            <source>Not known</source>
            <translation>未知</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>On</source>
            <translation>开启</translation>
        </message>
        <message>
            <source>PIR Active</source>
            <translation>PIR 触发</translation>
        </message>
        <message>
            <source>PIR Seek</source>
            <translation>PIR 事件搜索</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>暂停</translation>
        </message>
        <message>
            <source>Phys Exp</source>
            <translation>实际曝光</translation>
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
            <translation>播放列表</translation>
        </message>
        <message>
            <source>Playback speed</source>
            <translation>播放速度</translation>
        </message>
        <message>
            <source>Position in the recording: drag to seek</source>
            <translation>录像中的位置：拖动即可跳转</translation>
        </message>
        <message>
            <source>Prev Event</source>
            <translation>上一个事件</translation>
        </message>
        <message>
            <source>Quillo Video Player</source>
            <translation>Quillo Video Player</translation>
        </message>
        <message>
            <source>R,G,B Avg</source>
            <translation>R,G,B 平均值</translation>
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
            <translation>报告正常帧</translation>
        </message>
        <message>
            <source>Retries</source>
            <translation>重试次数</translation>
        </message>
        <message>
            <source>Retries &gt; n</source>
            <translation>重试次数 &gt; n</translation>
        </message>
        <message>
            <source>Saturation</source>
            <translation>饱和度</translation>
        </message>
        <message>
            <source>Scene</source>
            <translation>场景</translation>
        </message>
        <message>
            <source>Search Backward</source>
            <translation>反向搜索</translation>
        </message>
        <message>
            <source>Search Baclward</source>
            <translation>反向搜索</translation>
        </message>
        <message>
            <source>Search Forward</source>
            <translation>正向搜索</translation>
        </message>
        <message>
            <source>Search Inactive</source>
            <translation>搜索未启动</translation>
        </message>
        <message>
            <source>Seek</source>
            <translation>进度</translation>
        </message>
        <message>
            <source>Select</source>
            <translation>选择</translation>
        </message>
        <message>
            <source>Set &amp;Time to</source>
            <translation>时间设为(&amp;T)</translation>
        </message>
        <message>
            <source>Sharpness</source>
            <translation>锐度</translation>
        </message>
        <message>
            <source>Show &amp;Expo</source>
            <translation>显示曝光(&amp;E)</translation>
        </message>
        <message>
            <source>Show &amp;Times</source>
            <translation>显示时间(&amp;T)</translation>
        </message>
        <message>
            <source>Show QScale</source>
            <translation>显示 QScale</translation>
        </message>
        <message>
            <source>Shutdown Delay</source>
            <translation>关机延迟</translation>
        </message>
        <message>
            <source>Skip</source>
            <translation>跳帧</translation>
        </message>
        <message>
            <source>Slow</source>
            <translation>慢速</translation>
        </message>
        <message>
            <source>Slow Semi</source>
            <translation>慢速半自动</translation>
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
            <translation>Space	暂停或继续播放
Right, +	下一帧
Left, -	上一帧
F11	全屏（按 Escape 退出）
Escape	清除播放列表（播放列表获得焦点时）
Ctrl+Z	恢复已清除的播放列表
Ctrl+O	打开录像
Ctrl+Q	退出</translation>
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
            <translation>统计</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>停止</translation>
        </message>
        <message>
            <source>Stop Search</source>
            <translation>停止搜索</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>开关位置</translation>
        </message>
        <message>
            <source>System Time</source>
            <translation>系统时间</translation>
        </message>
        <message>
            <source>System Time + 1 Min.</source>
            <translation>系统时间 + 1 分钟</translation>
        </message>
        <message>
            <source>System Time + 5 Min.</source>
            <translation>系统时间 + 5 分钟</translation>
        </message>
        <message>
            <source>TKM Pause on Stop (don't reset movie)</source>
            <translation>TKM 停止时暂停（不重置视频）</translation>
        </message>
        <message>
            <source>TKM Restart</source>
            <translation>TKM 重新开始</translation>
        </message>
        <message>
            <source>TKM-Mode Debug Options</source>
            <translation>TKM 模式调试选项</translation>
        </message>
        <message>
            <source>Temp:</source>
            <translation>温度：</translation>
        </message>
        <message>
            <source>Threshold</source>
            <translation>阈值</translation>
        </message>
        <message>
            <source>Time Stamp</source>
            <translation>时间戳</translation>
        </message>
        <message>
            <source>Timelapse</source>
            <translation>延时摄影</translation>
        </message>
        <message>
            <source>Timer Start</source>
            <translation>定时开始</translation>
        </message>
        <message>
            <source>Timer Stop</source>
            <translation>定时结束</translation>
        </message>
        <message>
            <source>Twilight</source>
            <translation>黄昏</translation>
        </message>
        <message>
            <source>Unknown Format</source>
            <translation>未知格式</translation>
        </message>
        <message>
            <source>Var zoom</source>
            <translation>可变缩放</translation>
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
            <translation>缩放 = %1</translation>
        </message>
        <message>
            <source>Zoom = %1.%2</source>
            <translation>缩放 = %1.%2</translation>
        </message>
        <message>
            <source>Zoom = Variable</source>
            <translation>缩放 = 可变</translation>
        </message>
        <message>
            <source>[none]</source>
            <translation>[无]</translation>
        </message>
        <message>
            <source>chg luma &gt; n</source>
            <translation>亮度变化 &gt; n</translation>
        </message>
        <message>
            <source>days: %1
%2:%3:%4</source>
            <translation>%1 天
%2:%3:%4</translation>
        </message>
        <message>
            <source>n/a</source>
            <translation>无</translation>
        </message>
        <message>
            <source>tbd</source>
            <translation>待定</translation>
        </message>
    </context>
</TS>
