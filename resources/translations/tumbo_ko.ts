<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name></name>
    <message id="button_all">
        <source>All</source>
        <translation>전체</translation>
    </message>
    <message id="button_close">
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message id="button_csv">
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message id="button_event">
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message id="button_load">
        <source>Load</source>
        <translation>불러오기</translation>
    </message>
    <message id="button_log">
        <source>Log</source>
        <translation>로그</translation>
    </message>
    <message id="button_log_search">
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message id="button_normal">
        <source>Normal</source>
        <translation>일반</translation>
    </message>
    <message id="button_play_list">
        <source>Play List</source>
        <translation>재생 목록</translation>
    </message>
    <message id="gui_about_2days">
        <source>About 2 days</source>
        <translation>약 2일</translation>
    </message>
    <message id="gui_about_31days">
        <source>About 31 days</source>
        <translation>약 31일</translation>
    </message>
    <message id="gui_about_7days">
        <source>About 7 days</source>
        <translation>약 7일</translation>
    </message>
    <message id="gui_acc_switch">
        <source>Ignition (ACC)</source>
        <translation>시동 (ACC)</translation>
    </message>
    <message id="gui_alarm_duration">
        <source>Alarm duration</source>
        <translation>경보 시간</translation>
    </message>
    <message id="gui_altitude">
        <source>Altitude</source>
        <translation>고도</translation>
    </message>
    <message id="gui_avi_folder">
        <source>Movie folder</source>
        <translation>동영상 폴더</translation>
    </message>
    <message id="gui_avi_name">
        <source>File name</source>
        <translation>파일 이름</translation>
    </message>
    <message id="gui_avi_range">
        <source>Time range</source>
        <translation>시간 범위</translation>
    </message>
    <message id="gui_back_motion">
        <source>Reversing</source>
        <translation>후진</translation>
    </message>
    <message id="gui_backup">
        <source>Back Up Card Data</source>
        <translation>카드 데이터 백업</translation>
    </message>
    <message id="gui_backup_all">
        <source>Back up everything</source>
        <translation>전체 백업</translation>
    </message>
    <message id="gui_backup_config_file">
        <source>Keep the camera settings</source>
        <translation>카메라 설정 유지</translation>
    </message>
    <message id="gui_backup_folder">
        <source>Backup folder</source>
        <translation>백업 폴더</translation>
    </message>
    <message id="gui_backup_size">
        <source>Backup size</source>
        <translation>백업 크기</translation>
    </message>
    <message id="gui_batt_off">
        <source>Power loss</source>
        <translation>전원 차단</translation>
    </message>
    <message id="gui_beep_record">
        <source>Beep while recording</source>
        <translation>녹화 중 알림음</translation>
    </message>
    <message id="gui_browse">
        <source>Browse…</source>
        <translation>찾아보기…</translation>
    </message>
    <message id="gui_camera_position">
        <source>Camera mounting</source>
        <translation>카메라 장착 방향</translation>
    </message>
    <message id="gui_cancel">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="gui_caption">
        <source>Caption</source>
        <translation>자막</translation>
    </message>
    <message id="gui_car_track">
        <source>Vehicle track</source>
        <translation>주행 경로</translation>
    </message>
    <message id="gui_close">
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message id="gui_codec">
        <source>Codec</source>
        <translation>코덱</translation>
    </message>
    <message id="gui_comment">
        <source>Comment</source>
        <translation>메모</translation>
    </message>
    <message id="gui_course_e">
        <source>E</source>
        <translation>동</translation>
    </message>
    <message id="gui_course_n">
        <source>N</source>
        <translation>북</translation>
    </message>
    <message id="gui_course_ne">
        <source>NE</source>
        <translation>북동</translation>
    </message>
    <message id="gui_course_nw">
        <source>NW</source>
        <translation>북서</translation>
    </message>
    <message id="gui_course_s">
        <source>S</source>
        <translation>남</translation>
    </message>
    <message id="gui_course_se">
        <source>SE</source>
        <translation>남동</translation>
    </message>
    <message id="gui_course_sw">
        <source>SW</source>
        <translation>남서</translation>
    </message>
    <message id="gui_course_w">
        <source>W</source>
        <translation>서</translation>
    </message>
    <message id="gui_csv_folder">
        <source>CSV folder</source>
        <translation>CSV 폴더</translation>
    </message>
    <message id="gui_csv_name">
        <source>File name</source>
        <translation>파일 이름</translation>
    </message>
    <message id="gui_current_image">
        <source>Current picture only</source>
        <translation>현재 이미지만</translation>
    </message>
    <message id="gui_damaged_recording">
        <source>Damaged recording</source>
        <translation>손상된 녹화</translation>
    </message>
    <message id="gui_date">
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message id="gui_date_format">
        <source>Date format</source>
        <translation>날짜 형식</translation>
    </message>
    <message id="gui_date_time">
        <source>Date/Time</source>
        <translation>날짜/시간</translation>
    </message>
    <message id="gui_datetime">
        <source>Date and time</source>
        <translation>날짜 및 시간</translation>
    </message>
    <message id="gui_del_files">
        <source>Deleting Recorded Data</source>
        <translation>녹화 데이터 삭제 중</translation>
    </message>
    <message id="gui_drive_distance">
        <source>Driving Distance</source>
        <translation>주행 거리</translation>
    </message>
    <message id="gui_duration">
        <source>Duration</source>
        <translation>길이</translation>
    </message>
    <message id="gui_event_file">
        <source>Event recording</source>
        <translation>이벤트 녹화</translation>
    </message>
    <message id="gui_event_record">
        <source>Event recording</source>
        <translation>이벤트 녹화</translation>
    </message>
    <message id="gui_event_report">
        <source>Event Report</source>
        <translation>이벤트 보고서</translation>
    </message>
    <message id="gui_event_type">
        <source>Event type</source>
        <translation>이벤트 유형</translation>
    </message>
    <message id="gui_file_name">
        <source>File name</source>
        <translation>파일 이름</translation>
    </message>
    <message id="gui_flip_leftright">
        <source>Mirror left/right</source>
        <translation>좌우 반전</translation>
    </message>
    <message id="gui_flip_leftrightupdown">
        <source>Rotate 180°</source>
        <translation>180° 회전</translation>
    </message>
    <message id="gui_flip_none">
        <source>No flip</source>
        <translation>반전 없음</translation>
    </message>
    <message id="gui_flip_updown">
        <source>Mirror top/bottom</source>
        <translation>상하 반전</translation>
    </message>
    <message id="gui_format_gpx">
        <source>GPX</source>
        <translation>GPX</translation>
    </message>
    <message id="gui_format_kml">
        <source>KML</source>
        <translation>KML</translation>
    </message>
    <message id="gui_format_sdcard">
        <source>Format SD Card</source>
        <translation>SD 카드 포맷</translation>
    </message>
    <message id="gui_fps">
        <source>Frames per second</source>
        <translation>초당 프레임 수</translation>
    </message>
    <message id="gui_frame_no">
        <source>Frame</source>
        <translation>프레임</translation>
    </message>
    <message id="gui_frame_rate">
        <source>Frame rate</source>
        <translation>프레임 속도</translation>
    </message>
    <message id="gui_frame_time">
        <source>Frame time</source>
        <translation>프레임 시간</translation>
    </message>
    <message id="gui_friday">
        <source>Fri</source>
        <translation>금</translation>
    </message>
    <message id="gui_gps_coord">
        <source>Coordinates</source>
        <translation>좌표</translation>
    </message>
    <message id="gui_gps_rec_time">
        <source>GPS recording time</source>
        <translation>GPS 기록 기간</translation>
    </message>
    <message id="gui_gps_signal_invalid">
        <source>No GPS signal</source>
        <translation>GPS 신호 없음</translation>
    </message>
    <message id="gui_gps_speed_over">
        <source>Speed over</source>
        <translation>속도 초과</translation>
    </message>
    <message id="gui_gps_time">
        <source>GPS time</source>
        <translation>GPS 시간</translation>
    </message>
    <message id="gui_gsensor">
        <source>G-sensor</source>
        <translation>G센서</translation>
    </message>
    <message id="gui_gsensor_graph">
        <source>G-sensor graph</source>
        <translation>G센서 그래프</translation>
    </message>
    <message id="gui_gsensor_setting">
        <source>G-sensor</source>
        <translation>G센서</translation>
    </message>
    <message id="gui_gsensor_x">
        <source>X</source>
        <translation>X</translation>
    </message>
    <message id="gui_gsensor_x_over">
        <source>G-sensor X over</source>
        <translation>G센서 X 초과</translation>
    </message>
    <message id="gui_gsensor_y">
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message id="gui_gsensor_y_over">
        <source>G-sensor Y over</source>
        <translation>G센서 Y 초과</translation>
    </message>
    <message id="gui_gsensor_z">
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message id="gui_gsensor_z_over">
        <source>G-sensor Z over</source>
        <translation>G센서 Z 초과</translation>
    </message>
    <message id="gui_high">
        <source>High</source>
        <translation>높음</translation>
    </message>
    <message id="gui_icon_height">
        <source>Track height from</source>
        <translation>경로 높이 기준</translation>
    </message>
    <message id="gui_img_quality">
        <source>Image quality</source>
        <translation>화질</translation>
    </message>
    <message id="gui_img_resolution">
        <source>Resolution</source>
        <translation>해상도</translation>
    </message>
    <message id="gui_information">
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message id="gui_init_sdcard">
        <source>Format Card…</source>
        <translation>카드 포맷…</translation>
    </message>
    <message id="gui_initial_config_file">
        <source>Reset the camera settings</source>
        <translation>카메라 설정 초기화</translation>
    </message>
    <message id="gui_initial_data">
        <source>Reset Data</source>
        <translation>데이터 초기화</translation>
    </message>
    <message id="gui_jpeg_folder">
        <source>Picture folder</source>
        <translation>이미지 폴더</translation>
    </message>
    <message id="gui_kml_convert">
        <source>Export KML Track</source>
        <translation>KML 경로 내보내기</translation>
    </message>
    <message id="gui_kml_folder">
        <source>KML folder</source>
        <translation>KML 폴더</translation>
    </message>
    <message id="gui_latitude">
        <source>Latitude</source>
        <translation>위도</translation>
    </message>
    <message id="gui_line_interval">
        <source>Track point every</source>
        <translation>경로 점 간격</translation>
    </message>
    <message id="gui_list_no">
        <source>No.</source>
        <translation>번호</translation>
    </message>
    <message id="gui_log_file">
        <source>Driving log</source>
        <translation>주행 로그</translation>
    </message>
    <message id="gui_log_report">
        <source>Driving Log Report</source>
        <translation>주행 로그 보고서</translation>
    </message>
    <message id="gui_log_time">
        <source>Log time</source>
        <translation>로그 시간</translation>
    </message>
    <message id="gui_longitude">
        <source>Longitude</source>
        <translation>경도</translation>
    </message>
    <message id="gui_low">
        <source>Low</source>
        <translation>낮음</translation>
    </message>
    <message id="gui_machine_version">
        <source>Camera firmware</source>
        <translation>카메라 펌웨어</translation>
    </message>
    <message id="gui_man_time_setting">
        <source>Set the camera clock</source>
        <translation>카메라 시계 설정</translation>
    </message>
    <message id="gui_map">
        <source>Map</source>
        <translation>지도</translation>
    </message>
    <message id="gui_measure_system">
        <source>Units</source>
        <translation>단위</translation>
    </message>
    <message id="gui_method_knot">
        <source>Nautical (kn)</source>
        <translation>노트 (kn)</translation>
    </message>
    <message id="gui_method_meter">
        <source>Metric (km/h)</source>
        <translation>미터법 (km/h)</translation>
    </message>
    <message id="gui_method_us">
        <source>US (MPH)</source>
        <translation>마일 (MPH)</translation>
    </message>
    <message id="gui_minute">
        <source>min</source>
        <translation>분</translation>
    </message>
    <message id="gui_monday">
        <source>Mon</source>
        <translation>월</translation>
    </message>
    <message id="gui_no">
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message id="gui_no_event_marker">
        <source>No event marks</source>
        <translation>이벤트 표시 없음</translation>
    </message>
    <message id="gui_normal">
        <source>Normal</source>
        <translation>일반</translation>
    </message>
    <message id="gui_normal_file">
        <source>Normal recording</source>
        <translation>일반 녹화</translation>
    </message>
    <message id="gui_normal_record">
        <source>Normal recording</source>
        <translation>일반 녹화</translation>
    </message>
    <message id="gui_ok">
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message id="gui_password">
        <source>Camera PIN</source>
        <translation>카메라 PIN</translation>
    </message>
    <message id="gui_password_setting">
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message id="gui_pc_version">
        <source>Viewer version</source>
        <translation>뷰어 버전</translation>
    </message>
    <message id="gui_point_interval">
        <source>Marker every</source>
        <translation>표시 간격</translation>
    </message>
    <message id="gui_pre_record_time">
        <source>Before/after event</source>
        <translation>이벤트 전/후</translation>
    </message>
    <message id="gui_print_comment">
        <source>Comment</source>
        <translation>메모</translation>
    </message>
    <message id="gui_print_image">
        <source>Print Report</source>
        <translation>보고서 인쇄</translation>
    </message>
    <message id="gui_print_time">
        <source>Printed</source>
        <translation>인쇄 시간</translation>
    </message>
    <message id="gui_print_title">
        <source>Title</source>
        <translation>제목</translation>
    </message>
    <message id="gui_rank2">
        <source>Standard</source>
        <translation>표준</translation>
    </message>
    <message id="gui_rank3">
        <source>Fine</source>
        <translation>고화질</translation>
    </message>
    <message id="gui_rd_detect">
        <source>RD input</source>
        <translation>RD 입력</translation>
    </message>
    <message id="gui_rec_data_delete">
        <source>Delete all recordings and logs</source>
        <translation>모든 녹화와 로그 삭제</translation>
    </message>
    <message id="gui_rec_mode">
        <source>Record mode</source>
        <translation>녹화 모드</translation>
    </message>
    <message id="gui_rec_normal">
        <source>Normal</source>
        <translation>일반</translation>
    </message>
    <message id="gui_rec_onetime">
        <source>Stop when full</source>
        <translation>가득 차면 정지</translation>
    </message>
    <message id="gui_rec_overwrite">
        <source>Overwrite oldest</source>
        <translation>오래된 녹화 덮어쓰기</translation>
    </message>
    <message id="gui_rec_post">
        <source>After event</source>
        <translation>이벤트 후</translation>
    </message>
    <message id="gui_rec_pre">
        <source>Before event</source>
        <translation>이벤트 전</translation>
    </message>
    <message id="gui_record">
        <source>Recording</source>
        <translation>녹화</translation>
    </message>
    <message id="gui_record_method">
        <source>Record method</source>
        <translation>녹화 방식</translation>
    </message>
    <message id="gui_satelite">
        <source>Satellites</source>
        <translation>위성</translation>
    </message>
    <message id="gui_saturday">
        <source>Sat</source>
        <translation>토</translation>
    </message>
    <message id="gui_save_avi">
        <source>Save Movie</source>
        <translation>동영상 저장</translation>
    </message>
    <message id="gui_save_csv_file">
        <source>Export CSV File</source>
        <translation>CSV 파일 내보내기</translation>
    </message>
    <message id="gui_save_jpeg">
        <source>Save Still Pictures</source>
        <translation>정지 이미지 저장</translation>
    </message>
    <message id="gui_save_pdf">
        <source>Save as PDF…</source>
        <translation>PDF로 저장…</translation>
    </message>
    <message id="gui_second">
        <source>sec</source>
        <translation>초</translation>
    </message>
    <message id="gui_select_folder">
        <source>Choose a Folder</source>
        <translation>폴더 선택</translation>
    </message>
    <message id="gui_select_sd_folder">
        <source>Choose the Card Folder</source>
        <translation>카드 폴더 선택</translation>
    </message>
    <message id="gui_selected_event">
        <source>Event recordings</source>
        <translation>이벤트 녹화</translation>
    </message>
    <message id="gui_selected_image">
        <source>Series from the current picture</source>
        <translation>현재 이미지부터 여러 장</translation>
    </message>
    <message id="gui_selected_log">
        <source>Driving logs</source>
        <translation>주행 로그</translation>
    </message>
    <message id="gui_selected_normal">
        <source>Normal recordings</source>
        <translation>일반 녹화</translation>
    </message>
    <message id="gui_sensitivity">
        <source>Sensitivity</source>
        <translation>감도</translation>
    </message>
    <message id="gui_setting">
        <source>Camera Settings</source>
        <translation>카메라 설정</translation>
    </message>
    <message id="gui_simple_set_mode">
        <source>Simple mode</source>
        <translation>간편 모드</translation>
    </message>
    <message id="gui_speed">
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message id="gui_speed_gsensor">
        <source>Speed-dependent G-sensor</source>
        <translation>속도 연동 G센서</translation>
    </message>
    <message id="gui_start">
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message id="gui_sunday">
        <source>Sun</source>
        <translation>일</translation>
    </message>
    <message id="gui_switch">
        <source>Manual switch</source>
        <translation>수동 스위치</translation>
    </message>
    <message id="gui_system">
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message id="gui_thursday">
        <source>Thu</source>
        <translation>목</translation>
    </message>
    <message id="gui_time">
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message id="gui_total">
        <source>Total</source>
        <translation>전체</translation>
    </message>
    <message id="gui_total_distance">
        <source>Total distance: %1</source>
        <translation>총 주행 거리: %1</translation>
    </message>
    <message id="gui_track_format">
        <source>Format</source>
        <translation>형식</translation>
    </message>
    <message id="gui_trigger_xval">
        <source>X trigger level</source>
        <translation>X축 감지 기준</translation>
    </message>
    <message id="gui_trigger_yval">
        <source>Y trigger level</source>
        <translation>Y축 감지 기준</translation>
    </message>
    <message id="gui_trigger_zval">
        <source>Z trigger level</source>
        <translation>Z축 감지 기준</translation>
    </message>
    <message id="gui_tuesday">
        <source>Tue</source>
        <translation>화</translation>
    </message>
    <message id="gui_type">
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message id="gui_unknown">
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message id="gui_vehicle_id">
        <source>Vehicle ID</source>
        <translation>차량 ID</translation>
    </message>
    <message id="gui_video_flip">
        <source>Picture orientation</source>
        <translation>영상 방향</translation>
    </message>
    <message id="gui_viewer_setting">
        <source>Viewer Preferences</source>
        <translation>뷰어 설정</translation>
    </message>
    <message id="gui_wednesday">
        <source>Wed</source>
        <translation>수</translation>
    </message>
    <message id="gui_yes">
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message id="gui_zoom">
        <source>Zoom</source>
        <translation>확대</translation>
    </message>
    <message id="menu_edit">
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message id="menu_edit_select_all">
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message id="menu_edit_unselect_all">
        <source>Deselect All</source>
        <translation>모두 선택 해제</translation>
    </message>
    <message id="menu_file">
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message id="menu_file_exit">
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message id="menu_file_list">
        <source>Back to the File List</source>
        <translation>파일 목록으로 돌아가기</translation>
    </message>
    <message id="menu_file_load">
        <source>Load</source>
        <translation>불러오기</translation>
    </message>
    <message id="menu_file_load_event">
        <source>Event Recordings</source>
        <translation>이벤트 녹화</translation>
    </message>
    <message id="menu_file_load_log">
        <source>Driving Logs</source>
        <translation>주행 로그</translation>
    </message>
    <message id="menu_file_load_normal">
        <source>Normal Recordings</source>
        <translation>일반 녹화</translation>
    </message>
    <message id="menu_file_print">
        <source>Print…</source>
        <translation>인쇄…</translation>
    </message>
    <message id="menu_file_select_folder">
        <source>Open Card Folder…</source>
        <translation>카드 폴더 열기…</translation>
    </message>
    <message id="menu_file_setting">
        <source>Preferences…</source>
        <translation>환경 설정…</translation>
    </message>
    <message id="menu_help">
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message id="menu_help_homepage">
        <source>Home Page</source>
        <translation>홈페이지</translation>
    </message>
    <message id="menu_help_version">
        <source>About…</source>
        <translation>버전 정보…</translation>
    </message>
    <message id="menu_play">
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message id="menu_play_back_play">
        <source>Play Backward</source>
        <translation>역재생</translation>
    </message>
    <message id="menu_play_fast_back_play">
        <source>Fast Backward</source>
        <translation>빠른 역재생</translation>
    </message>
    <message id="menu_play_fast_play">
        <source>Fast Forward</source>
        <translation>빠른 재생</translation>
    </message>
    <message id="menu_play_next_frame">
        <source>Next Frame</source>
        <translation>다음 프레임</translation>
    </message>
    <message id="menu_play_play">
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message id="menu_play_prev_frame">
        <source>Previous Frame</source>
        <translation>이전 프레임</translation>
    </message>
    <message id="menu_play_stop">
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message id="menu_tool">
        <source>Tools</source>
        <translation>도구</translation>
    </message>
    <message id="menu_tool_backup">
        <source>Back Up Card Data…</source>
        <translation>카드 데이터 백업…</translation>
    </message>
    <message id="menu_tool_save_avi">
        <source>Save Movie…</source>
        <translation>동영상 저장…</translation>
    </message>
    <message id="menu_tool_save_jpg">
        <source>Save Still Pictures…</source>
        <translation>정지 이미지 저장…</translation>
    </message>
    <message id="menu_tool_sd_eject">
        <source>Eject SD Card</source>
        <translation>SD 카드 꺼내기</translation>
    </message>
    <message id="menu_tool_sd_init">
        <source>Format SD Card…</source>
        <translation>SD 카드 포맷…</translation>
    </message>
    <message id="menu_tool_setting">
        <source>Camera Settings…</source>
        <translation>카메라 설정…</translation>
    </message>
    <message id="menu_view">
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message id="menu_view_full">
        <source>Enlarge Video</source>
        <translation>영상 크게 보기</translation>
    </message>
    <message id="menu_view_full_screen">
        <source>Full Screen</source>
        <translation>전체 화면</translation>
    </message>
    <message id="menu_view_full_window">
        <source>Fill the Window</source>
        <translation>창 가득 채우기</translation>
    </message>
    <message id="menu_view_gsgraph">
        <source>G-Sensor Graph Scale</source>
        <translation>G센서 그래프 배율</translation>
    </message>
    <message id="menu_view_gsgraph_scale1">
        <source>Zoom 4×</source>
        <translation>4배 확대</translation>
    </message>
    <message id="menu_view_gsgraph_scale2">
        <source>Zoom 3×</source>
        <translation>3배 확대</translation>
    </message>
    <message id="menu_view_gsgraph_scale3">
        <source>Zoom 2×</source>
        <translation>2배 확대</translation>
    </message>
    <message id="menu_view_gsgraph_scale4">
        <source>Zoom 1×</source>
        <translation>1배 (기본 크기)</translation>
    </message>
    <message id="menu_view_layout">
        <source>Layout</source>
        <translation>화면 구성</translation>
    </message>
    <message id="menu_view_layout_single">
        <source>Single View</source>
        <translation>단일 보기</translation>
    </message>
    <message id="menu_view_layout_thumb">
        <source>Thumbnails</source>
        <translation>썸네일 보기</translation>
    </message>
    <message id="msg_avi_cancel">
        <source>Saving the movie was cancelled. No file was written.</source>
        <translation>동영상 저장이 취소되었습니다. 파일을 만들지 않았습니다.</translation>
    </message>
    <message id="msg_avi_error">
        <source>The movie could not be saved. Check that the end of the time range lies after its start and that the folder can be written to.</source>
        <translation>동영상을 저장할 수 없습니다. 종료 시간이 시작 시간보다 뒤인지, 폴더에 쓸 수 있는지 확인하세요.</translation>
    </message>
    <message id="msg_avi_ok">
        <source>The movie was saved.</source>
        <translation>동영상을 저장했습니다.</translation>
    </message>
    <message id="msg_backup_config_fail">
        <source>The card&apos;s settings could not be read, so the card was not formatted. Insert the card so that it is mounted, or turn off keeping the settings to format it with the default settings.</source>
        <translation>카드의 설정을 읽을 수 없어 카드를 포맷하지 않았습니다. 카드가 마운트되도록 다시 연결하거나, 설정 유지를 끄고 기본 설정으로 포맷하세요.</translation>
    </message>
    <message id="msg_backup_failed">
        <source>Files not backed up: %1 (earlier copies in the backup folder were kept)
%2</source>
        <translation>백업하지 못한 파일: %1개 (백업 폴더의 이전 사본은 유지됨)
%2</translation>
    </message>
    <message id="msg_backup_no_space">
        <source>The backup needs %1, but the backup folder has only %2 free. Nothing was copied.</source>
        <translation>백업에 %1이(가) 필요하지만 백업 폴더의 여유 공간은 %2뿐입니다. 아무것도 복사하지 않았습니다.</translation>
    </message>
    <message id="msg_backup_not_done">
        <source>The recorded data was not backed up, so it stays on the card.</source>
        <translation>녹화 데이터가 백업되지 않아 카드에 그대로 남겨 둡니다.</translation>
    </message>
    <message id="msg_complete_del_config">
        <source>The camera settings were reset to their factory values.</source>
        <translation>카메라 설정을 공장 기본값으로 초기화했습니다.</translation>
    </message>
    <message id="msg_complete_delete_data">
        <source>All recordings and logs were deleted from the card.</source>
        <translation>카드의 모든 녹화와 로그를 삭제했습니다.</translation>
    </message>
    <message id="msg_delete_data">
        <source>The recordings on the card do not match the new settings. Delete all recordings and logs on the card?</source>
        <translation>카드의 녹화가 새 설정과 맞지 않습니다. 카드의 모든 녹화와 로그를 삭제할까요?</translation>
    </message>
    <message id="msg_delete_data_incomplete">
        <source>These entries could not be deleted and are still on the card (%1):</source>
        <translation>다음 항목을 삭제할 수 없어 카드에 남아 있습니다 (%1개):</translation>
    </message>
    <message id="msg_eject_fail">
        <source>The card could not be ejected. Close every program that uses it and try again.</source>
        <translation>카드를 꺼낼 수 없습니다. 카드를 사용하는 프로그램을 모두 닫고 다시 시도하세요.</translation>
    </message>
    <message id="msg_eject_ok">
        <source>The card was ejected and can now be removed safely.</source>
        <translation>카드를 꺼냈습니다. 이제 안전하게 분리할 수 있습니다.</translation>
    </message>
    <message id="msg_enter_filename">
        <source>Please enter a file name.</source>
        <translation>파일 이름을 입력하세요.</translation>
    </message>
    <message id="msg_file_not_time_order">
        <source>The selected logs cannot be shown together because they are not in time order.</source>
        <translation>선택한 로그가 시간 순서대로 이어지지 않아 함께 표시할 수 없습니다.</translation>
    </message>
    <message id="msg_files_skipped">
        <source>The card's files below could not be read and are left out (%1):</source>
        <translation>다음 카드 파일을 읽을 수 없어 목록에서 제외했습니다 (%1개):</translation>
    </message>
    <message id="msg_folder_not_found">
        <source>The folder %1 does not exist.</source>
        <translation>%1 폴더가 없습니다.</translation>
    </message>
    <message id="msg_format_fail">
        <source>The card could not be formatted. Select the card in the list and try again.</source>
        <translation>카드를 포맷할 수 없습니다. 목록에서 카드를 선택한 뒤 다시 시도하세요.</translation>
    </message>
    <message id="msg_format_layout_fail">
        <source>The card was formatted, but the camera&apos;s folders or settings file could not be created on it. Format the card again.</source>
        <translation>카드를 포맷했지만 카메라 폴더나 설정 파일을 만들 수 없습니다. 카드를 다시 포맷하세요.</translation>
    </message>
    <message id="msg_format_ok">
        <source>The card was formatted and is ready for the camera.</source>
        <translation>카드를 포맷했습니다. 이제 카메라에서 사용할 수 있습니다.</translation>
    </message>
    <message id="msg_homepage_address">
        <source>No web browser could be opened. The home page is at:
%1</source>
        <translation>웹 브라우저를 열 수 없습니다. 홈페이지 주소:
%1</translation>
    </message>
    <message id="msg_init_sdcard">
        <source>Formatting erases everything on the card. Format the card now?</source>
        <translation>포맷하면 카드의 모든 데이터가 지워집니다. 지금 포맷할까요?</translation>
    </message>
    <message id="msg_invalid_password">
        <source>The PIN must be a number from 1000 to 9999.</source>
        <translation>PIN은 1000에서 9999 사이의 숫자여야 합니다.</translation>
    </message>
    <message id="msg_invalid_sd_folder">
        <source>This folder is not the top folder of a camera card. Choose the card's own folder.</source>
        <translation>이 폴더는 카메라 카드의 최상위 폴더가 아닙니다. 카드 자체의 폴더를 선택하세요.</translation>
    </message>
    <message id="msg_no_event_loaded">
        <source>Nothing is loaded yet. Open a card folder and load a recording or a log first.</source>
        <translation>아직 불러온 데이터가 없습니다. 먼저 카드 폴더를 열고 녹화나 로그를 불러오세요.</translation>
    </message>
    <message id="msg_no_preview_img">
        <source>There is no video picture for the current log position.</source>
        <translation>현재 로그 위치에 해당하는 영상이 없습니다.</translation>
    </message>
    <message id="msg_no_sdcard">
        <source>No card folder is open. Open the card folder first.</source>
        <translation>열린 카드 폴더가 없습니다. 먼저 카드 폴더를 여세요.</translation>
    </message>
    <message id="msg_no_udisks">
        <source>No cards can be listed: the disk service UDisks2 is not running. Install the udisks2 package and try again.</source>
        <translation>카드 목록을 표시할 수 없습니다. 디스크 서비스 UDisks2가 실행되고 있지 않습니다. udisks2 패키지를 설치한 뒤 다시 시도하세요.</translation>
    </message>
    <message id="msg_noselected_event">
        <source>Tick at least one event recording.</source>
        <translation>이벤트 녹화를 하나 이상 선택하세요.</translation>
    </message>
    <message id="msg_noselected_log">
        <source>Tick at least one driving log.</source>
        <translation>주행 로그를 하나 이상 선택하세요.</translation>
    </message>
    <message id="msg_noselected_normal">
        <source>Tick at least one normal recording.</source>
        <translation>일반 녹화를 하나 이상 선택하세요.</translation>
    </message>
    <message id="msg_not_suport_sd">
        <source>This card is not supported: the camera needs at least 1.5 GB of free space on it.</source>
        <translation>지원하지 않는 카드입니다. 카메라에 최소 1.5GB의 여유 공간이 필요합니다.</translation>
    </message>
    <message id="msg_password_not_equal">
        <source>The PIN is not correct.</source>
        <translation>PIN이 올바르지 않습니다.</translation>
    </message>
    <message id="msg_print_error">
        <source>The report could not be printed or saved.</source>
        <translation>보고서를 인쇄하거나 저장할 수 없습니다.</translation>
    </message>
    <message id="msg_recording_damaged">
        <source>This recording is damaged: it has no frames with a valid time, so it cannot be played.</source>
        <translation>이 녹화는 손상되었습니다. 유효한 시간이 있는 프레임이 없어 재생할 수 없습니다.</translation>
    </message>
    <message id="msg_remove_data">
        <source>These changes make the recordings on the card unusable. Back up the recorded data first?</source>
        <translation>이 변경으로 카드의 녹화 데이터를 사용할 수 없게 됩니다. 먼저 데이터를 백업할까요?</translation>
    </message>
    <message id="msg_samefile_overwrite">
        <source>A file with this name already exists. Replace it?</source>
        <translation>같은 이름의 파일이 이미 있습니다. 바꿀까요?</translation>
    </message>
    <message id="msg_save_csvfile_cancel">
        <source>The export was cancelled. The file holds the records written so far.</source>
        <translation>내보내기가 취소되었습니다. 파일에는 지금까지 기록한 데이터만 들어 있습니다.</translation>
    </message>
    <message id="msg_save_csvfile_ok">
        <source>The CSV file was saved.</source>
        <translation>CSV 파일을 저장했습니다.</translation>
    </message>
    <message id="msg_save_cur_setting">
        <source>Save these settings to the card?</source>
        <translation>이 설정을 카드에 저장할까요?</translation>
    </message>
    <message id="msg_save_file_fail">
        <source>The file %1 could not be saved.</source>
        <translation>파일 %1을(를) 저장할 수 없습니다.</translation>
    </message>
    <message id="msg_save_jpeg_error">
        <source>The pictures could not be saved.</source>
        <translation>이미지를 저장할 수 없습니다.</translation>
    </message>
    <message id="msg_save_jpeg_ok">
        <source>The pictures were saved.</source>
        <translation>이미지를 저장했습니다.</translation>
    </message>
    <message id="msg_save_set_fail">
        <source>The settings could not be written to the card. Check that the card is not write-protected.</source>
        <translation>설정을 카드에 쓸 수 없습니다. 카드가 쓰기 방지 상태인지 확인하세요.</translation>
    </message>
    <message id="msg_save_set_ok">
        <source>The settings were saved to the card.</source>
        <translation>설정을 카드에 저장했습니다.</translation>
    </message>
    <message id="tooltip_about">
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message id="tooltip_all">
        <source>Tick all rows</source>
        <translation>모든 항목 선택</translation>
    </message>
    <message id="tooltip_back_fast">
        <source>Fast backward</source>
        <translation>빠른 역재생</translation>
    </message>
    <message id="tooltip_back_play">
        <source>Play backward</source>
        <translation>역재생</translation>
    </message>
    <message id="tooltip_backup">
        <source>Back up card data</source>
        <translation>카드 데이터 백업</translation>
    </message>
    <message id="tooltip_close">
        <source>Close the play list</source>
        <translation>재생 목록 닫기</translation>
    </message>
    <message id="tooltip_continuous_play">
        <source>Play the list continuously</source>
        <translation>목록 연속 재생</translation>
    </message>
    <message id="tooltip_csv">
        <source>Export the ticked logs as CSV</source>
        <translation>선택한 로그를 CSV로 내보내기</translation>
    </message>
    <message id="tooltip_default">
        <source>Default graph scale</source>
        <translation>그래프 기본 배율</translation>
    </message>
    <message id="tooltip_event">
        <source>Event recordings</source>
        <translation>이벤트 녹화</translation>
    </message>
    <message id="tooltip_exit">
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message id="tooltip_google_earth">
        <source>Export the ticked logs as a KML track</source>
        <translation>선택한 로그를 KML 경로로 내보내기</translation>
    </message>
    <message id="tooltip_load">
        <source>Load the ticked rows</source>
        <translation>선택한 항목 불러오기</translation>
    </message>
    <message id="tooltip_log">
        <source>Driving logs</source>
        <translation>주행 로그</translation>
    </message>
    <message id="tooltip_minimize">
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message id="tooltip_next">
        <source>Next frame</source>
        <translation>다음 프레임</translation>
    </message>
    <message id="tooltip_normal">
        <source>Normal recordings</source>
        <translation>일반 녹화</translation>
    </message>
    <message id="tooltip_open">
        <source>Open card folder</source>
        <translation>카드 폴더 열기</translation>
    </message>
    <message id="tooltip_pause">
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message id="tooltip_play">
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message id="tooltip_play_fast">
        <source>Fast forward</source>
        <translation>빠른 재생</translation>
    </message>
    <message id="tooltip_previous">
        <source>Previous frame</source>
        <translation>이전 프레임</translation>
    </message>
    <message id="tooltip_print_image">
        <source>Print report</source>
        <translation>보고서 인쇄</translation>
    </message>
    <message id="tooltip_save_avi">
        <source>Save movie</source>
        <translation>동영상 저장</translation>
    </message>
    <message id="tooltip_save_image">
        <source>Save still pictures</source>
        <translation>정지 이미지 저장</translation>
    </message>
    <message id="tooltip_search_log">
        <source>Search the log</source>
        <translation>로그 검색</translation>
    </message>
    <message id="tooltip_setting">
        <source>Camera settings</source>
        <translation>카메라 설정</translation>
    </message>
    <message id="tooltip_show_trigger">
        <source>Show the event marks of the recording</source>
        <translation>녹화의 이벤트 표시 보기</translation>
    </message>
    <message id="tooltip_single_view">
        <source>Single view</source>
        <translation>단일 보기</translation>
    </message>
    <message id="tooltip_thumb_view">
        <source>Thumbnail view</source>
        <translation>썸네일 보기</translation>
    </message>
    <message id="tooltip_zoom_in">
        <source>Enlarge the graph</source>
        <translation>그래프 확대</translation>
    </message>
    <message id="tooltip_zoom_out">
        <source>Reduce the graph</source>
        <translation>그래프 축소</translation>
    </message>
    <message id="msg_disk_gone">
        <source>%1 is no longer attached as it was listed. Nothing was changed.</source>
        <translation>%1 is no longer attached as it was listed. Nothing was changed.</translation>
    </message>
    <message id="msg_disk_swapped">
        <source>Another disk (%2) is now at %1. Nothing was changed; choose the card in the list again.</source>
        <translation>Another disk (%2) is now at %1. Nothing was changed; choose the card in the list again.</translation>
    </message>
    <message id="msg_disk_system">
        <source>The running system now uses %1. Nothing was changed.</source>
        <translation>The running system now uses %1. Nothing was changed.</translation>
    </message>
    <message id="msg_format_not_card">
        <source>%1 (%2, volume %3) does not look like a camera card. Formatting erases everything on it.

Type %4 to format it.</source>
        <translation>%1 (%2, volume %3) does not look like a camera card. Formatting erases everything on it.

Type %4 to format it.</translation>
    </message>
    <message id="gui_no_volume_name">
        <source>no volume name</source>
        <translation>no volume name</translation>
    </message>
    <message id="msg_delete_what">
        <source>%1 recordings and %2 driving logs (%3) will be deleted from the card. They cannot be restored.</source>
        <translation>%1 recordings and %2 driving logs (%3) will be deleted from the card. They cannot be restored.</translation>
    </message>
    <message id="gui_backup_first">
        <source>Back Up First</source>
        <translation>Back Up First</translation>
    </message>
    <message id="gui_delete_now">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="msg_card_folder_linked">
        <source>A folder of the card (config, CH1 or log) is a link to another place. Nothing was changed.</source>
        <translation>A folder of the card (config, CH1 or log) is a link to another place. Nothing was changed.</translation>
    </message>
    <message id="msg_avi_failed">
        <source>The movie could not be saved.</source>
        <translation>동영상을 저장할 수 없습니다.</translation>
    </message>
    <message id="msg_backup_unwritable">
        <source>Nothing was copied: the backup folder cannot be written.</source>
        <translation>백업 폴더에 쓸 수 없어 아무것도 복사하지 않았습니다.</translation>
    </message>
    <message id="msg_card_unreadable">
        <source>The card cannot be read (%1). Was it removed? Playback stopped.</source>
        <translation>카드를 읽을 수 없습니다(%1). 카드가 제거되었습니까? 재생을 멈췄습니다.</translation>
    </message>
    <message id="msg_save_jpeg_partial">
        <source>%1 of %2 pictures were saved before it stopped.</source>
        <translation>%2장 중 %1장의 사진이 저장된 후 중단되었습니다.</translation>
    </message>
    <message id="msg_save_track_cancel">
        <source>The export was cancelled. The file holds the records written so far.</source>
        <translation>내보내기가 취소되었습니다. 파일에는 지금까지 기록한 데이터만 들어 있습니다.</translation>
    </message>
    <message id="button_trigger_list">
        <source>Trigger List</source>
        <translation>트리거 목록</translation>
    </message>
    <message id="gui_all_ticked_axes">
        <source>all ticked axes</source>
        <translation>선택한 모든 축</translation>
    </message>
    <message id="gui_gpx_convert">
        <source>Export GPX Track</source>
        <translation>GPX 경로 내보내기</translation>
    </message>
    <message id="gui_gpx_folder">
        <source>GPX folder</source>
        <translation>GPX 폴더</translation>
    </message>
    <message id="gui_open_folder">
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message id="msg_backup_cancel">
        <source>The backup was cancelled. The files copied so far are kept.</source>
        <translation>백업이 취소되었습니다. 지금까지 복사한 파일은 그대로 남아 있습니다.</translation>
    </message>
    <message id="msg_backup_ok">
        <source>The backup is complete.</source>
        <translation>백업을 완료했습니다.</translation>
    </message>
    <message id="msg_log_too_many_records">
        <source>too many records: the log is longer than an hour</source>
        <translation>레코드가 너무 많습니다: 한 시간이 넘는 로그입니다</translation>
    </message>
    <message id="msg_save_jpeg_cancel">
        <source>Saving the pictures was cancelled. The pictures saved so far are kept.</source>
        <translation>이미지 저장이 취소되었습니다. 지금까지 저장한 이미지는 그대로 남아 있습니다.</translation>
    </message>
    <message id="msg_save_pdf_ok">
        <source>The report was saved as a PDF file.</source>
        <translation>보고서를 PDF 파일로 저장했습니다.</translation>
    </message>
    <message id="msg_save_track_ok">
        <source>The track was saved.</source>
        <translation>경로를 저장했습니다.</translation>
    </message>
    <message id="menu_tool_evidence">
        <source>Evidence Package…</source>
        <translation>증거 패키지…</translation>
    </message>
    <message id="gui_evidence">
        <source>Evidence Package</source>
        <translation>증거 패키지</translation>
    </message>
    <message id="gui_evidence_intro">
        <source>Copies the chosen recordings, the recordings and logs around them and the camera's settings bit for bit with their SHA-256 hashes, and adds captioned movies, stills, tracks and a report with a certificate, so that anyone can check the copy later.</source>
        <translation>선택한 녹화, 그 전후의 녹화와 로그, 카메라 설정을 SHA-256 해시와 함께 비트 단위로 복사하고, 자막이 있는 동영상, 정지 이미지, 경로와 인증서가 포함된 보고서를 추가하여 누구나 나중에 사본을 확인할 수 있게 합니다.</translation>
    </message>
    <message id="gui_evidence_chosen">
        <source>Chosen recordings:</source>
        <translation>선택한 녹화:</translation>
    </message>
    <message id="gui_evidence_margin">
        <source>Also copy recordings before and after:</source>
        <translation>전후 녹화도 복사:</translation>
    </message>
    <message id="gui_evidence_seconds">
        <source> s</source>
        <translation> 초</translation>
    </message>
    <message id="gui_evidence_operator">
        <source>Operator:</source>
        <translation>작성자:</translation>
    </message>
    <message id="gui_evidence_note">
        <source>Note:</source>
        <translation>메모:</translation>
    </message>
    <message id="gui_evidence_folder">
        <source>Save in:</source>
        <translation>저장 위치:</translation>
    </message>
    <message id="gui_evidence_open_folder">
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message id="msg_evidence_no_folder">
        <source>Choose the folder the package is saved in.</source>
        <translation>패키지를 저장할 폴더를 선택하십시오.</translation>
    </message>
    <message id="msg_evidence_none_chosen">
        <source>Tick the recordings for the evidence package in the list, or load a recording.</source>
        <translation>목록에서 증거 패키지에 넣을 녹화를 선택하거나 녹화를 불러오십시오.</translation>
    </message>
    <message id="msg_evidence_done_short">
        <source>The package is complete.</source>
        <translation>패키지가 완성되었습니다.</translation>
    </message>
    <message id="msg_evidence_done">
        <source>The evidence package is complete:
%1

SHA-256 of SHA256SUMS:
%2</source>
        <translation>증거 패키지가 완성되었습니다:
%1

SHA256SUMS의 SHA-256:
%2</translation>
    </message>
    <message id="msg_evidence_failed">
        <source>The evidence package could not be made, and nothing was left behind.
%1</source>
        <translation>증거 패키지를 만들 수 없었으며 아무것도 남기지 않았습니다.
%1</translation>
    </message>
    <message id="msg_evidence_cancelled">
        <source>The evidence package was cancelled, and nothing was left behind.</source>
        <translation>증거 패키지가 취소되었으며 아무것도 남기지 않았습니다.</translation>
    </message>
    <message id="ev_report_title">
        <source>Evidence Report</source>
        <translation>증거 보고서</translation>
    </message>
    <message id="ev_cert_title">
        <source>Certificate of the Evidence Package</source>
        <translation>증거 패키지 인증서</translation>
    </message>
    <message id="ev_cert_tool">
        <source>Made with</source>
        <translation>작성 도구</translation>
    </message>
    <message id="ev_cert_created">
        <source>Made at (UTC / local time)</source>
        <translation>작성 시각 (UTC / 현지 시각)</translation>
    </message>
    <message id="ev_cert_zone">
        <source>Time zone</source>
        <translation>시간대</translation>
    </message>
    <message id="ev_cert_operator">
        <source>Operator</source>
        <translation>작성자</translation>
    </message>
    <message id="ev_cert_note">
        <source>Note</source>
        <translation>메모</translation>
    </message>
    <message id="ev_cert_card">
        <source>Source card</source>
        <translation>원본 카드</translation>
    </message>
    <message id="ev_cert_sums">
        <source>SHA-256 of SHA256SUMS</source>
        <translation>SHA256SUMS의 SHA-256</translation>
    </message>
    <message id="ev_cert_chosen">
        <source>Chosen recordings</source>
        <translation>선택한 녹화</translation>
    </message>
    <message id="ev_cert_frame">
        <source>frame</source>
        <translation>프레임</translation>
    </message>
    <message id="ev_cert_offset">
        <source>camera clock offset (camera − GPS)</source>
        <translation>카메라 시계 오차 (카메라 − GPS)</translation>
    </message>
    <message id="ev_cert_no_fix">
        <source>no GPS fix</source>
        <translation>GPS 수신 없음</translation>
    </message>
    <message id="ev_cert_originals">
        <source>Original files (path, size, modification time in UTC, SHA-256)</source>
        <translation>원본 파일 (경로, 크기, UTC 수정 시각, SHA-256)</translation>
    </message>
    <message id="ev_cert_check">
        <source>How to check this package</source>
        <translation>이 패키지를 확인하는 방법</translation>
    </message>
    <message id="ev_cert_check_text">
        <source>In the package folder run one of the commands below. Every file must be reported as OK,
and the SHA-256 of SHA256SUMS must equal the one above (manifest.json holds it too).</source>
        <translation>패키지 폴더에서 아래 명령 중 하나를 실행하십시오. 모든 파일이 OK로 보고되어야 하며,
SHA256SUMS의 SHA-256이 위의 값과 같아야 합니다 (manifest.json에도 들어 있습니다).</translation>
    </message>
    <message id="gui_all_events">
        <source>All driving events</source>
        <translation>모든 주행 이벤트</translation>
    </message>
    <message id="gui_clock_ahead">
        <source>Camera clock %1 s ahead of GPS</source>
        <translation>카메라 시계가 GPS보다 %1초 빠름</translation>
    </message>
    <message id="gui_clock_behind">
        <source>Camera clock %1 s behind GPS</source>
        <translation>카메라 시계가 GPS보다 %1초 느림</translation>
    </message>
    <message id="gui_clock_in_step">
        <source>Camera clock in step with GPS</source>
        <translation>카메라 시계가 GPS와 일치</translation>
    </message>
    <message id="gui_event_accel">
        <source>Hard acceleration</source>
        <translation>급가속</translation>
    </message>
    <message id="gui_event_brake">
        <source>Harsh braking</source>
        <translation>급제동</translation>
    </message>
    <message id="gui_event_corner">
        <source>Sharp cornering</source>
        <translation>급선회</translation>
    </message>
    <message id="gui_event_corner_left">
        <source>Sharp left turn</source>
        <translation>급좌회전</translation>
    </message>
    <message id="gui_event_corner_right">
        <source>Sharp right turn</source>
        <translation>급우회전</translation>
    </message>
    <message id="gui_event_impact">
        <source>Impact</source>
        <translation>충격</translation>
    </message>
    <message id="gui_event_kind">
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message id="gui_event_peak">
        <source>Peak</source>
        <translation>최대값</translation>
    </message>
    <message id="gui_event_source">
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message id="gui_event_speed_limit">
        <source>Speed limit (in the speed unit)</source>
        <translation>제한 속도 (속도 단위)</translation>
    </message>
    <message id="gui_event_speeding">
        <source>Speeding</source>
        <translation>과속</translation>
    </message>
    <message id="gui_event_time">
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message id="gui_events">
        <source>Driving events</source>
        <translation>주행 이벤트</translation>
    </message>
    <message id="gui_mark_events">
        <source>Mark driving events</source>
        <translation>주행 이벤트 표시</translation>
    </message>
    <message id="gui_more_events">
        <source>… and %1 more</source>
        <translation>… 외 %1개</translation>
    </message>
    <message id="gui_no_events">
        <source>No driving events</source>
        <translation>주행 이벤트 없음</translation>
    </message>
    <message id="gui_off">
        <source>Off</source>
        <translation>끔</translation>
    </message>
    <message id="gui_time_zone">
        <source>Time zone</source>
        <translation>시간대</translation>
    </message>
    <message id="gui_zone_system">
        <source>The system's time zone</source>
        <translation>시스템 시간대</translation>
    </message>
    <message id="tooltip_search_events">
        <source>List the driving events found in the logs</source>
        <translation>로그에서 찾은 주행 이벤트 나열</translation>
    </message>
    <message id="ev_cert_events">
        <source>Driving events of the span</source>
        <translation>기간 내 주행 이벤트</translation>
    </message>
    <message id="gui_avi_band">
        <source>Captions below the picture</source>
        <translation>화면 아래에 자막</translation>
    </message>
    <message id="gui_avi_subtitles">
        <source>Telemetry as subtitles (.srt)</source>
        <translation>텔레메트리 자막 (.srt)</translation>
    </message>
    <message id="gui_avi_overlay">
        <source>Speed gauge, G-ball and map over the picture</source>
        <translation>속도계, G-볼, 지도 표시</translation>
    </message>
    <message id="gui_format_geojson">
        <source>GeoJSON</source>
        <translation>GeoJSON</translation>
    </message>
    <message id="gui_geojson_convert">
        <source>Export GeoJSON Track</source>
        <translation>GeoJSON 경로 내보내기</translation>
    </message>
    <message id="gui_geojson_folder">
        <source>GeoJSON folder</source>
        <translation>GeoJSON 폴더</translation>
    </message>
    <message id="gui_gx_track">
        <source>Track to replay (gx:Track)</source>
        <translation>재생용 경로 (gx:Track)</translation>
    </message>
    <message id="gui_privacy_zones">
        <source>Privacy zones</source>
        <translation>개인 정보 보호 구역</translation>
    </message>
    <message id="gui_privacy_hint">
        <source>Positions within these circles are left out of exported tracks, movies, route pictures and reports. The viewer&apos;s own maps still show them.</source>
        <translation>이 원 안의 위치는 내보낸 경로, 동영상, 경로 그림과 보고서에서 제외됩니다. 뷰어 자체의 지도에는 계속 표시됩니다.</translation>
    </message>
    <message id="gui_privacy_add">
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message id="gui_privacy_remove">
        <source>Remove</source>
        <translation>삭제</translation>
    </message>
    <message id="gui_privacy_latitude">
        <source>Lat</source>
        <translation>위도</translation>
    </message>
    <message id="gui_privacy_longitude">
        <source>Lng</source>
        <translation>경도</translation>
    </message>
    <message id="gui_privacy_radius">
        <source>Radius</source>
        <translation>반경</translation>
    </message>
    <message id="button_trips">
        <source>Trips</source>
        <translation>주행</translation>
    </message>
    <message id="tooltip_trips">
        <source>The card's drives as trips</source>
        <translation>카드의 주행 목록</translation>
    </message>
    <message id="gui_trip_start">
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message id="gui_trip_distance">
        <source>Distance</source>
        <translation>거리</translation>
    </message>
    <message id="gui_trip_events">
        <source>Events</source>
        <translation>이벤트</translation>
    </message>
    <message id="gui_trips_summary">
        <source>Trips: %1 · %2 · %3 in all</source>
        <translation>주행: %1회 · %2 · 총 %3</translation>
    </message>
    <message id="gui_trip_figures_pending">
        <source>Reading the logs: distance, speeds and events follow</source>
        <translation>로그를 읽는 중: 거리, 속도, 이벤트가 곧 표시됩니다</translation>
    </message>
    <message id="gui_trip_events_partial">
        <source>More events may be in recordings not opened yet</source>
        <translation>아직 열지 않은 녹화에 이벤트가 더 있을 수 있습니다</translation>
    </message>
    <message id="gui_trip_gap">
        <source>Stop that ends a trip (minutes)</source>
        <translation>주행을 끝내는 정차 시간 (분)</translation>
    </message>
    <message id="msg_noselected_trip">
        <source>Tick at least one trip.</source>
        <translation>주행을 하나 이상 선택하세요.</translation>
    </message>
    <message id="menu_view_overview">
        <source>Card overview map</source>
        <translation>카드 전체 지도</translation>
    </message>
    <message id="gui_overview_title">
        <source>Card overview</source>
        <translation>카드 전체 보기</translation>
    </message>
    <message id="gui_overview_event_recording">
        <source>Event recording</source>
        <translation>이벤트 녹화</translation>
    </message>
    <message id="gui_overview_heat">
        <source>Where events gather</source>
        <translation>이벤트가 모이는 곳</translation>
    </message>
    <message id="gui_overview_events">
        <source>Events</source>
        <translation>이벤트</translation>
    </message>
</context>
</TS>
