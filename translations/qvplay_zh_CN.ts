<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>qvplay</name>
        <message>
            <source>%1 Cloudy</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>%1 Daylight</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>%1 Fluor(cool)</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>%1 Fluor(warm)</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>%1 Incandescent</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>%1 Shadow</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>%1Hz</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;50 Hz</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;60 Hz</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Camera Settings</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Clear</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Diagnostics</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Embed Timestamp</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Export</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Exposure Lock</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Flash Drive</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Full Screen</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Hours</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Keyboard</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Looping</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Minutes</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Next</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;None</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;OK</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Options</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Previous</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Save Current</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Seconds</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>0 - None</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>1 - Buffer-wide LPF</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>1X zoom</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>2 - TKC Filter</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>2X zoom</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>A change of the whole picture's brightness (a cloud, an exposure step) is not motion</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>AE Gain</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>ASAP</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>AVI movie</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>AWB Samples</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>About</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Auto</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Backward 1 Frame</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Bad Frms:</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Band Filter</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Banding Filter</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Batt</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Best</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Better</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Breakpoint</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>C&amp;ancel</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Camera Model:  </source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Camera Settings</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Capture Date</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Capture Interval</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Capture Time</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Could not create directory for Camera Settings.  Please make sure you have selected the USB flash drive and connected it to the PC</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Custom Expo</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Daylight</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>DeBlock Method</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Deblock</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Diagnostics</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Display Bad Frames</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Done</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Dump RTC Data</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Elapsed Time</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Enable TKM Single Step</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Error</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Event Number</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Exp Type (TTL Only)</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Export</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Export As</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Export Segment</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Exporting %1 frames</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Exposure</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Extracting ...</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>FPGA</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>FPGA Rev</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>FW Rev</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Fast</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Fast Semi</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>File Does Not Contain Any Frames</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>File Not Found</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>FireFly</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>First</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Focus Score</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Force &amp;B&amp;&amp;W</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Forward 1 Frame</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Found</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Frame %1</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Frames = %1</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Galaxy</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Get Focus Score</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Good</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>HDR Range</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>High</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Hybrid</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Ignore brightness</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Image Quality</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>JPEG EOI Check</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>JPG sequence</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>KMX Debug Info</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Keyboard</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>LED Display</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Last</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Low</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Low Light Rec</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Luma</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Mark End of Exported Segment</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Mark Start of Exported Segment</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Medium</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Min Batt</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Mode</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Moon</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Motion</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Motion Search</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Movie Info</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Next Event</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Night</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>No</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>None</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Not known</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>OK</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Off</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>On</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>PIR Active</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>PIR Seek</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Pause</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Phys Exp</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Play Backward</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Play Forward</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>PlayList</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Playback speed</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Position in the recording: drag to seek</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Prev Event</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Quillo Video Player</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>R,G,B Avg</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>R,G,B Gain</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Raw Expo</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Report Good Frames</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Retries</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Retries &gt; n</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Saturation</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Scene</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Search Backward</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Search Baclward</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Search Forward</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Search Inactive</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Seek</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Select</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Set &amp;Time to</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Sharpness</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Show &amp;Expo</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Show &amp;Times</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Show QScale</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Shutdown Delay</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Skip</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Slow</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Slow Semi</source>
            <translation type="unfinished"></translation>
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
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Speed</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Star</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Statistics</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Stop</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Stop Search</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Switch</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>System Time</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>System Time + 1 Min.</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>System Time + 5 Min.</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>TKM Pause on Stop (don't reset movie)</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>TKM Restart</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>TKM-Mode Debug Options</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Temp:</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Threshold</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Time Stamp</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Timelapse</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Timer Start</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Timer Stop</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Twilight</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Unknown Format</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Var zoom</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Version 0.1.0.0</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>WB Mode</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Yes</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Zoom = %1</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Zoom = 0.%1</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>Zoom = Variable</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>[none]</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>chg luma &gt; n</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>days: %1
%2:%3:%4</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>n/a</source>
            <translation type="unfinished"></translation>
        </message>
        <message>
            <source>tbd</source>
            <translation type="unfinished"></translation>
        </message>
    </context>
</TS>
