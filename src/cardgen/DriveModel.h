// A plausible drive around a loop through Munich: speed with stops, position,
// course, altitude, GPS fix and G-sensor values at any moment of the drive.
#pragma once

#include "SeededRandom.h"

#include <cstdint>
#include <vector>

struct DriveSample {
    bool gpsValid = false;
    double latitude = 0;   // NMEA ddmm.mmmm, negative = south
    double longitude = 0;  // NMEA dddmm.mmmm, negative = west
    double speedKmh = 0;
    double courseDeg = 0;
    double altitudeM = 0;
    double distanceM = 0;  // travelled since the start of the drive
    int satellitesUsed = 0;
    int satellitesInView = 0;
    double hdop = 0;
    int gx = 0, gy = 0, gz = 1000;  // milli-g
};

class DriveModel {
public:
    explicit DriveModel(uint64_t seed);

    // Makes the drive long enough for every moment up to this second.
    void extend(int64_t seconds);
    // A G-sensor shock that starts at this moment (milliseconds since the start).
    void addShock(int64_t msec);
    // A hard stop whose braking starts at this second: the driver closes up to town speed
    // before it and stands still for a while after it.
    void addHardStop(int64_t second);
    // Seconds [from, to) without a GPS fix.
    void addOutage(int64_t fromSecond, int64_t toSecond);

    // The state at a moment, milliseconds since the start of the drive (not before 0).
    DriveSample sample(int64_t msec) const;
    // The state at a moment, with the strongest G reading of the following second.
    DriveSample peakSample(int64_t msec) const;

private:
    struct Shock {
        int64_t msec;
        double ax, ay, az;
    };
    struct Point {
        double x, y;  // metres east and north of the route's origin
    };

    void stepSecond();
    bool stepHardStop(double previous);
    double pickTarget();
    Point pointAt(double distance) const;
    double courseAt(double distance) const;
    bool fixAt(int64_t second) const;
    void fillPosition(DriveSample &s, double distance) const;
    void fillSatellites(DriveSample &s, int64_t second) const;
    void fillGsensor(DriveSample &s, int64_t msec, double accel, double distance) const;

    uint64_t seed_;
    SeededRandom random_;
    std::vector<Point> route_;
    std::vector<double> routeDistance_;  // cumulative, route_.size() entries, last = loop length
    std::vector<double> speed_;          // km/h at the start of each second
    std::vector<double> distance_;       // metres at the start of each second
    std::vector<Shock> shocks_;
    std::vector<int64_t> hardStops_;
    std::vector<std::pair<int64_t, int64_t>> outages_;

    enum class Mode { Stopped, Accelerate, Cruise, Brake };
    Mode mode_ = Mode::Stopped;
    int timer_ = 3;
    double target_ = 0;
    double rate_ = 0;  // m/s^2 while changing speed
};
