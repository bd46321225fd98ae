<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
    <context>
        <name>qvplay</name>
        <message>
            <source>%1 Cloudy</source>
            <translation>%1 흐림</translation>
        </message>
        <message>
            <source>%1 Daylight</source>
            <translation>%1 태양광</translation>
        </message>
        <message>
            <source>%1 Fluor(cool)</source>
            <translation>%1 형광등(백색)</translation>
        </message>
        <message>
            <source>%1 Fluor(warm)</source>
            <translation>%1 형광등(온백색)</translation>
        </message>
        <message>
            <source>%1 Incandescent</source>
            <translation>%1 백열등</translation>
        </message>
        <message>
            <source>%1 Shadow</source>
            <translation>%1 그늘</translation>
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
            <translation>정보(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Camera Settings</source>
            <translation>카메라 설정(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>취소(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Clear</source>
            <translation>지우기(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Diagnostics</source>
            <translation>진단(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>편집(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Embed Timestamp</source>
            <translation>타임스탬프 삽입(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Export</source>
            <translation>내보내기(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Exposure Lock</source>
            <translation>노출 잠금(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>파일(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Flash Drive</source>
            <translation>USB 드라이브(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Full Screen</source>
            <translation>전체 화면(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>도움말(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;Hours</source>
            <translation>시간(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;Keyboard</source>
            <translation>단축키(&amp;K)</translation>
        </message>
        <message>
            <source>&amp;Looping</source>
            <translation>순환 녹화(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Minutes</source>
            <translation>분(&amp;M)</translation>
        </message>
        <message>
            <source>&amp;Next</source>
            <translation>다음(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;None</source>
            <translation>없음(&amp;N)</translation>
        </message>
        <message>
            <source>&amp;OK</source>
            <translation>확인(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>열기(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Options</source>
            <translation>옵션(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Previous</source>
            <translation>이전(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Save Current</source>
            <translation>현재 프레임 저장(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Seconds</source>
            <translation>초(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>실행 취소(&amp;U)</translation>
        </message>
        <message>
            <source>0 - None</source>
            <translation>0 - 없음</translation>
        </message>
        <message>
            <source>1 - Buffer-wide LPF</source>
            <translation>1 - 버퍼 전체 LPF</translation>
        </message>
        <message>
            <source>1X zoom</source>
            <translation>1배 줌</translation>
        </message>
        <message>
            <source>2 - TKC Filter</source>
            <translation>2 - TKC 필터</translation>
        </message>
        <message>
            <source>2X zoom</source>
            <translation>2배 줌</translation>
        </message>
        <message>
            <source>A change of the whole picture's brightness (a cloud, an exposure step) is not motion</source>
            <translation>화면 전체의 밝기 변화(구름, 노출 단계 변경 등)는 움직임으로 보지 않습니다</translation>
        </message>
        <message>
            <source>AE Gain</source>
            <translation>AE 게인</translation>
        </message>
        <message>
            <source>ASAP</source>
            <translation>최대한 빨리</translation>
        </message>
        <message>
            <source>AVI movie</source>
            <translation>AVI 동영상</translation>
        </message>
        <message>
            <source>AWB Samples</source>
            <translation>AWB 샘플 수</translation>
        </message>
        <message>
            <source>About</source>
            <translation>정보</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>자동</translation>
        </message>
        <message>
            <source>Backward 1 Frame</source>
            <translation>한 프레임 뒤로</translation>
        </message>
        <message>
            <source>Bad Frms:</source>
            <translation>불량 프레임:</translation>
        </message>
        <message>
            <source>Band Filter</source>
            <translation>깜빡임 방지</translation>
        </message>
        <message>
            <source>Banding Filter</source>
            <translation>깜빡임 방지</translation>
        </message>
        <message>
            <source>Batt</source>
            <translation>배터리</translation>
        </message>
        <message>
            <source>Best</source>
            <translation>최상</translation>
        </message>
        <message>
            <source>Better</source>
            <translation>우수</translation>
        </message>
        <message>
            <source>Breakpoint</source>
            <translation>중단점</translation>
        </message>
        <message>
            <source>C&amp;ancel</source>
            <translation>취소(&amp;A)</translation>
        </message>
        <message>
            <source>Camera Model:  </source>
            <translation>카메라 모델:</translation>
        </message>
        <message>
            <source>Camera Settings</source>
            <translation>카메라 설정</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>Capture Date</source>
            <translation>촬영 날짜</translation>
        </message>
        <message>
            <source>Capture Interval</source>
            <translation>촬영 간격</translation>
        </message>
        <message>
            <source>Capture Time</source>
            <translation>촬영 시각</translation>
        </message>
        <message>
            <source>Choose folder...</source>
            <translation>폴더 선택...</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>대비</translation>
        </message>
        <message>
            <source>Could not create directory for Camera Settings.  Please make sure you have selected the USB flash drive and connected it to the PC</source>
            <translation>카메라 설정 폴더를 만들 수 없습니다. USB 드라이브를 선택했는지, PC에 연결했는지 확인하십시오.</translation>
        </message>
        <message>
            <source>Custom Expo</source>
            <translation>사용자 노출</translation>
        </message>
        <message>
            <source>Daylight</source>
            <translation>주간</translation>
        </message>
        <message>
            <source>DeBlock Method</source>
            <translation>디블로킹 방식</translation>
        </message>
        <message>
            <source>Deblock</source>
            <translation>디블로킹</translation>
        </message>
        <message>
            <source>Diagnostics</source>
            <translation>진단</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>사용 안 함</translation>
        </message>
        <message>
            <source>Display Bad Frames</source>
            <translation>불량 프레임 표시</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>완료</translation>
        </message>
        <message>
            <source>Dump RTC Data</source>
            <translation>RTC 데이터 덤프</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>끝내기(&amp;X)</translation>
        </message>
        <message>
            <source>Elapsed Time</source>
            <translation>경과 시간</translation>
        </message>
        <message>
            <source>Enable TKM Single Step</source>
            <translation>TKM 단일 스텝 사용</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>오류</translation>
        </message>
        <message>
            <source>Event Number</source>
            <translation>이벤트 번호</translation>
        </message>
        <message>
            <source>Exp Type (TTL Only)</source>
            <translation>노출 유형(TTL 전용)</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>내보내기</translation>
        </message>
        <message>
            <source>Export As</source>
            <translation>내보내기 형식</translation>
        </message>
        <message>
            <source>Export Segment</source>
            <translation>구간 내보내기</translation>
        </message>
        <message>
            <source>Exporting %1 frames</source>
            <translation>프레임 %1개 내보내는 중</translation>
        </message>
        <message>
            <source>Exposure</source>
            <translation>노출</translation>
        </message>
        <message>
            <source>Extracting ...</source>
            <translation>내보내는 중...</translation>
        </message>
        <message>
            <source>FPGA</source>
            <translation>FPGA</translation>
        </message>
        <message>
            <source>FPGA Rev</source>
            <translation>FPGA 버전</translation>
        </message>
        <message>
            <source>FW Rev</source>
            <translation>FW 버전</translation>
        </message>
        <message>
            <source>Fast</source>
            <translation>빠름</translation>
        </message>
        <message>
            <source>Fast Semi</source>
            <translation>빠름(반자동)</translation>
        </message>
        <message>
            <source>File Does Not Contain Any Frames</source>
            <translation>파일에 프레임이 없습니다</translation>
        </message>
        <message>
            <source>File Not Found</source>
            <translation>파일을 찾을 수 없습니다</translation>
        </message>
        <message>
            <source>FireFly</source>
            <translation>반딧불</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>펌웨어</translation>
        </message>
        <message>
            <source>First</source>
            <translation>시작 프레임</translation>
        </message>
        <message>
            <source>Flash Drive</source>
            <translation>USB 드라이브</translation>
        </message>
        <message>
            <source>Focus Score</source>
            <translation>초점 점수</translation>
        </message>
        <message>
            <source>Force &amp;B&amp;&amp;W</source>
            <translation>흑백 강제 적용(&amp;B)</translation>
        </message>
        <message>
            <source>Forward 1 Frame</source>
            <translation>한 프레임 앞으로</translation>
        </message>
        <message>
            <source>Found</source>
            <translation>찾았습니다</translation>
        </message>
        <message>
            <source>Frame %1</source>
            <translation>프레임 %1</translation>
        </message>
        <message>
            <source>Frames = %1</source>
            <translation>프레임 수 = %1</translation>
        </message>
        <message>
            <source>Galaxy</source>
            <translation>은하</translation>
        </message>
        <message>
            <source>Get Focus Score</source>
            <translation>초점 점수 가져오기</translation>
        </message>
        <message>
            <source>Good</source>
            <translation>양호</translation>
        </message>
        <message>
            <source>HDR Range</source>
            <translation>HDR 범위</translation>
        </message>
        <message>
            <source>High</source>
            <translation>높음</translation>
        </message>
        <message>
            <source>Hybrid</source>
            <translation>하이브리드</translation>
        </message>
        <message>
            <source>Ignore brightness</source>
            <translation>밝기 변화 무시</translation>
        </message>
        <message>
            <source>Image Quality</source>
            <translation>화질</translation>
        </message>
        <message>
            <source>JPEG EOI Check</source>
            <translation>JPEG EOI 검사</translation>
        </message>
        <message>
            <source>JPG sequence</source>
            <translation>JPG 연속 이미지</translation>
        </message>
        <message>
            <source>KMX Debug Info</source>
            <translation>KMX 디버그 정보</translation>
        </message>
        <message>
            <source>Keyboard</source>
            <translation>단축키</translation>
        </message>
        <message>
            <source>LED Display</source>
            <translation>LED 표시</translation>
        </message>
        <message>
            <source>Last</source>
            <translation>끝 프레임</translation>
        </message>
        <message>
            <source>Low</source>
            <translation>낮음</translation>
        </message>
        <message>
            <source>Low Light Rec</source>
            <translation>저조도 녹화</translation>
        </message>
        <message>
            <source>Luma</source>
            <translation>휘도</translation>
        </message>
        <message>
            <source>Mark End of Exported Segment</source>
            <translation>내보낼 구간의 끝 지정</translation>
        </message>
        <message>
            <source>Mark Start of Exported Segment</source>
            <translation>내보낼 구간의 시작 지정</translation>
        </message>
        <message>
            <source>Medium</source>
            <translation>중간</translation>
        </message>
        <message>
            <source>Min Batt</source>
            <translation>최저 배터리</translation>
        </message>
        <message>
            <source>Mode</source>
            <translation>모드</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>달빛</translation>
        </message>
        <message>
            <source>Motion</source>
            <translation>모션</translation>
        </message>
        <message>
            <source>Motion Search</source>
            <translation>모션 검색</translation>
        </message>
        <message>
            <source>Movie Info</source>
            <translation>동영상 정보</translation>
        </message>
        <message>
            <source>Next Event</source>
            <translation>다음 이벤트</translation>
        </message>
        <message>
            <source>Night</source>
            <translation>야간</translation>
        </message>
        <message>
            <source>No</source>
            <translation>아니요</translation>
        </message>
        <message>
            <source>None</source>
            <translation>없음</translation>
        </message>
        <message>
            <source>Not known</source>
            <translation>알 수 없음</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>확인</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>끔</translation>
        </message>
        <message>
            <source>On</source>
            <translation>켬</translation>
        </message>
        <message>
            <source>PIR Active</source>
            <translation>PIR 감지</translation>
        </message>
        <message>
            <source>PIR Seek</source>
            <translation>PIR 이벤트 찾기</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>일시 정지</translation>
        </message>
        <message>
            <source>Phys Exp</source>
            <translation>실제 노출</translation>
        </message>
        <message>
            <source>Play Backward</source>
            <translation>역방향 재생</translation>
        </message>
        <message>
            <source>Play Forward</source>
            <translation>정방향 재생</translation>
        </message>
        <message>
            <source>PlayList</source>
            <translation>재생 목록</translation>
        </message>
        <message>
            <source>Playback speed</source>
            <translation>재생 속도</translation>
        </message>
        <message>
            <source>Position in the recording: drag to seek</source>
            <translation>녹화 내 위치: 드래그하여 이동</translation>
        </message>
        <message>
            <source>Prev Event</source>
            <translation>이전 이벤트</translation>
        </message>
        <message>
            <source>Quillo Video Player</source>
            <translation>Quillo Video Player</translation>
        </message>
        <message>
            <source>R,G,B Avg</source>
            <translation>R,G,B 평균</translation>
        </message>
        <message>
            <source>R,G,B Gain</source>
            <translation>R,G,B 게인</translation>
        </message>
        <message>
            <source>Raw Expo</source>
            <translation>원시 노출</translation>
        </message>
        <message>
            <source>Report Good Frames</source>
            <translation>정상 프레임도 보고</translation>
        </message>
        <message>
            <source>Retries</source>
            <translation>재시도 횟수</translation>
        </message>
        <message>
            <source>Retries &gt; n</source>
            <translation>재시도 횟수 &gt; n</translation>
        </message>
        <message>
            <source>Saturation</source>
            <translation>채도</translation>
        </message>
        <message>
            <source>Scene</source>
            <translation>장면</translation>
        </message>
        <message>
            <source>Search Backward</source>
            <translation>역방향 검색</translation>
        </message>
        <message>
            <source>Search Baclward</source>
            <translation>역방향 검색</translation>
        </message>
        <message>
            <source>Search Forward</source>
            <translation>정방향 검색</translation>
        </message>
        <message>
            <source>Search Inactive</source>
            <translation>검색 대기 중</translation>
        </message>
        <message>
            <source>Seek</source>
            <translation>탐색</translation>
        </message>
        <message>
            <source>Select</source>
            <translation>선택</translation>
        </message>
        <message>
            <source>Set &amp;Time to</source>
            <translation>시간 설정(&amp;T)</translation>
        </message>
        <message>
            <source>Sharpness</source>
            <translation>선명도</translation>
        </message>
        <message>
            <source>Show &amp;Expo</source>
            <translation>노출 표시(&amp;E)</translation>
        </message>
        <message>
            <source>Show &amp;Times</source>
            <translation>시간 표시(&amp;T)</translation>
        </message>
        <message>
            <source>Show QScale</source>
            <translation>QScale 표시</translation>
        </message>
        <message>
            <source>Shutdown Delay</source>
            <translation>종료 지연</translation>
        </message>
        <message>
            <source>Skip</source>
            <translation>건너뛰기</translation>
        </message>
        <message>
            <source>Slow</source>
            <translation>느림</translation>
        </message>
        <message>
            <source>Slow Semi</source>
            <translation>느림(반자동)</translation>
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
            <translation>Space	일시 정지 또는 계속 재생
Right, +	다음 프레임
Left, -	이전 프레임
F11	전체 화면 (Escape 키로 해제)
Escape	재생 목록 지우기 (재생 목록에 포커스가 있을 때)
Ctrl+Z	지운 재생 목록 되돌리기
Ctrl+O	녹화 파일 열기
Ctrl+Q	끝내기</translation>
        </message>
        <message>
            <source>Speed</source>
            <translation>속도</translation>
        </message>
        <message>
            <source>Star</source>
            <translation>별빛</translation>
        </message>
        <message>
            <source>Statistics</source>
            <translation>통계</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>정지</translation>
        </message>
        <message>
            <source>Stop Search</source>
            <translation>검색 중지</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>스위치 위치</translation>
        </message>
        <message>
            <source>System Time</source>
            <translation>시스템 시간</translation>
        </message>
        <message>
            <source>System Time + 1 Min.</source>
            <translation>시스템 시간 + 1분</translation>
        </message>
        <message>
            <source>System Time + 5 Min.</source>
            <translation>시스템 시간 + 5분</translation>
        </message>
        <message>
            <source>TKM Pause on Stop (don't reset movie)</source>
            <translation>TKM 정지 시 일시 정지(동영상 초기화 안 함)</translation>
        </message>
        <message>
            <source>TKM Restart</source>
            <translation>TKM 다시 시작</translation>
        </message>
        <message>
            <source>TKM-Mode Debug Options</source>
            <translation>TKM 모드 디버그 옵션</translation>
        </message>
        <message>
            <source>Temp:</source>
            <translation>온도:</translation>
        </message>
        <message>
            <source>Threshold</source>
            <translation>임계값</translation>
        </message>
        <message>
            <source>Time Stamp</source>
            <translation>타임스탬프</translation>
        </message>
        <message>
            <source>Timelapse</source>
            <translation>타임랩스</translation>
        </message>
        <message>
            <source>Timer Start</source>
            <translation>타이머 시작</translation>
        </message>
        <message>
            <source>Timer Stop</source>
            <translation>타이머 종료</translation>
        </message>
        <message>
            <source>Twilight</source>
            <translation>황혼</translation>
        </message>
        <message>
            <source>Unknown Format</source>
            <translation>알 수 없는 형식</translation>
        </message>
        <message>
            <source>Var zoom</source>
            <translation>가변 줌</translation>
        </message>
        <message>
            <source>Version %1.%2.%3.%4</source>
            <translation>버전 %1.%2.%3.%4</translation>
        </message>
        <message>
            <source>WB Mode</source>
            <translation>화이트 밸런스</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>예</translation>
        </message>
        <message>
            <source>Zoom = %1</source>
            <translation>줌 = %1</translation>
        </message>
        <message>
            <source>Zoom = %1.%2</source>
            <translation>줌 = %1.%2</translation>
        </message>
        <message>
            <source>Zoom = Variable</source>
            <translation>줌 = 가변</translation>
        </message>
        <message>
            <source>[none]</source>
            <translation>[없음]</translation>
        </message>
        <message>
            <source>chg luma &gt; n</source>
            <translation>휘도 변화 &gt; n</translation>
        </message>
        <message>
            <source>days: %1
%2:%3:%4</source>
            <translation>%1일
%2:%3:%4</translation>
        </message>
        <message>
            <source>n/a</source>
            <translation>없음</translation>
        </message>
        <message>
            <source>tbd</source>
            <translation>미정</translation>
        </message>
    </context>
</TS>
