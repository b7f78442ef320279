// Time, coordinate and distance helpers over the camera's records.
#pragma once

#include "vexa_types.h"

#include <cstdint>

// UTC seconds since 1970; fields outside their range carry into the next larger field.
int64_t time_to_seconds(const _vexa_time_t &t);
int64_t time_to_msec(const _vexa_time_t &t);
int64_t time_diff_msec(const _vexa_time_t &a, const _vexa_time_t &b);
_vexa_time_t seconds_to_time(int64_t seconds);
_vexa_time_t msec_to_time(int64_t msec);
int64_t now_msec();
_vexa_time_t utc_to_local(const _vexa_time_t &t);
// Weekday (0 = Sunday) of a UTC date, after carrying out-of-range fields over.
int weekday_of_date(int year, int month, int day);

_vexa_dms_t nmea_to_dms(double v);
double nmea_to_degrees(double v);
// A fix flag with a finite position within ±90 / ±180 degrees: anything else is no fix.
bool has_position_fix(uint8_t gps_valid, double nmea_latitude, double nmea_longitude);
// Vincenty's inverse formula on WGS-84, one pass; decimal degrees in, metres out.
double distance_m(double lat1, double lon1, double lat2, double lon2);

// Decimal number formed by the leading digits of the first ten characters of a file name.
int64_t sequence_from_path(const char *path);
