<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name></name>
    <message id="button_all">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="button_close">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="button_csv">
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message id="button_event">
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message id="button_load">
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message id="button_log">
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message id="button_log_search">
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message id="button_normal">
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message id="button_play_list">
        <source>Play List</source>
        <translation>Wiedergabeliste</translation>
    </message>
    <message id="gui_about_2days">
        <source>About 2 days</source>
        <translation>Ca. 2 Tage</translation>
    </message>
    <message id="gui_about_31days">
        <source>About 31 days</source>
        <translation>Ca. 31 Tage</translation>
    </message>
    <message id="gui_about_7days">
        <source>About 7 days</source>
        <translation>Ca. 7 Tage</translation>
    </message>
    <message id="gui_acc_switch">
        <source>Ignition (ACC)</source>
        <translation>Zündung (ACC)</translation>
    </message>
    <message id="gui_alarm_duration">
        <source>Alarm duration</source>
        <translation>Alarmdauer</translation>
    </message>
    <message id="gui_altitude">
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message id="gui_avi_folder">
        <source>Movie folder</source>
        <translation>Filmordner</translation>
    </message>
    <message id="gui_avi_name">
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message id="gui_avi_range">
        <source>Time range</source>
        <translation>Zeitraum</translation>
    </message>
    <message id="gui_back_motion">
        <source>Reversing</source>
        <translation>Rückwärtsfahrt</translation>
    </message>
    <message id="gui_backup">
        <source>Back Up Card Data</source>
        <translation>Kartendaten sichern</translation>
    </message>
    <message id="gui_backup_all">
        <source>Back up everything</source>
        <translation>Alles sichern</translation>
    </message>
    <message id="gui_backup_config_file">
        <source>Keep the camera settings</source>
        <translation>Kameraeinstellungen behalten</translation>
    </message>
    <message id="gui_backup_folder">
        <source>Backup folder</source>
        <translation>Sicherungsordner</translation>
    </message>
    <message id="gui_backup_size">
        <source>Backup size</source>
        <translation>Sicherungsgröße</translation>
    </message>
    <message id="gui_batt_off">
        <source>Power loss</source>
        <translation>Stromausfall</translation>
    </message>
    <message id="gui_beep_record">
        <source>Beep while recording</source>
        <translation>Signalton während der Aufnahme</translation>
    </message>
    <message id="gui_browse">
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message id="gui_camera_position">
        <source>Camera mounting</source>
        <translation>Kameramontage</translation>
    </message>
    <message id="gui_cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="gui_caption">
        <source>Caption</source>
        <translation>Einblendungen</translation>
    </message>
    <message id="gui_car_track">
        <source>Vehicle track</source>
        <translation>Fahrtroute</translation>
    </message>
    <message id="gui_close">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="gui_codec">
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message id="gui_comment">
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message id="gui_course_e">
        <source>E</source>
        <translation>O</translation>
    </message>
    <message id="gui_course_n">
        <source>N</source>
        <translation>N</translation>
    </message>
    <message id="gui_course_ne">
        <source>NE</source>
        <translation>NO</translation>
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
        <translation>SO</translation>
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
        <translation>CSV-Ordner</translation>
    </message>
    <message id="gui_csv_name">
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message id="gui_current_image">
        <source>Current picture only</source>
        <translation>Nur das aktuelle Bild</translation>
    </message>
    <message id="gui_damaged_recording">
        <source>Damaged recording</source>
        <translation>Beschädigte Aufnahme</translation>
    </message>
    <message id="gui_date">
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message id="gui_date_format">
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message id="gui_date_time">
        <source>Date/Time</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message id="gui_datetime">
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message id="gui_del_files">
        <source>Deleting Recorded Data</source>
        <translation>Aufnahmedaten werden gelöscht</translation>
    </message>
    <message id="gui_drive_distance">
        <source>Driving Distance</source>
        <translation>Gefahrene Strecke</translation>
    </message>
    <message id="gui_duration">
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message id="gui_event_file">
        <source>Event recording</source>
        <translation>Ereignisaufnahme</translation>
    </message>
    <message id="gui_event_record">
        <source>Event recording</source>
        <translation>Ereignisaufnahme</translation>
    </message>
    <message id="gui_event_report">
        <source>Event Report</source>
        <translation>Ereignisbericht</translation>
    </message>
    <message id="gui_event_type">
        <source>Event type</source>
        <translation>Ereignistyp</translation>
    </message>
    <message id="gui_file_name">
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message id="gui_flip_leftright">
        <source>Mirror left/right</source>
        <translation>Links/rechts spiegeln</translation>
    </message>
    <message id="gui_flip_leftrightupdown">
        <source>Rotate 180°</source>
        <translation>Um 180° drehen</translation>
    </message>
    <message id="gui_flip_none">
        <source>No flip</source>
        <translation>Nicht spiegeln</translation>
    </message>
    <message id="gui_flip_updown">
        <source>Mirror top/bottom</source>
        <translation>Oben/unten spiegeln</translation>
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
        <translation>SD-Karte formatieren</translation>
    </message>
    <message id="gui_fps">
        <source>Frames per second</source>
        <translation>Bilder pro Sekunde</translation>
    </message>
    <message id="gui_frame_no">
        <source>Frame</source>
        <translation>Bild</translation>
    </message>
    <message id="gui_frame_rate">
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message id="gui_frame_time">
        <source>Frame time</source>
        <translation>Bildzeit</translation>
    </message>
    <message id="gui_friday">
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message id="gui_gps_coord">
        <source>Coordinates</source>
        <translation>Koordinaten</translation>
    </message>
    <message id="gui_gps_rec_time">
        <source>GPS recording time</source>
        <translation>GPS-Aufzeichnungsdauer</translation>
    </message>
    <message id="gui_gps_signal_invalid">
        <source>No GPS signal</source>
        <translation>Kein GPS-Signal</translation>
    </message>
    <message id="gui_gps_speed_over">
        <source>Speed over</source>
        <translation>Geschwindigkeit über</translation>
    </message>
    <message id="gui_gps_time">
        <source>GPS time</source>
        <translation>GPS-Zeit</translation>
    </message>
    <message id="gui_gsensor">
        <source>G-sensor</source>
        <translation>G-Sensor</translation>
    </message>
    <message id="gui_gsensor_graph">
        <source>G-sensor graph</source>
        <translation>G-Sensor-Diagramm</translation>
    </message>
    <message id="gui_gsensor_setting">
        <source>G-sensor</source>
        <translation>G-Sensor</translation>
    </message>
    <message id="gui_gsensor_x">
        <source>X</source>
        <translation>X</translation>
    </message>
    <message id="gui_gsensor_x_over">
        <source>G-sensor X over</source>
        <translation>G-Sensor X über</translation>
    </message>
    <message id="gui_gsensor_y">
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message id="gui_gsensor_y_over">
        <source>G-sensor Y over</source>
        <translation>G-Sensor Y über</translation>
    </message>
    <message id="gui_gsensor_z">
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message id="gui_gsensor_z_over">
        <source>G-sensor Z over</source>
        <translation>G-Sensor Z über</translation>
    </message>
    <message id="gui_high">
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message id="gui_icon_height">
        <source>Track height from</source>
        <translation>Streckenhöhe aus</translation>
    </message>
    <message id="gui_img_quality">
        <source>Image quality</source>
        <translation>Bildqualität</translation>
    </message>
    <message id="gui_img_resolution">
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message id="gui_information">
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message id="gui_init_sdcard">
        <source>Format Card…</source>
        <translation>Karte formatieren…</translation>
    </message>
    <message id="gui_initial_config_file">
        <source>Reset the camera settings</source>
        <translation>Kameraeinstellungen zurücksetzen</translation>
    </message>
    <message id="gui_initial_data">
        <source>Reset Data</source>
        <translation>Daten zurücksetzen</translation>
    </message>
    <message id="gui_jpeg_folder">
        <source>Picture folder</source>
        <translation>Bilderordner</translation>
    </message>
    <message id="gui_kml_convert">
        <source>Export KML Track</source>
        <translation>KML-Strecke exportieren</translation>
    </message>
    <message id="gui_kml_folder">
        <source>KML folder</source>
        <translation>KML-Ordner</translation>
    </message>
    <message id="gui_latitude">
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message id="gui_line_interval">
        <source>Track point every</source>
        <translation>Streckenpunkt alle</translation>
    </message>
    <message id="gui_list_no">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="gui_log_file">
        <source>Driving log</source>
        <translation>Fahrtenlog</translation>
    </message>
    <message id="gui_log_report">
        <source>Driving Log Report</source>
        <translation>Fahrtenlog-Bericht</translation>
    </message>
    <message id="gui_log_time">
        <source>Log time</source>
        <translation>Log-Zeit</translation>
    </message>
    <message id="gui_longitude">
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message id="gui_low">
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message id="gui_machine_version">
        <source>Camera firmware</source>
        <translation>Kamera-Firmware</translation>
    </message>
    <message id="gui_man_time_setting">
        <source>Set the camera clock</source>
        <translation>Kamerauhr stellen</translation>
    </message>
    <message id="gui_map">
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message id="gui_measure_system">
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message id="gui_method_knot">
        <source>Nautical (kn)</source>
        <translation>Nautisch (kn)</translation>
    </message>
    <message id="gui_method_meter">
        <source>Metric (km/h)</source>
        <translation>Metrisch (km/h)</translation>
    </message>
    <message id="gui_method_us">
        <source>US (MPH)</source>
        <translation>US-Einheiten (MPH)</translation>
    </message>
    <message id="gui_minute">
        <source>min</source>
        <translation>Min.</translation>
    </message>
    <message id="gui_monday">
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message id="gui_no">
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message id="gui_no_event_marker">
        <source>No event marks</source>
        <translation>Keine Ereignismarken</translation>
    </message>
    <message id="gui_normal">
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message id="gui_normal_file">
        <source>Normal recording</source>
        <translation>Normalaufnahme</translation>
    </message>
    <message id="gui_normal_record">
        <source>Normal recording</source>
        <translation>Normalaufnahme</translation>
    </message>
    <message id="gui_ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="gui_password">
        <source>Camera PIN</source>
        <translation>Kamera-PIN</translation>
    </message>
    <message id="gui_password_setting">
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message id="gui_pc_version">
        <source>Viewer version</source>
        <translation>Viewer-Version</translation>
    </message>
    <message id="gui_point_interval">
        <source>Marker every</source>
        <translation>Markierung alle</translation>
    </message>
    <message id="gui_pre_record_time">
        <source>Before/after event</source>
        <translation>Vor/nach Ereignis</translation>
    </message>
    <message id="gui_print_comment">
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message id="gui_print_image">
        <source>Print Report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message id="gui_print_time">
        <source>Printed</source>
        <translation>Gedruckt</translation>
    </message>
    <message id="gui_print_title">
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message id="gui_rank2">
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message id="gui_rank3">
        <source>Fine</source>
        <translation>Fein</translation>
    </message>
    <message id="gui_rd_detect">
        <source>RD input</source>
        <translation>RD-Eingang</translation>
    </message>
    <message id="gui_rec_data_delete">
        <source>Delete all recordings and logs</source>
        <translation>Alle Aufnahmen und Logs löschen</translation>
    </message>
    <message id="gui_rec_mode">
        <source>Record mode</source>
        <translation>Aufnahmemodus</translation>
    </message>
    <message id="gui_rec_normal">
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message id="gui_rec_onetime">
        <source>Stop when full</source>
        <translation>Anhalten, wenn voll</translation>
    </message>
    <message id="gui_rec_overwrite">
        <source>Overwrite oldest</source>
        <translation>Älteste überschreiben</translation>
    </message>
    <message id="gui_rec_post">
        <source>After event</source>
        <translation>Nach Ereignis</translation>
    </message>
    <message id="gui_rec_pre">
        <source>Before event</source>
        <translation>Vor Ereignis</translation>
    </message>
    <message id="gui_record">
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message id="gui_record_method">
        <source>Record method</source>
        <translation>Aufnahmeart</translation>
    </message>
    <message id="gui_satelite">
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message id="gui_saturday">
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message id="gui_save_avi">
        <source>Save Movie</source>
        <translation>Film speichern</translation>
    </message>
    <message id="gui_save_csv_file">
        <source>Export CSV File</source>
        <translation>CSV-Datei exportieren</translation>
    </message>
    <message id="gui_save_jpeg">
        <source>Save Still Pictures</source>
        <translation>Standbilder speichern</translation>
    </message>
    <message id="gui_save_pdf">
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message id="gui_second">
        <source>sec</source>
        <translation>Sek.</translation>
    </message>
    <message id="gui_select_folder">
        <source>Choose a Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message id="gui_select_sd_folder">
        <source>Choose the Card Folder</source>
        <translation>Kartenordner auswählen</translation>
    </message>
    <message id="gui_selected_event">
        <source>Event recordings</source>
        <translation>Ereignisaufnahmen</translation>
    </message>
    <message id="gui_selected_image">
        <source>Series from the current picture</source>
        <translation>Serie ab dem aktuellen Bild</translation>
    </message>
    <message id="gui_selected_log">
        <source>Driving logs</source>
        <translation>Fahrtenlogs</translation>
    </message>
    <message id="gui_selected_normal">
        <source>Normal recordings</source>
        <translation>Normalaufnahmen</translation>
    </message>
    <message id="gui_sensitivity">
        <source>Sensitivity</source>
        <translation>Empfindlichkeit</translation>
    </message>
    <message id="gui_setting">
        <source>Camera Settings</source>
        <translation>Kameraeinstellungen</translation>
    </message>
    <message id="gui_simple_set_mode">
        <source>Simple mode</source>
        <translation>Einfacher Modus</translation>
    </message>
    <message id="gui_speed">
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message id="gui_speed_gsensor">
        <source>Speed-dependent G-sensor</source>
        <translation>Geschwindigkeitsabhängiger G-Sensor</translation>
    </message>
    <message id="gui_start">
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message id="gui_sunday">
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message id="gui_switch">
        <source>Manual switch</source>
        <translation>Handschalter</translation>
    </message>
    <message id="gui_system">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="gui_thursday">
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message id="gui_time">
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message id="gui_total">
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message id="gui_total_distance">
        <source>Total distance: %1</source>
        <translation>Gesamtstrecke: %1</translation>
    </message>
    <message id="gui_track_format">
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message id="gui_trigger_xval">
        <source>X trigger level</source>
        <translation>Auslöseschwelle X</translation>
    </message>
    <message id="gui_trigger_yval">
        <source>Y trigger level</source>
        <translation>Auslöseschwelle Y</translation>
    </message>
    <message id="gui_trigger_zval">
        <source>Z trigger level</source>
        <translation>Auslöseschwelle Z</translation>
    </message>
    <message id="gui_tuesday">
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message id="gui_type">
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message id="gui_unknown">
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message id="gui_vehicle_id">
        <source>Vehicle ID</source>
        <translation>Fahrzeugkennung</translation>
    </message>
    <message id="gui_video_flip">
        <source>Picture orientation</source>
        <translation>Bildausrichtung</translation>
    </message>
    <message id="gui_viewer_setting">
        <source>Viewer Preferences</source>
        <translation>Viewer-Einstellungen</translation>
    </message>
    <message id="gui_wednesday">
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message id="gui_yes">
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message id="gui_zoom">
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message id="menu_edit">
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message id="menu_edit_select_all">
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message id="menu_edit_unselect_all">
        <source>Deselect All</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message id="menu_file">
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message id="menu_file_exit">
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message id="menu_file_list">
        <source>Back to the File List</source>
        <translation>Zurück zur Dateiliste</translation>
    </message>
    <message id="menu_file_load">
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message id="menu_file_load_event">
        <source>Event Recordings</source>
        <translation>Ereignisaufnahmen</translation>
    </message>
    <message id="menu_file_load_log">
        <source>Driving Logs</source>
        <translation>Fahrtenlogs</translation>
    </message>
    <message id="menu_file_load_normal">
        <source>Normal Recordings</source>
        <translation>Normalaufnahmen</translation>
    </message>
    <message id="menu_file_print">
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message id="menu_file_select_folder">
        <source>Open Card Folder…</source>
        <translation>Kartenordner öffnen…</translation>
    </message>
    <message id="menu_file_setting">
        <source>Preferences…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message id="menu_help">
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message id="menu_help_homepage">
        <source>Home Page</source>
        <translation>Homepage</translation>
    </message>
    <message id="menu_help_version">
        <source>About…</source>
        <translation>Über…</translation>
    </message>
    <message id="menu_play">
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message id="menu_play_back_play">
        <source>Play Backward</source>
        <translation>Rückwärts abspielen</translation>
    </message>
    <message id="menu_play_fast_back_play">
        <source>Fast Backward</source>
        <translation>Schnell rückwärts</translation>
    </message>
    <message id="menu_play_fast_play">
        <source>Fast Forward</source>
        <translation>Schnell vorwärts</translation>
    </message>
    <message id="menu_play_next_frame">
        <source>Next Frame</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message id="menu_play_play">
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message id="menu_play_prev_frame">
        <source>Previous Frame</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message id="menu_play_stop">
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message id="menu_tool">
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message id="menu_tool_backup">
        <source>Back Up Card Data…</source>
        <translation>Kartendaten sichern…</translation>
    </message>
    <message id="menu_tool_save_avi">
        <source>Save Movie…</source>
        <translation>Film speichern…</translation>
    </message>
    <message id="menu_tool_save_jpg">
        <source>Save Still Pictures…</source>
        <translation>Standbilder speichern…</translation>
    </message>
    <message id="menu_tool_sd_eject">
        <source>Eject SD Card</source>
        <translation>SD-Karte auswerfen</translation>
    </message>
    <message id="menu_tool_sd_init">
        <source>Format SD Card…</source>
        <translation>SD-Karte formatieren…</translation>
    </message>
    <message id="menu_tool_setting">
        <source>Camera Settings…</source>
        <translation>Kameraeinstellungen…</translation>
    </message>
    <message id="menu_view">
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message id="menu_view_full">
        <source>Enlarge Video</source>
        <translation>Video vergrößern</translation>
    </message>
    <message id="menu_view_full_screen">
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message id="menu_view_full_window">
        <source>Fill the Window</source>
        <translation>Fensterfüllend</translation>
    </message>
    <message id="menu_view_gsgraph">
        <source>G-Sensor Graph Scale</source>
        <translation>G-Sensor-Diagrammskala</translation>
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
        <translation>Einzelansicht</translation>
    </message>
    <message id="menu_view_layout_thumb">
        <source>Thumbnails</source>
        <translation>Miniaturansicht</translation>
    </message>
    <message id="msg_avi_cancel">
        <source>Saving the movie was cancelled. No file was written.</source>
        <translation>Das Speichern des Films wurde abgebrochen. Es wurde keine Datei geschrieben.</translation>
    </message>
    <message id="msg_avi_error">
        <source>The movie could not be saved. Check that the end of the time range lies after its start and that the folder can be written to.</source>
        <translation>Der Film konnte nicht gespeichert werden. Prüfen Sie, ob das Ende des Zeitraums nach seinem Anfang liegt und ob der Ordner beschreibbar ist.</translation>
    </message>
    <message id="msg_avi_ok">
        <source>The movie was saved.</source>
        <translation>Der Film wurde gespeichert.</translation>
    </message>
    <message id="msg_backup_config_fail">
        <source>The card&apos;s settings could not be read, so the card was not formatted. Insert the card so that it is mounted, or turn off keeping the settings to format it with the default settings.</source>
        <translation>Die Einstellungen der Karte konnten nicht gelesen werden, deshalb wurde die Karte nicht formatiert. Stecken Sie die Karte so ein, dass sie eingebunden wird, oder schalten Sie das Behalten der Einstellungen aus, um sie mit den Standardeinstellungen zu formatieren.</translation>
    </message>
    <message id="msg_backup_failed">
        <source>Files not backed up: %1 (earlier copies in the backup folder were kept)
%2</source>
        <translation>Nicht gesicherte Dateien: %1 (frühere Kopien im Sicherungsordner blieben erhalten)
%2</translation>
    </message>
    <message id="msg_backup_no_space">
        <source>The backup needs %1, but the backup folder has only %2 free. Nothing was copied.</source>
        <translation>Die Sicherung braucht %1, im Sicherungsordner sind aber nur %2 frei. Es wurde nichts kopiert.</translation>
    </message>
    <message id="msg_backup_not_done">
        <source>The recorded data was not backed up, so it stays on the card.</source>
        <translation>Die Aufnahmen wurden nicht gesichert und bleiben deshalb auf der Karte.</translation>
    </message>
    <message id="msg_complete_del_config">
        <source>The camera settings were reset to their factory values.</source>
        <translation>Die Kameraeinstellungen wurden auf die Werkseinstellungen zurückgesetzt.</translation>
    </message>
    <message id="msg_complete_delete_data">
        <source>All recordings and logs were deleted from the card.</source>
        <translation>Alle Aufnahmen und Logs wurden von der Karte gelöscht.</translation>
    </message>
    <message id="msg_delete_data">
        <source>The recordings on the card do not match the new settings. Delete all recordings and logs on the card?</source>
        <translation>Die Aufnahmen auf der Karte passen nicht zu den neuen Einstellungen. Alle Aufnahmen und Logs auf der Karte löschen?</translation>
    </message>
    <message id="msg_delete_data_incomplete">
        <source>These entries could not be deleted and are still on the card (%1):</source>
        <translation>Diese Einträge konnten nicht gelöscht werden und sind noch auf der Karte (%1):</translation>
    </message>
    <message id="msg_eject_fail">
        <source>The card could not be ejected. Close every program that uses it and try again.</source>
        <translation>Die Karte konnte nicht ausgeworfen werden. Schließen Sie alle Programme, die sie verwenden, und versuchen Sie es erneut.</translation>
    </message>
    <message id="msg_eject_ok">
        <source>The card was ejected and can now be removed safely.</source>
        <translation>Die Karte wurde ausgeworfen und kann jetzt sicher entfernt werden.</translation>
    </message>
    <message id="msg_enter_filename">
        <source>Please enter a file name.</source>
        <translation>Bitte geben Sie einen Dateinamen ein.</translation>
    </message>
    <message id="msg_file_not_time_order">
        <source>The selected logs cannot be shown together because they are not in time order.</source>
        <translation>Die ausgewählten Logs können nicht zusammen angezeigt werden, weil sie zeitlich nicht aufeinander folgen.</translation>
    </message>
    <message id="msg_files_skipped">
        <source>The card's files below could not be read and are left out (%1):</source>
        <translation>Die folgenden Dateien der Karte konnten nicht gelesen werden und fehlen in den Listen (%1):</translation>
    </message>
    <message id="msg_folder_not_found">
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message id="msg_format_fail">
        <source>The card could not be formatted. Select the card in the list and try again.</source>
        <translation>Die Karte konnte nicht formatiert werden. Wählen Sie die Karte in der Liste aus und versuchen Sie es erneut.</translation>
    </message>
    <message id="msg_format_layout_fail">
        <source>The card was formatted, but the camera&apos;s folders or settings file could not be created on it. Format the card again.</source>
        <translation>Die Karte wurde formatiert, aber die Ordner oder die Einstellungsdatei der Kamera konnten nicht angelegt werden. Formatieren Sie die Karte erneut.</translation>
    </message>
    <message id="msg_format_ok">
        <source>The card was formatted and is ready for the camera.</source>
        <translation>Die Karte wurde formatiert und ist bereit für die Kamera.</translation>
    </message>
    <message id="msg_homepage_address">
        <source>No web browser could be opened. The home page is at:
%1</source>
        <translation>Es konnte kein Webbrowser geöffnet werden. Die Homepage ist unter:
%1</translation>
    </message>
    <message id="msg_init_sdcard">
        <source>Formatting erases everything on the card. Format the card now?</source>
        <translation>Beim Formatieren wird alles auf der Karte gelöscht. Karte jetzt formatieren?</translation>
    </message>
    <message id="msg_invalid_password">
        <source>The PIN must be a number from 1000 to 9999.</source>
        <translation>Die PIN muss eine Zahl von 1000 bis 9999 sein.</translation>
    </message>
    <message id="msg_invalid_sd_folder">
        <source>This folder is not the top folder of a camera card. Choose the card's own folder.</source>
        <translation>Dieser Ordner ist nicht der oberste Ordner einer Kamerakarte. Wählen Sie den Ordner der Karte selbst.</translation>
    </message>
    <message id="msg_no_event_loaded">
        <source>Nothing is loaded yet. Open a card folder and load a recording or a log first.</source>
        <translation>Es ist noch nichts geladen. Öffnen Sie zuerst einen Kartenordner und laden Sie eine Aufnahme oder ein Log.</translation>
    </message>
    <message id="msg_no_preview_img">
        <source>There is no video picture for the current log position.</source>
        <translation>Für die aktuelle Log-Position gibt es kein Videobild.</translation>
    </message>
    <message id="msg_no_sdcard">
        <source>No card folder is open. Open the card folder first.</source>
        <translation>Es ist kein Kartenordner geöffnet. Öffnen Sie zuerst den Kartenordner.</translation>
    </message>
    <message id="msg_no_udisks">
        <source>No cards can be listed: the disk service UDisks2 is not running. Install the udisks2 package and try again.</source>
        <translation>Es können keine Karten angezeigt werden: Der Datenträgerdienst UDisks2 läuft nicht. Installieren Sie das Paket udisks2 und versuchen Sie es erneut.</translation>
    </message>
    <message id="msg_noselected_event">
        <source>Tick at least one event recording.</source>
        <translation>Markieren Sie mindestens eine Ereignisaufnahme.</translation>
    </message>
    <message id="msg_noselected_log">
        <source>Tick at least one driving log.</source>
        <translation>Markieren Sie mindestens ein Fahrtenlog.</translation>
    </message>
    <message id="msg_noselected_normal">
        <source>Tick at least one normal recording.</source>
        <translation>Markieren Sie mindestens eine Normalaufnahme.</translation>
    </message>
    <message id="msg_not_suport_sd">
        <source>This card is not supported: the camera needs at least 1.5 GB of free space on it.</source>
        <translation>Diese Karte wird nicht unterstützt: Die Kamera benötigt darauf mindestens 1,5 GB freien Speicher.</translation>
    </message>
    <message id="msg_password_not_equal">
        <source>The PIN is not correct.</source>
        <translation>Die PIN ist nicht korrekt.</translation>
    </message>
    <message id="msg_print_error">
        <source>The report could not be printed or saved.</source>
        <translation>Der Bericht konnte nicht gedruckt oder gespeichert werden.</translation>
    </message>
    <message id="msg_recording_damaged">
        <source>This recording is damaged: it has no frames with a valid time, so it cannot be played.</source>
        <translation>Diese Aufnahme ist beschädigt: Sie hat keine Bilder mit gültiger Zeit und kann nicht abgespielt werden.</translation>
    </message>
    <message id="msg_remove_data">
        <source>These changes make the recordings on the card unusable. Back up the recorded data first?</source>
        <translation>Durch diese Änderungen werden die Aufnahmen auf der Karte unbrauchbar. Sollen die Daten vorher gesichert werden?</translation>
    </message>
    <message id="msg_samefile_overwrite">
        <source>A file with this name already exists. Replace it?</source>
        <translation>Eine Datei mit diesem Namen ist bereits vorhanden. Soll sie ersetzt werden?</translation>
    </message>
    <message id="msg_save_csvfile_cancel">
        <source>The export was cancelled. The file holds the records written so far.</source>
        <translation>Der Export wurde abgebrochen. Die Datei enthält die bis dahin geschriebenen Datensätze.</translation>
    </message>
    <message id="msg_save_csvfile_ok">
        <source>The CSV file was saved.</source>
        <translation>Die CSV-Datei wurde gespeichert.</translation>
    </message>
    <message id="msg_save_cur_setting">
        <source>Save these settings to the card?</source>
        <translation>Diese Einstellungen auf der Karte speichern?</translation>
    </message>
    <message id="msg_save_file_fail">
        <source>The file %1 could not be saved.</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message id="msg_save_jpeg_error">
        <source>The pictures could not be saved.</source>
        <translation>Die Bilder konnten nicht gespeichert werden.</translation>
    </message>
    <message id="msg_save_jpeg_ok">
        <source>The pictures were saved.</source>
        <translation>Die Bilder wurden gespeichert.</translation>
    </message>
    <message id="msg_save_set_fail">
        <source>The settings could not be written to the card. Check that the card is not write-protected.</source>
        <translation>Die Einstellungen konnten nicht auf die Karte geschrieben werden. Prüfen Sie, ob die Karte schreibgeschützt ist.</translation>
    </message>
    <message id="msg_save_set_ok">
        <source>The settings were saved to the card.</source>
        <translation>Die Einstellungen wurden auf der Karte gespeichert.</translation>
    </message>
    <message id="tooltip_about">
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message id="tooltip_all">
        <source>Tick all rows</source>
        <translation>Alle Zeilen markieren</translation>
    </message>
    <message id="tooltip_back_fast">
        <source>Fast backward</source>
        <translation>Schnell rückwärts</translation>
    </message>
    <message id="tooltip_back_play">
        <source>Play backward</source>
        <translation>Rückwärts abspielen</translation>
    </message>
    <message id="tooltip_backup">
        <source>Back up card data</source>
        <translation>Kartendaten sichern</translation>
    </message>
    <message id="tooltip_close">
        <source>Close the play list</source>
        <translation>Wiedergabeliste schließen</translation>
    </message>
    <message id="tooltip_continuous_play">
        <source>Play the list continuously</source>
        <translation>Liste fortlaufend abspielen</translation>
    </message>
    <message id="tooltip_csv">
        <source>Export the ticked logs as CSV</source>
        <translation>Markierte Logs als CSV exportieren</translation>
    </message>
    <message id="tooltip_default">
        <source>Default graph scale</source>
        <translation>Standard-Diagrammskala</translation>
    </message>
    <message id="tooltip_event">
        <source>Event recordings</source>
        <translation>Ereignisaufnahmen</translation>
    </message>
    <message id="tooltip_exit">
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message id="tooltip_google_earth">
        <source>Export the ticked logs as a KML track</source>
        <translation>Markierte Logs als KML-Strecke exportieren</translation>
    </message>
    <message id="tooltip_load">
        <source>Load the ticked rows</source>
        <translation>Markierte Einträge laden</translation>
    </message>
    <message id="tooltip_log">
        <source>Driving logs</source>
        <translation>Fahrtenlogs</translation>
    </message>
    <message id="tooltip_minimize">
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message id="tooltip_next">
        <source>Next frame</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message id="tooltip_normal">
        <source>Normal recordings</source>
        <translation>Normalaufnahmen</translation>
    </message>
    <message id="tooltip_open">
        <source>Open card folder</source>
        <translation>Kartenordner öffnen</translation>
    </message>
    <message id="tooltip_pause">
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message id="tooltip_play">
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message id="tooltip_play_fast">
        <source>Fast forward</source>
        <translation>Schnell vorwärts</translation>
    </message>
    <message id="tooltip_previous">
        <source>Previous frame</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message id="tooltip_print_image">
        <source>Print report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message id="tooltip_save_avi">
        <source>Save movie</source>
        <translation>Film speichern</translation>
    </message>
    <message id="tooltip_save_image">
        <source>Save still pictures</source>
        <translation>Standbilder speichern</translation>
    </message>
    <message id="tooltip_search_log">
        <source>Search the log</source>
        <translation>Log durchsuchen</translation>
    </message>
    <message id="tooltip_setting">
        <source>Camera settings</source>
        <translation>Kameraeinstellungen</translation>
    </message>
    <message id="tooltip_show_trigger">
        <source>Show the event marks of the recording</source>
        <translation>Ereignismarken der Aufnahme anzeigen</translation>
    </message>
    <message id="tooltip_single_view">
        <source>Single view</source>
        <translation>Einzelansicht</translation>
    </message>
    <message id="tooltip_thumb_view">
        <source>Thumbnail view</source>
        <translation>Miniaturansicht</translation>
    </message>
    <message id="tooltip_zoom_in">
        <source>Enlarge the graph</source>
        <translation>Diagramm vergrößern</translation>
    </message>
    <message id="tooltip_zoom_out">
        <source>Reduce the graph</source>
        <translation>Diagramm verkleinern</translation>
    </message>
    <message id="msg_disk_gone">
        <source>%1 is no longer attached as it was listed. Nothing was changed.</source>
        <translation>%1 ist nicht mehr so angeschlossen wie in der Liste. Es wurde nichts verändert.</translation>
    </message>
    <message id="msg_disk_swapped">
        <source>Another disk (%2) is now at %1. Nothing was changed; choose the card in the list again.</source>
        <translation>Unter %1 ist jetzt ein anderer Datenträger (%2). Es wurde nichts verändert; wählen Sie die Karte erneut in der Liste aus.</translation>
    </message>
    <message id="msg_disk_system">
        <source>The running system now uses %1. Nothing was changed.</source>
        <translation>Das laufende System verwendet jetzt %1. Es wurde nichts verändert.</translation>
    </message>
    <message id="msg_format_not_card">
        <source>%1 (%2, volume %3) does not look like a camera card. Formatting erases everything on it.

Type %4 to format it.</source>
        <translation>%1 (%2, Volume %3) sieht nicht wie eine Kamerakarte aus. Beim Formatieren wird alles darauf gelöscht.

Geben Sie %4 ein, um den Datenträger zu formatieren.</translation>
    </message>
    <message id="gui_no_volume_name">
        <source>no volume name</source>
        <translation>ohne Volumenamen</translation>
    </message>
    <message id="msg_delete_what">
        <source>%1 recordings and %2 driving logs (%3) will be deleted from the card. They cannot be restored.</source>
        <translation>%1 Aufnahmen und %2 Fahrtenprotokolle (%3) werden von der Karte gelöscht. Sie können nicht wiederhergestellt werden.</translation>
    </message>
    <message id="gui_backup_first">
        <source>Back Up First</source>
        <translation>Zuerst sichern</translation>
    </message>
    <message id="gui_delete_now">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="msg_card_folder_linked">
        <source>A folder of the card (config, CH1 or log) is a link to another place. Nothing was changed.</source>
        <translation>Ein Ordner der Karte (config, CH1 oder log) ist ein Verweis auf einen anderen Ort. Es wurde nichts verändert.</translation>
    </message>
    <message id="msg_avi_failed">
        <source>The movie could not be saved.</source>
        <translation>Der Film konnte nicht gespeichert werden.</translation>
    </message>
    <message id="msg_backup_unwritable">
        <source>Nothing was copied: the backup folder cannot be written.</source>
        <translation>Es wurde nichts kopiert: In den Sicherungsordner kann nicht geschrieben werden.</translation>
    </message>
    <message id="msg_card_unreadable">
        <source>The card cannot be read (%1). Was it removed? Playback stopped.</source>
        <translation>Die Karte kann nicht gelesen werden (%1). Wurde sie entfernt? Die Wiedergabe wurde angehalten.</translation>
    </message>
    <message id="msg_save_jpeg_partial">
        <source>%1 of %2 pictures were saved before it stopped.</source>
        <translation>%1 von %2 Bildern wurden gespeichert, bevor es abbrach.</translation>
    </message>
    <message id="msg_save_track_cancel">
        <source>The export was cancelled. The file holds the records written so far.</source>
        <translation>Der Export wurde abgebrochen. Die Datei enthält die bis dahin geschriebenen Datensätze.</translation>
    </message>
    <message id="button_trigger_list">
        <source>Trigger List</source>
        <translation>Auslöserliste</translation>
    </message>
    <message id="gui_all_ticked_axes">
        <source>all ticked axes</source>
        <translation>alle angekreuzten Achsen</translation>
    </message>
    <message id="gui_gpx_convert">
        <source>Export GPX Track</source>
        <translation>GPX-Strecke exportieren</translation>
    </message>
    <message id="gui_gpx_folder">
        <source>GPX folder</source>
        <translation>GPX-Ordner</translation>
    </message>
    <message id="gui_open_folder">
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message id="msg_backup_cancel">
        <source>The backup was cancelled. The files copied so far are kept.</source>
        <translation>Die Sicherung wurde abgebrochen. Die bis dahin kopierten Dateien bleiben erhalten.</translation>
    </message>
    <message id="msg_backup_ok">
        <source>The backup is complete.</source>
        <translation>Die Sicherung ist abgeschlossen.</translation>
    </message>
    <message id="msg_log_too_many_records">
        <source>too many records: the log is longer than an hour</source>
        <translation>zu viele Datensätze: das Protokoll ist länger als eine Stunde</translation>
    </message>
    <message id="msg_save_jpeg_cancel">
        <source>Saving the pictures was cancelled. The pictures saved so far are kept.</source>
        <translation>Das Speichern der Bilder wurde abgebrochen. Die bis dahin gespeicherten Bilder bleiben erhalten.</translation>
    </message>
    <message id="msg_save_pdf_ok">
        <source>The report was saved as a PDF file.</source>
        <translation>Der Bericht wurde als PDF-Datei gespeichert.</translation>
    </message>
    <message id="msg_save_track_ok">
        <source>The track was saved.</source>
        <translation>Die Strecke wurde gespeichert.</translation>
    </message>
    <message id="menu_tool_evidence">
        <source>Evidence Package…</source>
        <translation>Beweispaket…</translation>
    </message>
    <message id="gui_evidence">
        <source>Evidence Package</source>
        <translation>Beweispaket</translation>
    </message>
    <message id="gui_evidence_intro">
        <source>Copies the chosen recordings, the recordings and logs around them and the camera's settings bit for bit with their SHA-256 hashes, and adds captioned movies, stills, tracks and a report with a certificate, so that anyone can check the copy later.</source>
        <translation>Kopiert die gewählten Aufnahmen, die Aufnahmen und Fahrtenbücher um sie herum und die Einstellungen der Kamera bitgenau mit ihren SHA-256-Prüfsummen und fügt beschriftete Filme, Standbilder, Strecken und einen Bericht mit Zertifikat hinzu, damit jeder die Kopie später prüfen kann.</translation>
    </message>
    <message id="gui_evidence_chosen">
        <source>Chosen recordings:</source>
        <translation>Gewählte Aufnahmen:</translation>
    </message>
    <message id="gui_evidence_margin">
        <source>Also copy recordings before and after:</source>
        <translation>Aufnahmen davor und danach mitkopieren:</translation>
    </message>
    <message id="gui_evidence_seconds">
        <source> s</source>
        <translation> s</translation>
    </message>
    <message id="gui_evidence_operator">
        <source>Operator:</source>
        <translation>Bearbeiter:</translation>
    </message>
    <message id="gui_evidence_note">
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message id="gui_evidence_folder">
        <source>Save in:</source>
        <translation>Speichern in:</translation>
    </message>
    <message id="gui_evidence_open_folder">
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message id="msg_evidence_no_folder">
        <source>Choose the folder the package is saved in.</source>
        <translation>Wählen Sie den Ordner, in dem das Paket gespeichert wird.</translation>
    </message>
    <message id="msg_evidence_none_chosen">
        <source>Tick the recordings for the evidence package in the list, or load a recording.</source>
        <translation>Haken Sie die Aufnahmen für das Beweispaket in der Liste an oder laden Sie eine Aufnahme.</translation>
    </message>
    <message id="msg_evidence_done_short">
        <source>The package is complete.</source>
        <translation>Das Paket ist fertig.</translation>
    </message>
    <message id="msg_evidence_done">
        <source>The evidence package is complete:
%1

SHA-256 of SHA256SUMS:
%2</source>
        <translation>Das Beweispaket ist fertig:
%1

SHA-256 von SHA256SUMS:
%2</translation>
    </message>
    <message id="msg_evidence_failed">
        <source>The evidence package could not be made, and nothing was left behind.
%1</source>
        <translation>Das Beweispaket konnte nicht erstellt werden; es wurde nichts zurückgelassen.
%1</translation>
    </message>
    <message id="msg_evidence_cancelled">
        <source>The evidence package was cancelled, and nothing was left behind.</source>
        <translation>Das Beweispaket wurde abgebrochen; es wurde nichts zurückgelassen.</translation>
    </message>
    <message id="ev_report_title">
        <source>Evidence Report</source>
        <translation>Beweisbericht</translation>
    </message>
    <message id="ev_cert_title">
        <source>Certificate of the Evidence Package</source>
        <translation>Zertifikat des Beweispakets</translation>
    </message>
    <message id="ev_cert_tool">
        <source>Made with</source>
        <translation>Erstellt mit</translation>
    </message>
    <message id="ev_cert_created">
        <source>Made at (UTC / local time)</source>
        <translation>Erstellt am (UTC / Ortszeit)</translation>
    </message>
    <message id="ev_cert_zone">
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message id="ev_cert_operator">
        <source>Operator</source>
        <translation>Bearbeiter</translation>
    </message>
    <message id="ev_cert_note">
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message id="ev_cert_card">
        <source>Source card</source>
        <translation>Quellkarte</translation>
    </message>
    <message id="ev_cert_sums">
        <source>SHA-256 of SHA256SUMS</source>
        <translation>SHA-256 von SHA256SUMS</translation>
    </message>
    <message id="ev_cert_chosen">
        <source>Chosen recordings</source>
        <translation>Gewählte Aufnahmen</translation>
    </message>
    <message id="ev_cert_frame">
        <source>frame</source>
        <translation>Bild</translation>
    </message>
    <message id="ev_cert_offset">
        <source>camera clock offset (camera − GPS)</source>
        <translation>Abweichung der Kamerauhr (Kamera − GPS)</translation>
    </message>
    <message id="ev_cert_no_fix">
        <source>no GPS fix</source>
        <translation>kein GPS-Empfang</translation>
    </message>
    <message id="ev_cert_originals">
        <source>Original files (path, size, modification time in UTC, SHA-256)</source>
        <translation>Originaldateien (Pfad, Größe, Änderungszeit in UTC, SHA-256)</translation>
    </message>
    <message id="ev_cert_check">
        <source>How to check this package</source>
        <translation>So prüfen Sie dieses Paket</translation>
    </message>
    <message id="ev_cert_check_text">
        <source>In the package folder run one of the commands below. Every file must be reported as OK,
and the SHA-256 of SHA256SUMS must equal the one above (manifest.json holds it too).</source>
        <translation>Führen Sie im Paketordner einen der Befehle unten aus. Jede Datei muss als OK gemeldet werden,
und die SHA-256 von SHA256SUMS muss der obigen gleichen (auch manifest.json enthält sie).</translation>
    </message>
    <message id="gui_all_events">
        <source>All driving events</source>
        <translation>Alle Fahrereignisse</translation>
    </message>
    <message id="gui_clock_ahead">
        <source>Camera clock %1 s ahead of GPS</source>
        <translation>Kamerauhr %1 s vor GPS</translation>
    </message>
    <message id="gui_clock_behind">
        <source>Camera clock %1 s behind GPS</source>
        <translation>Kamerauhr %1 s hinter GPS</translation>
    </message>
    <message id="gui_clock_in_step">
        <source>Camera clock in step with GPS</source>
        <translation>Kamerauhr stimmt mit GPS überein</translation>
    </message>
    <message id="gui_event_accel">
        <source>Hard acceleration</source>
        <translation>Starkes Beschleunigen</translation>
    </message>
    <message id="gui_event_brake">
        <source>Harsh braking</source>
        <translation>Starkes Bremsen</translation>
    </message>
    <message id="gui_event_corner">
        <source>Sharp cornering</source>
        <translation>Scharfe Kurvenfahrt</translation>
    </message>
    <message id="gui_event_corner_left">
        <source>Sharp left turn</source>
        <translation>Scharfe Linkskurve</translation>
    </message>
    <message id="gui_event_corner_right">
        <source>Sharp right turn</source>
        <translation>Scharfe Rechtskurve</translation>
    </message>
    <message id="gui_event_impact">
        <source>Impact</source>
        <translation>Aufprall</translation>
    </message>
    <message id="gui_event_kind">
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message id="gui_event_peak">
        <source>Peak</source>
        <translation>Spitze</translation>
    </message>
    <message id="gui_event_source">
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message id="gui_event_speed_limit">
        <source>Speed limit (in the speed unit)</source>
        <translation>Tempolimit (in der Geschwindigkeitseinheit)</translation>
    </message>
    <message id="gui_event_speeding">
        <source>Speeding</source>
        <translation>Zu schnell</translation>
    </message>
    <message id="gui_event_time">
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message id="gui_events">
        <source>Driving events</source>
        <translation>Fahrereignisse</translation>
    </message>
    <message id="gui_mark_events">
        <source>Mark driving events</source>
        <translation>Fahrereignisse markieren</translation>
    </message>
    <message id="gui_more_events">
        <source>… and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message id="gui_no_events">
        <source>No driving events</source>
        <translation>Keine Fahrereignisse</translation>
    </message>
    <message id="gui_off">
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message id="gui_time_zone">
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message id="gui_zone_system">
        <source>The system's time zone</source>
        <translation>Zeitzone des Systems</translation>
    </message>
    <message id="tooltip_search_events">
        <source>List the driving events found in the logs</source>
        <translation>Die in den Fahrtenbüchern gefundenen Fahrereignisse auflisten</translation>
    </message>
    <message id="ev_cert_events">
        <source>Driving events of the span</source>
        <translation>Fahrereignisse im Zeitraum</translation>
    </message>
    <message id="gui_avi_band">
        <source>Captions below the picture</source>
        <translation>Einblendungen unter dem Bild</translation>
    </message>
    <message id="gui_avi_subtitles">
        <source>Telemetry as subtitles (.srt)</source>
        <translation>Telemetrie als Untertitel (.srt)</translation>
    </message>
    <message id="gui_avi_overlay">
        <source>Speed gauge, G-ball and map over the picture</source>
        <translation>Tacho, G-Kugel und Karte über dem Bild</translation>
    </message>
    <message id="gui_format_geojson">
        <source>GeoJSON</source>
        <translation>GeoJSON</translation>
    </message>
    <message id="gui_geojson_convert">
        <source>Export GeoJSON Track</source>
        <translation>GeoJSON-Strecke exportieren</translation>
    </message>
    <message id="gui_geojson_folder">
        <source>GeoJSON folder</source>
        <translation>GeoJSON-Ordner</translation>
    </message>
    <message id="gui_gx_track">
        <source>Track to replay (gx:Track)</source>
        <translation>Strecke zum Abspielen (gx:Track)</translation>
    </message>
    <message id="gui_privacy_zones">
        <source>Privacy zones</source>
        <translation>Privatzonen</translation>
    </message>
    <message id="gui_privacy_hint">
        <source>Positions within these circles are left out of exported tracks, movies, route pictures and reports. The viewer&apos;s own maps still show them.</source>
        <translation>Positionen innerhalb dieser Kreise werden aus exportierten Strecken, Filmen, Routenbildern und Berichten weggelassen. Die Karten des Viewers selbst zeigen sie weiterhin.</translation>
    </message>
    <message id="gui_privacy_add">
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message id="gui_privacy_remove">
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message id="gui_privacy_latitude">
        <source>Lat</source>
        <translation>Breite</translation>
    </message>
    <message id="gui_privacy_longitude">
        <source>Lng</source>
        <translation>Länge</translation>
    </message>
    <message id="gui_privacy_radius">
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message id="button_trips">
        <source>Trips</source>
        <translation>Fahrten</translation>
    </message>
    <message id="tooltip_trips">
        <source>The card's drives as trips</source>
        <translation>Die Fahrten auf der Speicherkarte</translation>
    </message>
    <message id="gui_trip_start">
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message id="gui_trip_distance">
        <source>Distance</source>
        <translation>Strecke</translation>
    </message>
    <message id="gui_trip_events">
        <source>Events</source>
        <translation>Ereign.</translation>
    </message>
    <message id="gui_trips_summary">
        <source>Trips: %1 · %2 · %3 in all</source>
        <translation>Fahrten: %1 · %2 · %3 insgesamt</translation>
    </message>
    <message id="gui_trip_figures_pending">
        <source>Reading the logs: distance, speeds and events follow</source>
        <translation>Die Logs werden gelesen: Strecke, Geschwindigkeiten und Ereignisse folgen</translation>
    </message>
    <message id="gui_trip_events_partial">
        <source>More events may be in recordings not opened yet</source>
        <translation>Weitere Ereignisse können in noch nicht geöffneten Aufnahmen liegen</translation>
    </message>
    <message id="gui_trip_gap">
        <source>Stop that ends a trip (minutes)</source>
        <translation>Halt, der eine Fahrt beendet (Minuten)</translation>
    </message>
    <message id="msg_noselected_trip">
        <source>Tick at least one trip.</source>
        <translation>Markieren Sie mindestens eine Fahrt.</translation>
    </message>
    <message id="menu_view_overview">
        <source>Card overview map</source>
        <translation>Übersichtskarte der Speicherkarte</translation>
    </message>
    <message id="gui_overview_title">
        <source>Card overview</source>
        <translation>Übersicht der Speicherkarte</translation>
    </message>
    <message id="gui_overview_event_recording">
        <source>Event recording</source>
        <translation>Ereignisaufnahme</translation>
    </message>
    <message id="gui_overview_heat">
        <source>Where events gather</source>
        <translation>Wo sich Ereignisse häufen</translation>
    </message>
    <message id="gui_overview_events">
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
</context>
</TS>
