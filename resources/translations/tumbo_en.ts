<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="button_all">
        <source>All</source>
        <translation>All</translation>
    </message>
    <message id="button_close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="button_csv">
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message id="button_event">
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message id="button_load">
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message id="button_log">
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message id="button_log_search">
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message id="button_normal">
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message id="button_play_list">
        <source>Play List</source>
        <translation>Play List</translation>
    </message>
    <message id="gui_about_2days">
        <source>About 2 days</source>
        <translation>About 2 days</translation>
    </message>
    <message id="gui_about_31days">
        <source>About 31 days</source>
        <translation>About 31 days</translation>
    </message>
    <message id="gui_about_7days">
        <source>About 7 days</source>
        <translation>About 7 days</translation>
    </message>
    <message id="gui_acc_switch">
        <source>Ignition (ACC)</source>
        <translation>Ignition (ACC)</translation>
    </message>
    <message id="gui_alarm_duration">
        <source>Alarm duration</source>
        <translation>Alarm duration</translation>
    </message>
    <message id="gui_altitude">
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message id="gui_avi_folder">
        <source>Movie folder</source>
        <translation>Movie folder</translation>
    </message>
    <message id="gui_avi_name">
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message id="gui_avi_range">
        <source>Time range</source>
        <translation>Time range</translation>
    </message>
    <message id="gui_back_motion">
        <source>Reversing</source>
        <translation>Reversing</translation>
    </message>
    <message id="gui_backup">
        <source>Back Up Card Data</source>
        <translation>Back Up Card Data</translation>
    </message>
    <message id="gui_backup_all">
        <source>Back up everything</source>
        <translation>Back up everything</translation>
    </message>
    <message id="gui_backup_config_file">
        <source>Keep the camera settings</source>
        <translation>Keep the camera settings</translation>
    </message>
    <message id="gui_backup_folder">
        <source>Backup folder</source>
        <translation>Backup folder</translation>
    </message>
    <message id="gui_backup_size">
        <source>Backup size</source>
        <translation>Backup size</translation>
    </message>
    <message id="gui_batt_off">
        <source>Power loss</source>
        <translation>Power loss</translation>
    </message>
    <message id="gui_beep_record">
        <source>Beep while recording</source>
        <translation>Beep while recording</translation>
    </message>
    <message id="gui_browse">
        <source>Browse…</source>
        <translation>Browse…</translation>
    </message>
    <message id="gui_camera_position">
        <source>Camera mounting</source>
        <translation>Camera mounting</translation>
    </message>
    <message id="gui_cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="gui_caption">
        <source>Caption</source>
        <translation>Caption</translation>
    </message>
    <message id="gui_car_track">
        <source>Vehicle track</source>
        <translation>Vehicle track</translation>
    </message>
    <message id="gui_close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="gui_codec">
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message id="gui_comment">
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message id="gui_course_e">
        <source>E</source>
        <translation>E</translation>
    </message>
    <message id="gui_course_n">
        <source>N</source>
        <translation>N</translation>
    </message>
    <message id="gui_course_ne">
        <source>NE</source>
        <translation>NE</translation>
    </message>
    <message id="gui_course_nw">
        <source>NW</source>
        <translation>NW</translation>
    </message>
    <message id="gui_course_s">
        <source>S</source>
        <translation>S</translation>
    </message>
    <message id="gui_course_se">
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message id="gui_course_sw">
        <source>SW</source>
        <translation>SW</translation>
    </message>
    <message id="gui_course_w">
        <source>W</source>
        <translation>W</translation>
    </message>
    <message id="gui_csv_folder">
        <source>CSV folder</source>
        <translation>CSV folder</translation>
    </message>
    <message id="gui_csv_name">
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message id="gui_current_image">
        <source>Current picture only</source>
        <translation>Current picture only</translation>
    </message>
    <message id="gui_damaged_recording">
        <source>Damaged recording</source>
        <translation>Damaged recording</translation>
    </message>
    <message id="gui_date">
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message id="gui_date_format">
        <source>Date format</source>
        <translation>Date format</translation>
    </message>
    <message id="gui_date_time">
        <source>Date/Time</source>
        <translation>Date/Time</translation>
    </message>
    <message id="gui_datetime">
        <source>Date and time</source>
        <translation>Date and time</translation>
    </message>
    <message id="gui_del_files">
        <source>Deleting Recorded Data</source>
        <translation>Deleting Recorded Data</translation>
    </message>
    <message id="gui_drive_distance">
        <source>Driving Distance</source>
        <translation>Driving Distance</translation>
    </message>
    <message id="gui_duration">
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message id="gui_event_file">
        <source>Event recording</source>
        <translation>Event recording</translation>
    </message>
    <message id="gui_event_record">
        <source>Event recording</source>
        <translation>Event recording</translation>
    </message>
    <message id="gui_event_report">
        <source>Event Report</source>
        <translation>Event Report</translation>
    </message>
    <message id="gui_event_type">
        <source>Event type</source>
        <translation>Event type</translation>
    </message>
    <message id="gui_file_name">
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message id="gui_flip_leftright">
        <source>Mirror left/right</source>
        <translation>Mirror left/right</translation>
    </message>
    <message id="gui_flip_leftrightupdown">
        <source>Rotate 180°</source>
        <translation>Rotate 180°</translation>
    </message>
    <message id="gui_flip_none">
        <source>No flip</source>
        <translation>No flip</translation>
    </message>
    <message id="gui_flip_updown">
        <source>Mirror top/bottom</source>
        <translation>Mirror top/bottom</translation>
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
        <translation>Format SD Card</translation>
    </message>
    <message id="gui_fps">
        <source>Frames per second</source>
        <translation>Frames per second</translation>
    </message>
    <message id="gui_frame_no">
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
    <message id="gui_frame_rate">
        <source>Frame rate</source>
        <translation>Frame rate</translation>
    </message>
    <message id="gui_frame_time">
        <source>Frame time</source>
        <translation>Frame time</translation>
    </message>
    <message id="gui_friday">
        <source>Fri</source>
        <translation>Fri</translation>
    </message>
    <message id="gui_gps_coord">
        <source>Coordinates</source>
        <translation>Coordinates</translation>
    </message>
    <message id="gui_gps_rec_time">
        <source>GPS recording time</source>
        <translation>GPS recording time</translation>
    </message>
    <message id="gui_gps_signal_invalid">
        <source>No GPS signal</source>
        <translation>No GPS signal</translation>
    </message>
    <message id="gui_gps_speed_over">
        <source>Speed over</source>
        <translation>Speed over</translation>
    </message>
    <message id="gui_gps_time">
        <source>GPS time</source>
        <translation>GPS time</translation>
    </message>
    <message id="gui_gsensor">
        <source>G-sensor</source>
        <translation>G-sensor</translation>
    </message>
    <message id="gui_gsensor_graph">
        <source>G-sensor graph</source>
        <translation>G-sensor graph</translation>
    </message>
    <message id="gui_gsensor_setting">
        <source>G-sensor</source>
        <translation>G-sensor</translation>
    </message>
    <message id="gui_gsensor_x">
        <source>X</source>
        <translation>X</translation>
    </message>
    <message id="gui_gsensor_x_over">
        <source>G-sensor X over</source>
        <translation>G-sensor X over</translation>
    </message>
    <message id="gui_gsensor_y">
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message id="gui_gsensor_y_over">
        <source>G-sensor Y over</source>
        <translation>G-sensor Y over</translation>
    </message>
    <message id="gui_gsensor_z">
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message id="gui_gsensor_z_over">
        <source>G-sensor Z over</source>
        <translation>G-sensor Z over</translation>
    </message>
    <message id="gui_high">
        <source>High</source>
        <translation>High</translation>
    </message>
    <message id="gui_icon_height">
        <source>Track height from</source>
        <translation>Track height from</translation>
    </message>
    <message id="gui_img_quality">
        <source>Image quality</source>
        <translation>Image quality</translation>
    </message>
    <message id="gui_img_resolution">
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message id="gui_information">
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message id="gui_init_sdcard">
        <source>Format Card…</source>
        <translation>Format Card…</translation>
    </message>
    <message id="gui_initial_config_file">
        <source>Reset the camera settings</source>
        <translation>Reset the camera settings</translation>
    </message>
    <message id="gui_initial_data">
        <source>Reset Data</source>
        <translation>Reset Data</translation>
    </message>
    <message id="gui_jpeg_folder">
        <source>Picture folder</source>
        <translation>Picture folder</translation>
    </message>
    <message id="gui_kml_convert">
        <source>Export KML Track</source>
        <translation>Export KML Track</translation>
    </message>
    <message id="gui_kml_folder">
        <source>KML folder</source>
        <translation>KML folder</translation>
    </message>
    <message id="gui_latitude">
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message id="gui_line_interval">
        <source>Track point every</source>
        <translation>Track point every</translation>
    </message>
    <message id="gui_list_no">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="gui_log_file">
        <source>Driving log</source>
        <translation>Driving log</translation>
    </message>
    <message id="gui_log_report">
        <source>Driving Log Report</source>
        <translation>Driving Log Report</translation>
    </message>
    <message id="gui_log_time">
        <source>Log time</source>
        <translation>Log time</translation>
    </message>
    <message id="gui_longitude">
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message id="gui_low">
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message id="gui_machine_version">
        <source>Camera firmware</source>
        <translation>Camera firmware</translation>
    </message>
    <message id="gui_man_time_setting">
        <source>Set the camera clock</source>
        <translation>Set the camera clock</translation>
    </message>
    <message id="gui_map">
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message id="gui_measure_system">
        <source>Units</source>
        <translation>Units</translation>
    </message>
    <message id="gui_method_knot">
        <source>Nautical (kn)</source>
        <translation>Nautical (kn)</translation>
    </message>
    <message id="gui_method_meter">
        <source>Metric (km/h)</source>
        <translation>Metric (km/h)</translation>
    </message>
    <message id="gui_method_us">
        <source>US (MPH)</source>
        <translation>US (MPH)</translation>
    </message>
    <message id="gui_minute">
        <source>min</source>
        <translation>min</translation>
    </message>
    <message id="gui_monday">
        <source>Mon</source>
        <translation>Mon</translation>
    </message>
    <message id="gui_no">
        <source>No</source>
        <translation>No</translation>
    </message>
    <message id="gui_no_event_marker">
        <source>No event marks</source>
        <translation>No event marks</translation>
    </message>
    <message id="gui_normal">
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message id="gui_normal_file">
        <source>Normal recording</source>
        <translation>Normal recording</translation>
    </message>
    <message id="gui_normal_record">
        <source>Normal recording</source>
        <translation>Normal recording</translation>
    </message>
    <message id="gui_ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="gui_password">
        <source>Camera PIN</source>
        <translation>Camera PIN</translation>
    </message>
    <message id="gui_password_setting">
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message id="gui_pc_version">
        <source>Viewer version</source>
        <translation>Viewer version</translation>
    </message>
    <message id="gui_point_interval">
        <source>Marker every</source>
        <translation>Marker every</translation>
    </message>
    <message id="gui_pre_record_time">
        <source>Before/after event</source>
        <translation>Before/after event</translation>
    </message>
    <message id="gui_print_comment">
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message id="gui_print_image">
        <source>Print Report</source>
        <translation>Print Report</translation>
    </message>
    <message id="gui_print_time">
        <source>Printed</source>
        <translation>Printed</translation>
    </message>
    <message id="gui_print_title">
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message id="gui_rank2">
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message id="gui_rank3">
        <source>Fine</source>
        <translation>Fine</translation>
    </message>
    <message id="gui_rd_detect">
        <source>RD input</source>
        <translation>RD input</translation>
    </message>
    <message id="gui_rec_data_delete">
        <source>Delete all recordings and logs</source>
        <translation>Delete all recordings and logs</translation>
    </message>
    <message id="gui_rec_mode">
        <source>Record mode</source>
        <translation>Record mode</translation>
    </message>
    <message id="gui_rec_normal">
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message id="gui_rec_onetime">
        <source>Stop when full</source>
        <translation>Stop when full</translation>
    </message>
    <message id="gui_rec_overwrite">
        <source>Overwrite oldest</source>
        <translation>Overwrite oldest</translation>
    </message>
    <message id="gui_rec_post">
        <source>After event</source>
        <translation>After event</translation>
    </message>
    <message id="gui_rec_pre">
        <source>Before event</source>
        <translation>Before event</translation>
    </message>
    <message id="gui_record">
        <source>Recording</source>
        <translation>Recording</translation>
    </message>
    <message id="gui_record_method">
        <source>Record method</source>
        <translation>Record method</translation>
    </message>
    <message id="gui_satelite">
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message id="gui_saturday">
        <source>Sat</source>
        <translation>Sat</translation>
    </message>
    <message id="gui_save_avi">
        <source>Save Movie</source>
        <translation>Save Movie</translation>
    </message>
    <message id="gui_save_csv_file">
        <source>Export CSV File</source>
        <translation>Export CSV File</translation>
    </message>
    <message id="gui_save_jpeg">
        <source>Save Still Pictures</source>
        <translation>Save Still Pictures</translation>
    </message>
    <message id="gui_save_pdf">
        <source>Save as PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message id="gui_second">
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message id="gui_select_folder">
        <source>Choose a Folder</source>
        <translation>Choose a Folder</translation>
    </message>
    <message id="gui_select_sd_folder">
        <source>Choose the Card Folder</source>
        <translation>Choose the Card Folder</translation>
    </message>
    <message id="gui_selected_event">
        <source>Event recordings</source>
        <translation>Event recordings</translation>
    </message>
    <message id="gui_selected_image">
        <source>Series from the current picture</source>
        <translation>Series from the current picture</translation>
    </message>
    <message id="gui_selected_log">
        <source>Driving logs</source>
        <translation>Driving logs</translation>
    </message>
    <message id="gui_selected_normal">
        <source>Normal recordings</source>
        <translation>Normal recordings</translation>
    </message>
    <message id="gui_sensitivity">
        <source>Sensitivity</source>
        <translation>Sensitivity</translation>
    </message>
    <message id="gui_setting">
        <source>Camera Settings</source>
        <translation>Camera Settings</translation>
    </message>
    <message id="gui_simple_set_mode">
        <source>Simple mode</source>
        <translation>Simple mode</translation>
    </message>
    <message id="gui_speed">
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message id="gui_speed_gsensor">
        <source>Speed-dependent G-sensor</source>
        <translation>Speed-dependent G-sensor</translation>
    </message>
    <message id="gui_start">
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message id="gui_sunday">
        <source>Sun</source>
        <translation>Sun</translation>
    </message>
    <message id="gui_switch">
        <source>Manual switch</source>
        <translation>Manual switch</translation>
    </message>
    <message id="gui_system">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="gui_thursday">
        <source>Thu</source>
        <translation>Thu</translation>
    </message>
    <message id="gui_time">
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message id="gui_total">
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message id="gui_total_distance">
        <source>Total distance: %1</source>
        <translation>Total distance: %1</translation>
    </message>
    <message id="gui_track_format">
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message id="gui_trigger_xval">
        <source>X trigger level</source>
        <translation>X trigger level</translation>
    </message>
    <message id="gui_trigger_yval">
        <source>Y trigger level</source>
        <translation>Y trigger level</translation>
    </message>
    <message id="gui_trigger_zval">
        <source>Z trigger level</source>
        <translation>Z trigger level</translation>
    </message>
    <message id="gui_tuesday">
        <source>Tue</source>
        <translation>Tue</translation>
    </message>
    <message id="gui_type">
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message id="gui_unknown">
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message id="gui_vehicle_id">
        <source>Vehicle ID</source>
        <translation>Vehicle ID</translation>
    </message>
    <message id="gui_video_flip">
        <source>Picture orientation</source>
        <translation>Picture orientation</translation>
    </message>
    <message id="gui_viewer_setting">
        <source>Viewer Preferences</source>
        <translation>Viewer Preferences</translation>
    </message>
    <message id="gui_wednesday">
        <source>Wed</source>
        <translation>Wed</translation>
    </message>
    <message id="gui_yes">
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message id="gui_zoom">
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message id="menu_edit">
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message id="menu_edit_select_all">
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message id="menu_edit_unselect_all">
        <source>Deselect All</source>
        <translation>Deselect All</translation>
    </message>
    <message id="menu_file">
        <source>File</source>
        <translation>File</translation>
    </message>
    <message id="menu_file_exit">
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message id="menu_file_list">
        <source>Back to the File List</source>
        <translation>Back to the File List</translation>
    </message>
    <message id="menu_file_load">
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message id="menu_file_load_event">
        <source>Event Recordings</source>
        <translation>Event Recordings</translation>
    </message>
    <message id="menu_file_load_log">
        <source>Driving Logs</source>
        <translation>Driving Logs</translation>
    </message>
    <message id="menu_file_load_normal">
        <source>Normal Recordings</source>
        <translation>Normal Recordings</translation>
    </message>
    <message id="menu_file_print">
        <source>Print…</source>
        <translation>Print…</translation>
    </message>
    <message id="menu_file_select_folder">
        <source>Open Card Folder…</source>
        <translation>Open Card Folder…</translation>
    </message>
    <message id="menu_file_setting">
        <source>Preferences…</source>
        <translation>Preferences…</translation>
    </message>
    <message id="menu_help">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="menu_help_homepage">
        <source>Home Page</source>
        <translation>Home Page</translation>
    </message>
    <message id="menu_help_version">
        <source>About…</source>
        <translation>About…</translation>
    </message>
    <message id="menu_play">
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message id="menu_play_back_play">
        <source>Play Backward</source>
        <translation>Play Backward</translation>
    </message>
    <message id="menu_play_fast_back_play">
        <source>Fast Backward</source>
        <translation>Fast Backward</translation>
    </message>
    <message id="menu_play_fast_play">
        <source>Fast Forward</source>
        <translation>Fast Forward</translation>
    </message>
    <message id="menu_play_next_frame">
        <source>Next Frame</source>
        <translation>Next Frame</translation>
    </message>
    <message id="menu_play_play">
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message id="menu_play_prev_frame">
        <source>Previous Frame</source>
        <translation>Previous Frame</translation>
    </message>
    <message id="menu_play_stop">
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message id="menu_tool">
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message id="menu_tool_backup">
        <source>Back Up Card Data…</source>
        <translation>Back Up Card Data…</translation>
    </message>
    <message id="menu_tool_save_avi">
        <source>Save Movie…</source>
        <translation>Save Movie…</translation>
    </message>
    <message id="menu_tool_save_jpg">
        <source>Save Still Pictures…</source>
        <translation>Save Still Pictures…</translation>
    </message>
    <message id="menu_tool_sd_eject">
        <source>Eject SD Card</source>
        <translation>Eject SD Card</translation>
    </message>
    <message id="menu_tool_sd_init">
        <source>Format SD Card…</source>
        <translation>Format SD Card…</translation>
    </message>
    <message id="menu_tool_setting">
        <source>Camera Settings…</source>
        <translation>Camera Settings…</translation>
    </message>
    <message id="menu_view">
        <source>View</source>
        <translation>View</translation>
    </message>
    <message id="menu_view_full">
        <source>Enlarge Video</source>
        <translation>Enlarge Video</translation>
    </message>
    <message id="menu_view_full_screen">
        <source>Full Screen</source>
        <translation>Full Screen</translation>
    </message>
    <message id="menu_view_full_window">
        <source>Fill the Window</source>
        <translation>Fill the Window</translation>
    </message>
    <message id="menu_view_gsgraph">
        <source>G-Sensor Graph Scale</source>
        <translation>G-Sensor Graph Scale</translation>
    </message>
    <message id="menu_view_gsgraph_scale1">
        <source>Zoom 4×</source>
        <translation>Zoom 4×</translation>
    </message>
    <message id="menu_view_gsgraph_scale2">
        <source>Zoom 3×</source>
        <translation>Zoom 3×</translation>
    </message>
    <message id="menu_view_gsgraph_scale3">
        <source>Zoom 2×</source>
        <translation>Zoom 2×</translation>
    </message>
    <message id="menu_view_gsgraph_scale4">
        <source>Zoom 1×</source>
        <translation>Zoom 1×</translation>
    </message>
    <message id="menu_view_layout">
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message id="menu_view_layout_single">
        <source>Single View</source>
        <translation>Single View</translation>
    </message>
    <message id="menu_view_layout_thumb">
        <source>Thumbnails</source>
        <translation>Thumbnails</translation>
    </message>
    <message id="msg_avi_cancel">
        <source>Saving the movie was cancelled. No file was written.</source>
        <translation>Saving the movie was cancelled. No file was written.</translation>
    </message>
    <message id="msg_avi_error">
        <source>The movie could not be saved. Check that the end of the time range lies after its start and that the folder can be written to.</source>
        <translation>The movie could not be saved. Check that the end of the time range lies after its start and that the folder can be written to.</translation>
    </message>
    <message id="msg_avi_ok">
        <source>The movie was saved.</source>
        <translation>The movie was saved.</translation>
    </message>
    <message id="msg_backup_config_fail">
        <source>The card&apos;s settings could not be read, so the card was not formatted. Insert the card so that it is mounted, or turn off keeping the settings to format it with the default settings.</source>
        <translation>The card&apos;s settings could not be read, so the card was not formatted. Insert the card so that it is mounted, or turn off keeping the settings to format it with the default settings.</translation>
    </message>
    <message id="msg_backup_failed">
        <source>Files not backed up: %1 (earlier copies in the backup folder were kept)
%2</source>
        <translation>Files not backed up: %1 (earlier copies in the backup folder were kept)
%2</translation>
    </message>
    <message id="msg_backup_no_space">
        <source>The backup needs %1, but the backup folder has only %2 free. Nothing was copied.</source>
        <translation>The backup needs %1, but the backup folder has only %2 free. Nothing was copied.</translation>
    </message>
    <message id="msg_backup_not_done">
        <source>The recorded data was not backed up, so it stays on the card.</source>
        <translation>The recorded data was not backed up, so it stays on the card.</translation>
    </message>
    <message id="msg_complete_del_config">
        <source>The camera settings were reset to their factory values.</source>
        <translation>The camera settings were reset to their factory values.</translation>
    </message>
    <message id="msg_complete_delete_data">
        <source>All recordings and logs were deleted from the card.</source>
        <translation>All recordings and logs were deleted from the card.</translation>
    </message>
    <message id="msg_delete_data">
        <source>The recordings on the card do not match the new settings. Delete all recordings and logs on the card?</source>
        <translation>The recordings on the card do not match the new settings. Delete all recordings and logs on the card?</translation>
    </message>
    <message id="msg_delete_data_incomplete">
        <source>These entries could not be deleted and are still on the card (%1):</source>
        <translation>These entries could not be deleted and are still on the card (%1):</translation>
    </message>
    <message id="msg_eject_fail">
        <source>The card could not be ejected. Close every program that uses it and try again.</source>
        <translation>The card could not be ejected. Close every program that uses it and try again.</translation>
    </message>
    <message id="msg_eject_ok">
        <source>The card was ejected and can now be removed safely.</source>
        <translation>The card was ejected and can now be removed safely.</translation>
    </message>
    <message id="msg_enter_filename">
        <source>Please enter a file name.</source>
        <translation>Please enter a file name.</translation>
    </message>
    <message id="msg_file_not_time_order">
        <source>The selected logs cannot be shown together because they are not in time order.</source>
        <translation>The selected logs cannot be shown together because they are not in time order.</translation>
    </message>
    <message id="msg_files_skipped">
        <source>The card's files below could not be read and are left out (%1):</source>
        <translation>The card's files below could not be read and are left out (%1):</translation>
    </message>
    <message id="msg_folder_not_found">
        <source>The folder %1 does not exist.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message id="msg_format_fail">
        <source>The card could not be formatted. Select the card in the list and try again.</source>
        <translation>The card could not be formatted. Select the card in the list and try again.</translation>
    </message>
    <message id="msg_format_layout_fail">
        <source>The card was formatted, but the camera&apos;s folders or settings file could not be created on it. Format the card again.</source>
        <translation>The card was formatted, but the camera&apos;s folders or settings file could not be created on it. Format the card again.</translation>
    </message>
    <message id="msg_format_ok">
        <source>The card was formatted and is ready for the camera.</source>
        <translation>The card was formatted and is ready for the camera.</translation>
    </message>
    <message id="msg_homepage_address">
        <source>No web browser could be opened. The home page is at:
%1</source>
        <translation>No web browser could be opened. The home page is at:
%1</translation>
    </message>
    <message id="msg_init_sdcard">
        <source>Formatting erases everything on the card. Format the card now?</source>
        <translation>Formatting erases everything on the card. Format the card now?</translation>
    </message>
    <message id="msg_invalid_password">
        <source>The PIN must be a number from 1000 to 9999.</source>
        <translation>The PIN must be a number from 1000 to 9999.</translation>
    </message>
    <message id="msg_invalid_sd_folder">
        <source>This folder is not the top folder of a camera card. Choose the card's own folder.</source>
        <translation>This folder is not the top folder of a camera card. Choose the card's own folder.</translation>
    </message>
    <message id="msg_no_event_loaded">
        <source>Nothing is loaded yet. Open a card folder and load a recording or a log first.</source>
        <translation>Nothing is loaded yet. Open a card folder and load a recording or a log first.</translation>
    </message>
    <message id="msg_no_preview_img">
        <source>There is no video picture for the current log position.</source>
        <translation>There is no video picture for the current log position.</translation>
    </message>
    <message id="msg_no_sdcard">
        <source>No card folder is open. Open the card folder first.</source>
        <translation>No card folder is open. Open the card folder first.</translation>
    </message>
    <message id="msg_no_udisks">
        <source>No cards can be listed: the disk service UDisks2 is not running. Install the udisks2 package and try again.</source>
        <translation>No cards can be listed: the disk service UDisks2 is not running. Install the udisks2 package and try again.</translation>
    </message>
    <message id="msg_noselected_event">
        <source>Tick at least one event recording.</source>
        <translation>Tick at least one event recording.</translation>
    </message>
    <message id="msg_noselected_log">
        <source>Tick at least one driving log.</source>
        <translation>Tick at least one driving log.</translation>
    </message>
    <message id="msg_noselected_normal">
        <source>Tick at least one normal recording.</source>
        <translation>Tick at least one normal recording.</translation>
    </message>
    <message id="msg_not_suport_sd">
        <source>This card is not supported: the camera needs at least 1.5 GB of free space on it.</source>
        <translation>This card is not supported: the camera needs at least 1.5 GB of free space on it.</translation>
    </message>
    <message id="msg_password_not_equal">
        <source>The PIN is not correct.</source>
        <translation>The PIN is not correct.</translation>
    </message>
    <message id="msg_print_error">
        <source>The report could not be printed or saved.</source>
        <translation>The report could not be printed or saved.</translation>
    </message>
    <message id="msg_recording_damaged">
        <source>This recording is damaged: it has no frames with a valid time, so it cannot be played.</source>
        <translation>This recording is damaged: it has no frames with a valid time, so it cannot be played.</translation>
    </message>
    <message id="msg_remove_data">
        <source>These changes make the recordings on the card unusable. Back up the recorded data first?</source>
        <translation>These changes make the recordings on the card unusable. Back up the recorded data first?</translation>
    </message>
    <message id="msg_samefile_overwrite">
        <source>A file with this name already exists. Replace it?</source>
        <translation>A file with this name already exists. Replace it?</translation>
    </message>
    <message id="msg_save_csvfile_cancel">
        <source>The export was cancelled. The file holds the records written so far.</source>
        <translation>The export was cancelled. The file holds the records written so far.</translation>
    </message>
    <message id="msg_save_csvfile_ok">
        <source>The CSV file was saved.</source>
        <translation>The CSV file was saved.</translation>
    </message>
    <message id="msg_save_cur_setting">
        <source>Save these settings to the card?</source>
        <translation>Save these settings to the card?</translation>
    </message>
    <message id="msg_save_file_fail">
        <source>The file %1 could not be saved.</source>
        <translation>The file %1 could not be saved.</translation>
    </message>
    <message id="msg_save_jpeg_error">
        <source>The pictures could not be saved.</source>
        <translation>The pictures could not be saved.</translation>
    </message>
    <message id="msg_save_jpeg_ok">
        <source>The pictures were saved.</source>
        <translation>The pictures were saved.</translation>
    </message>
    <message id="msg_save_set_fail">
        <source>The settings could not be written to the card. Check that the card is not write-protected.</source>
        <translation>The settings could not be written to the card. Check that the card is not write-protected.</translation>
    </message>
    <message id="msg_save_set_ok">
        <source>The settings were saved to the card.</source>
        <translation>The settings were saved to the card.</translation>
    </message>
    <message id="tooltip_about">
        <source>About</source>
        <translation>About</translation>
    </message>
    <message id="tooltip_all">
        <source>Tick all rows</source>
        <translation>Tick all rows</translation>
    </message>
    <message id="tooltip_back_fast">
        <source>Fast backward</source>
        <translation>Fast backward</translation>
    </message>
    <message id="tooltip_back_play">
        <source>Play backward</source>
        <translation>Play backward</translation>
    </message>
    <message id="tooltip_backup">
        <source>Back up card data</source>
        <translation>Back up card data</translation>
    </message>
    <message id="tooltip_close">
        <source>Close the play list</source>
        <translation>Close the play list</translation>
    </message>
    <message id="tooltip_continuous_play">
        <source>Play the list continuously</source>
        <translation>Play the list continuously</translation>
    </message>
    <message id="tooltip_csv">
        <source>Export the ticked logs as CSV</source>
        <translation>Export the ticked logs as CSV</translation>
    </message>
    <message id="tooltip_default">
        <source>Default graph scale</source>
        <translation>Default graph scale</translation>
    </message>
    <message id="tooltip_event">
        <source>Event recordings</source>
        <translation>Event recordings</translation>
    </message>
    <message id="tooltip_exit">
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message id="tooltip_google_earth">
        <source>Export the ticked logs as a KML track</source>
        <translation>Export the ticked logs as a KML track</translation>
    </message>
    <message id="tooltip_load">
        <source>Load the ticked rows</source>
        <translation>Load the ticked rows</translation>
    </message>
    <message id="tooltip_log">
        <source>Driving logs</source>
        <translation>Driving logs</translation>
    </message>
    <message id="tooltip_minimize">
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message id="tooltip_next">
        <source>Next frame</source>
        <translation>Next frame</translation>
    </message>
    <message id="tooltip_normal">
        <source>Normal recordings</source>
        <translation>Normal recordings</translation>
    </message>
    <message id="tooltip_open">
        <source>Open card folder</source>
        <translation>Open card folder</translation>
    </message>
    <message id="tooltip_pause">
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message id="tooltip_play">
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message id="tooltip_play_fast">
        <source>Fast forward</source>
        <translation>Fast forward</translation>
    </message>
    <message id="tooltip_previous">
        <source>Previous frame</source>
        <translation>Previous frame</translation>
    </message>
    <message id="tooltip_print_image">
        <source>Print report</source>
        <translation>Print report</translation>
    </message>
    <message id="tooltip_save_avi">
        <source>Save movie</source>
        <translation>Save movie</translation>
    </message>
    <message id="tooltip_save_image">
        <source>Save still pictures</source>
        <translation>Save still pictures</translation>
    </message>
    <message id="tooltip_search_log">
        <source>Search the log</source>
        <translation>Search the log</translation>
    </message>
    <message id="tooltip_setting">
        <source>Camera settings</source>
        <translation>Camera settings</translation>
    </message>
    <message id="tooltip_show_trigger">
        <source>Show the event marks of the recording</source>
        <translation>Show the event marks of the recording</translation>
    </message>
    <message id="tooltip_single_view">
        <source>Single view</source>
        <translation>Single view</translation>
    </message>
    <message id="tooltip_thumb_view">
        <source>Thumbnail view</source>
        <translation>Thumbnail view</translation>
    </message>
    <message id="tooltip_zoom_in">
        <source>Enlarge the graph</source>
        <translation>Enlarge the graph</translation>
    </message>
    <message id="tooltip_zoom_out">
        <source>Reduce the graph</source>
        <translation>Reduce the graph</translation>
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
        <translation>The movie could not be saved.</translation>
    </message>
    <message id="msg_backup_unwritable">
        <source>Nothing was copied: the backup folder cannot be written.</source>
        <translation>Nothing was copied: the backup folder cannot be written.</translation>
    </message>
    <message id="msg_card_unreadable">
        <source>The card cannot be read (%1). Was it removed? Playback stopped.</source>
        <translation>The card cannot be read (%1). Was it removed? Playback stopped.</translation>
    </message>
    <message id="msg_save_jpeg_partial">
        <source>%1 of %2 pictures were saved before it stopped.</source>
        <translation>%1 of %2 pictures were saved before it stopped.</translation>
    </message>
    <message id="msg_save_track_cancel">
        <source>The export was cancelled. The file holds the records written so far.</source>
        <translation>The export was cancelled. The file holds the records written so far.</translation>
    </message>
    <message id="button_trigger_list">
        <source>Trigger List</source>
        <translation>Trigger List</translation>
    </message>
    <message id="gui_all_ticked_axes">
        <source>all ticked axes</source>
        <translation>all ticked axes</translation>
    </message>
    <message id="gui_gpx_convert">
        <source>Export GPX Track</source>
        <translation>Export GPX Track</translation>
    </message>
    <message id="gui_gpx_folder">
        <source>GPX folder</source>
        <translation>GPX folder</translation>
    </message>
    <message id="gui_open_folder">
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message id="msg_backup_cancel">
        <source>The backup was cancelled. The files copied so far are kept.</source>
        <translation>The backup was cancelled. The files copied so far are kept.</translation>
    </message>
    <message id="msg_backup_ok">
        <source>The backup is complete.</source>
        <translation>The backup is complete.</translation>
    </message>
    <message id="msg_log_too_many_records">
        <source>too many records: the log is longer than an hour</source>
        <translation>too many records: the log is longer than an hour</translation>
    </message>
    <message id="msg_save_jpeg_cancel">
        <source>Saving the pictures was cancelled. The pictures saved so far are kept.</source>
        <translation>Saving the pictures was cancelled. The pictures saved so far are kept.</translation>
    </message>
    <message id="msg_save_pdf_ok">
        <source>The report was saved as a PDF file.</source>
        <translation>The report was saved as a PDF file.</translation>
    </message>
    <message id="msg_save_track_ok">
        <source>The track was saved.</source>
        <translation>The track was saved.</translation>
    </message>
    <message id="menu_tool_evidence">
        <source>Evidence Package…</source>
        <translation>Evidence Package…</translation>
    </message>
    <message id="gui_evidence">
        <source>Evidence Package</source>
        <translation>Evidence Package</translation>
    </message>
    <message id="gui_evidence_intro">
        <source>Copies the chosen recordings, the recordings and logs around them and the camera's settings bit for bit with their SHA-256 hashes, and adds captioned movies, stills, tracks and a report with a certificate, so that anyone can check the copy later.</source>
        <translation>Copies the chosen recordings, the recordings and logs around them and the camera's settings bit for bit with their SHA-256 hashes, and adds captioned movies, stills, tracks and a report with a certificate, so that anyone can check the copy later.</translation>
    </message>
    <message id="gui_evidence_chosen">
        <source>Chosen recordings:</source>
        <translation>Chosen recordings:</translation>
    </message>
    <message id="gui_evidence_margin">
        <source>Also copy recordings before and after:</source>
        <translation>Also copy recordings before and after:</translation>
    </message>
    <message id="gui_evidence_seconds">
        <source> s</source>
        <translation> s</translation>
    </message>
    <message id="gui_evidence_operator">
        <source>Operator:</source>
        <translation>Operator:</translation>
    </message>
    <message id="gui_evidence_note">
        <source>Note:</source>
        <translation>Note:</translation>
    </message>
    <message id="gui_evidence_folder">
        <source>Save in:</source>
        <translation>Save in:</translation>
    </message>
    <message id="gui_evidence_open_folder">
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message id="msg_evidence_no_folder">
        <source>Choose the folder the package is saved in.</source>
        <translation>Choose the folder the package is saved in.</translation>
    </message>
    <message id="msg_evidence_none_chosen">
        <source>Tick the recordings for the evidence package in the list, or load a recording.</source>
        <translation>Tick the recordings for the evidence package in the list, or load a recording.</translation>
    </message>
    <message id="msg_evidence_done_short">
        <source>The package is complete.</source>
        <translation>The package is complete.</translation>
    </message>
    <message id="msg_evidence_done">
        <source>The evidence package is complete:
%1

SHA-256 of SHA256SUMS:
%2</source>
        <translation>The evidence package is complete:
%1

SHA-256 of SHA256SUMS:
%2</translation>
    </message>
    <message id="msg_evidence_failed">
        <source>The evidence package could not be made, and nothing was left behind.
%1</source>
        <translation>The evidence package could not be made, and nothing was left behind.
%1</translation>
    </message>
    <message id="msg_evidence_cancelled">
        <source>The evidence package was cancelled, and nothing was left behind.</source>
        <translation>The evidence package was cancelled, and nothing was left behind.</translation>
    </message>
    <message id="ev_report_title">
        <source>Evidence Report</source>
        <translation>Evidence Report</translation>
    </message>
    <message id="ev_cert_title">
        <source>Certificate of the Evidence Package</source>
        <translation>Certificate of the Evidence Package</translation>
    </message>
    <message id="ev_cert_tool">
        <source>Made with</source>
        <translation>Made with</translation>
    </message>
    <message id="ev_cert_created">
        <source>Made at (UTC / local time)</source>
        <translation>Made at (UTC / local time)</translation>
    </message>
    <message id="ev_cert_zone">
        <source>Time zone</source>
        <translation>Time zone</translation>
    </message>
    <message id="ev_cert_operator">
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message id="ev_cert_note">
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message id="ev_cert_card">
        <source>Source card</source>
        <translation>Source card</translation>
    </message>
    <message id="ev_cert_sums">
        <source>SHA-256 of SHA256SUMS</source>
        <translation>SHA-256 of SHA256SUMS</translation>
    </message>
    <message id="ev_cert_chosen">
        <source>Chosen recordings</source>
        <translation>Chosen recordings</translation>
    </message>
    <message id="ev_cert_frame">
        <source>frame</source>
        <translation>frame</translation>
    </message>
    <message id="ev_cert_offset">
        <source>camera clock offset (camera − GPS)</source>
        <translation>camera clock offset (camera − GPS)</translation>
    </message>
    <message id="ev_cert_no_fix">
        <source>no GPS fix</source>
        <translation>no GPS fix</translation>
    </message>
    <message id="ev_cert_originals">
        <source>Original files (path, size, modification time in UTC, SHA-256)</source>
        <translation>Original files (path, size, modification time in UTC, SHA-256)</translation>
    </message>
    <message id="ev_cert_check">
        <source>How to check this package</source>
        <translation>How to check this package</translation>
    </message>
    <message id="ev_cert_check_text">
        <source>In the package folder run one of the commands below. Every file must be reported as OK,
and the SHA-256 of SHA256SUMS must equal the one above (manifest.json holds it too).</source>
        <translation>In the package folder run one of the commands below. Every file must be reported as OK,
and the SHA-256 of SHA256SUMS must equal the one above (manifest.json holds it too).</translation>
    </message>
    <message id="gui_all_events">
        <source>All driving events</source>
        <translation>All driving events</translation>
    </message>
    <message id="gui_clock_ahead">
        <source>Camera clock %1 s ahead of GPS</source>
        <translation>Camera clock %1 s ahead of GPS</translation>
    </message>
    <message id="gui_clock_behind">
        <source>Camera clock %1 s behind GPS</source>
        <translation>Camera clock %1 s behind GPS</translation>
    </message>
    <message id="gui_clock_in_step">
        <source>Camera clock in step with GPS</source>
        <translation>Camera clock in step with GPS</translation>
    </message>
    <message id="gui_event_accel">
        <source>Hard acceleration</source>
        <translation>Hard acceleration</translation>
    </message>
    <message id="gui_event_brake">
        <source>Harsh braking</source>
        <translation>Harsh braking</translation>
    </message>
    <message id="gui_event_corner">
        <source>Sharp cornering</source>
        <translation>Sharp cornering</translation>
    </message>
    <message id="gui_event_corner_left">
        <source>Sharp left turn</source>
        <translation>Sharp left turn</translation>
    </message>
    <message id="gui_event_corner_right">
        <source>Sharp right turn</source>
        <translation>Sharp right turn</translation>
    </message>
    <message id="gui_event_impact">
        <source>Impact</source>
        <translation>Impact</translation>
    </message>
    <message id="gui_event_kind">
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message id="gui_event_peak">
        <source>Peak</source>
        <translation>Peak</translation>
    </message>
    <message id="gui_event_source">
        <source>File</source>
        <translation>File</translation>
    </message>
    <message id="gui_event_speed_limit">
        <source>Speed limit (in the speed unit)</source>
        <translation>Speed limit (in the speed unit)</translation>
    </message>
    <message id="gui_event_speeding">
        <source>Speeding</source>
        <translation>Speeding</translation>
    </message>
    <message id="gui_event_time">
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message id="gui_events">
        <source>Driving events</source>
        <translation>Driving events</translation>
    </message>
    <message id="gui_mark_events">
        <source>Mark driving events</source>
        <translation>Mark driving events</translation>
    </message>
    <message id="gui_more_events">
        <source>… and %1 more</source>
        <translation>… and %1 more</translation>
    </message>
    <message id="gui_no_events">
        <source>No driving events</source>
        <translation>No driving events</translation>
    </message>
    <message id="gui_off">
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message id="gui_time_zone">
        <source>Time zone</source>
        <translation>Time zone</translation>
    </message>
    <message id="gui_zone_system">
        <source>The system's time zone</source>
        <translation>The system's time zone</translation>
    </message>
    <message id="tooltip_search_events">
        <source>List the driving events found in the logs</source>
        <translation>List the driving events found in the logs</translation>
    </message>
    <message id="ev_cert_events">
        <source>Driving events of the span</source>
        <translation>Driving events of the span</translation>
    </message>
    <message id="gui_avi_band">
        <source>Captions below the picture</source>
        <translation>Captions below the picture</translation>
    </message>
    <message id="gui_avi_subtitles">
        <source>Telemetry as subtitles (.srt)</source>
        <translation>Telemetry as subtitles (.srt)</translation>
    </message>
    <message id="gui_avi_overlay">
        <source>Speed gauge, G-ball and map over the picture</source>
        <translation>Speed gauge, G-ball and map over the picture</translation>
    </message>
    <message id="gui_format_geojson">
        <source>GeoJSON</source>
        <translation>GeoJSON</translation>
    </message>
    <message id="gui_geojson_convert">
        <source>Export GeoJSON Track</source>
        <translation>Export GeoJSON Track</translation>
    </message>
    <message id="gui_geojson_folder">
        <source>GeoJSON folder</source>
        <translation>GeoJSON folder</translation>
    </message>
    <message id="gui_gx_track">
        <source>Track to replay (gx:Track)</source>
        <translation>Track to replay (gx:Track)</translation>
    </message>
    <message id="gui_privacy_zones">
        <source>Privacy zones</source>
        <translation>Privacy zones</translation>
    </message>
    <message id="gui_privacy_hint">
        <source>Positions within these circles are left out of exported tracks, movies, route pictures and reports. The viewer&apos;s own maps still show them.</source>
        <translation>Positions within these circles are left out of exported tracks, movies, route pictures and reports. The viewer&apos;s own maps still show them.</translation>
    </message>
    <message id="gui_privacy_add">
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message id="gui_privacy_remove">
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message id="gui_privacy_latitude">
        <source>Lat</source>
        <translation>Lat</translation>
    </message>
    <message id="gui_privacy_longitude">
        <source>Lng</source>
        <translation>Lng</translation>
    </message>
    <message id="gui_privacy_radius">
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message id="button_trips">
        <source>Trips</source>
        <translation>Trips</translation>
    </message>
    <message id="tooltip_trips">
        <source>The card's drives as trips</source>
        <translation>The card's drives as trips</translation>
    </message>
    <message id="gui_trip_start">
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message id="gui_trip_distance">
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message id="gui_trip_events">
        <source>Events</source>
        <translation>Events</translation>
    </message>
    <message id="gui_trips_summary">
        <source>Trips: %1 · %2 · %3 in all</source>
        <translation>Trips: %1 · %2 · %3 in all</translation>
    </message>
    <message id="gui_trip_figures_pending">
        <source>Reading the logs: distance, speeds and events follow</source>
        <translation>Reading the logs: distance, speeds and events follow</translation>
    </message>
    <message id="gui_trip_events_partial">
        <source>More events may be in recordings not opened yet</source>
        <translation>More events may be in recordings not opened yet</translation>
    </message>
    <message id="gui_trip_gap">
        <source>Stop that ends a trip (minutes)</source>
        <translation>Stop that ends a trip (minutes)</translation>
    </message>
    <message id="msg_noselected_trip">
        <source>Tick at least one trip.</source>
        <translation>Tick at least one trip.</translation>
    </message>
    <message id="menu_view_overview">
        <source>Card overview map</source>
        <translation>Card overview map</translation>
    </message>
    <message id="gui_overview_title">
        <source>Card overview</source>
        <translation>Card overview</translation>
    </message>
    <message id="gui_overview_event_recording">
        <source>Event recording</source>
        <translation>Event recording</translation>
    </message>
    <message id="gui_overview_heat">
        <source>Where events gather</source>
        <translation>Where events gather</translation>
    </message>
    <message id="gui_overview_events">
        <source>Events</source>
        <translation>Events</translation>
    </message>
</context>
</TS>
