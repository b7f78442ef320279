#include "DriveModel.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kGravity = 9.80665;
constexpr double kMaxLateral = 6.0;  // m/s²

// A loop through central Munich: Marienplatz, Isartor, Ostbahnhof, Bogenhausen,
// Schwabing, Odeonsplatz, Königsplatz, Hauptbahnhof, Stachus and back.
struct LatLon {
    double lat, lon;
};
constexpr LatLon kWaypoints[] = {
    {48.13743, 11.57549}, {48.13570, 11.57990}, {48.13480, 11.58200}, {48.13250, 11.58600},
    {48.12950, 11.59050}, {48.12870, 11.59330}, {48.12790, 11.59980}, {48.12740, 11.60480},
    {48.13330, 11.60560}, {48.13940, 11.60630}, {48.14290, 11.59480}, {48.14700, 11.59620},
    {48.15100, 11.59700}, {48.15650, 11.59210}, {48.16200, 11.58640}, {48.15620, 11.58420},
    {48.15230, 11.58200}, {48.14700, 11.57930}, {48.14240, 11.57750}, {48.14380, 11.57170},
    {48.14480, 11.56800}, {48.14560, 11.56500}, {48.14300, 11.56180}, {48.14020, 11.55990},
    {48.13900, 11.56590}, {48.13800, 11.57100},
};
constexpr double kOriginLat = 48.14;
constexpr double kOriginLon = 11.58;
constexpr double kMetresPerDegreeLat = 111132.0;
const double kMetresPerDegreeLon = 111320.0 * std::cos(kOriginLat * kPi / 180.0);

// Decimal degrees to NMEA ddmm.mmmm, kept to the four decimals the sentences carry.
double toNmea(double degrees)
{
    const double a = std::fabs(degrees);
    const double whole = std::floor(a);
    const double nmea = whole * 100.0 + (a - whole) * 60.0;
    const double rounded = std::round(nmea * 10000.0) / 10000.0;
    return degrees < 0 ? -rounded : rounded;
}

double wrapAngle(double degrees)
{
    double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

int clampMilliG(double v)
{
    return int(std::lround(std::clamp(v, -32000.0, 32000.0)));
}

} // namespace

DriveModel::DriveModel(uint64_t seed) : seed_(seed), random_(seed)
{
    double total = 0;
    for (const LatLon &w : kWaypoints) {
        const Point p{(w.lon - kOriginLon) * kMetresPerDegreeLon, (w.lat - kOriginLat) * kMetresPerDegreeLat};
        if (!route_.empty())
            total += std::hypot(p.x - route_.back().x, p.y - route_.back().y);
        route_.push_back(p);
        routeDistance_.push_back(total);
    }
    // Close the loop.
    total += std::hypot(route_.front().x - route_.back().x, route_.front().y - route_.back().y);
    route_.push_back(route_.front());
    routeDistance_.push_back(total);

    speed_.push_back(0);
    distance_.push_back(random_.uniform(0, total));  // each seed starts somewhere else on the loop
    outages_.push_back({0, 4});                       // the receiver needs a moment for its first fix
}

void DriveModel::extend(int64_t seconds)
{
    while (int64_t(speed_.size()) < seconds + 2)
        stepSecond();
}

void DriveModel::addShock(int64_t msec)
{
    const double scale = random_.uniform(0.8, 1.3);
    shocks_.push_back({msec, -1700.0 * scale, -2300.0 * scale, 900.0 * scale});
}

void DriveModel::addHardStop(int64_t second)
{
    hardStops_.push_back(second);
}

void DriveModel::addOutage(int64_t fromSecond, int64_t toSecond)
{
    outages_.push_back({fromSecond, toSecond});
}

double DriveModel::pickTarget()
{
    if (random_.chance(0.2))
        return random_.uniform(70, 90);
    return random_.uniform(30, 60);
}

bool DriveModel::stepHardStop(double previous)
{
    constexpr int64_t kApproach = 10;    // seconds to reach the speed before braking
    constexpr int64_t kStandstill = 5;   // seconds after braking starts that stay forced
    constexpr double kCloseUpKmh = 55.0;
    constexpr double kBrakeKmhPerSecond = 4.6 * 3.6;  // well past what counts as harsh braking
    const int64_t second = int64_t(speed_.size());
    for (const int64_t start : hardStops_) {
        if (second < start - kApproach || second > start + kStandstill)
            continue;
        const double v = second <= start ? previous + std::clamp(kCloseUpKmh - previous, -7.0, 7.9)
                                          : std::max(0.0, previous - kBrakeKmhPerSecond);
        mode_ = Mode::Stopped;
        timer_ = 6;
        distance_.push_back(distance_.back() + (previous + v) / 2.0 / 3.6);
        speed_.push_back(v);
        return true;
    }
    return false;
}

void DriveModel::stepSecond()
{
    const double previous = speed_.back();
    if (stepHardStop(previous))
        return;
    double v = previous;
    switch (mode_) {
    case Mode::Stopped:
        v = 0;
        if (--timer_ <= 0) {
            mode_ = Mode::Accelerate;
            target_ = pickTarget();
            rate_ = random_.uniform(1.2, 2.4);
        }
        break;
    case Mode::Accelerate:
        v += rate_ * 3.6;
        if (v >= target_) {
            v = target_;
            mode_ = Mode::Cruise;
            timer_ = int(random_.range(8, 45));
        }
        break;
    case Mode::Cruise:
        v = std::clamp(target_ + random_.bell(), 0.0, 90.0);
        if (--timer_ <= 0) {
            if (random_.chance(0.45)) {
                target_ = 0;
            } else {
                target_ = pickTarget();
            }
            rate_ = random_.uniform(1.5, 3.0);
            mode_ = target_ > v ? Mode::Accelerate : Mode::Brake;
        }
        break;
    case Mode::Brake:
        v -= rate_ * 3.6;
        if (v <= target_) {
            v = target_;
            mode_ = target_ <= 0 ? Mode::Stopped : Mode::Cruise;
            timer_ = int(target_ <= 0 ? random_.range(4, 25) : random_.range(8, 40));
        }
        break;
    }
    v = std::clamp(v, 0.0, 90.0);
    distance_.push_back(distance_.back() + (previous + v) / 2.0 / 3.6);
    speed_.push_back(v);
}

DriveModel::Point DriveModel::pointAt(double distance) const
{
    const double total = routeDistance_.back();
    double d = std::fmod(distance, total);
    if (d < 0)
        d += total;
    const auto it = std::upper_bound(routeDistance_.begin(), routeDistance_.end(), d);
    const size_t i = std::clamp<size_t>(size_t(it - routeDistance_.begin()), 1, route_.size() - 1);
    const double length = routeDistance_[i] - routeDistance_[i - 1];
    const double u = length > 0 ? (d - routeDistance_[i - 1]) / length : 0;
    return {route_[i - 1].x + (route_[i].x - route_[i - 1].x) * u,
            route_[i - 1].y + (route_[i].y - route_[i - 1].y) * u};
}

double DriveModel::courseAt(double distance) const
{
    // The chord over a few metres rounds the corners off.
    const Point a = pointAt(distance - 6.0);
    const Point b = pointAt(distance + 6.0);
    return wrapAngle(std::atan2(b.x - a.x, b.y - a.y) * 180.0 / kPi);
}

bool DriveModel::fixAt(int64_t second) const
{
    for (const auto &[from, to] : outages_) {
        if (second >= from && second < to)
            return false;
    }
    return true;
}

void DriveModel::fillPosition(DriveSample &s, double distance) const
{
    const Point p = pointAt(distance);
    s.latitude = toNmea(kOriginLat + p.y / kMetresPerDegreeLat);
    s.longitude = toNmea(kOriginLon + p.x / kMetresPerDegreeLon);
    s.courseDeg = courseAt(distance);
    s.altitudeM = 519.0 + 7.0 * std::sin(distance / 1100.0) + 2.5 * std::sin(distance / 310.0 + 1.3);
}

void DriveModel::fillSatellites(DriveSample &s, int64_t second) const
{
    if (!s.gpsValid) {
        s.satellitesInView = second < 4 ? int(second) : 0;
        s.satellitesUsed = 0;
        s.hdop = 99.9;
        return;
    }
    const uint64_t block = SeededRandom::mix(seed_ ^ uint64_t(second / 45) * 0x9E37ull);
    s.satellitesInView = 9 + int(block % 4);
    s.satellitesUsed = s.satellitesInView - 1 - int((block >> 8) % 3);
    s.hdop = 0.7 + 0.1 * double((block >> 16) % 9);
}

void DriveModel::fillGsensor(DriveSample &s, int64_t msec, double accel, double distance) const
{
    const double v = s.speedKmh / 3.6;
    const double ahead = courseAt(distance + v * 0.5);
    const double behind = courseAt(distance - v * 0.5);
    double turn = ahead - behind;
    if (turn > 180)
        turn -= 360;
    if (turn < -180)
        turn += 360;
    // v * yaw rate; the route's sharp corners would ask for more than tyres hold.
    const double lateral = std::clamp(v * turn * kPi / 180.0, -kMaxLateral, kMaxLateral);

    const double shake = 0.35 + 0.65 * std::min(1.0, s.speedKmh / 40.0);
    const uint64_t key = seed_ * 0x100000001B3ull + uint64_t(msec) * 4;
    double gx = lateral / kGravity * 1000.0 + SeededRandom::bellOf(key) * 14.0 * shake;
    double gy = accel / kGravity * 1000.0 + SeededRandom::bellOf(key + 1) * 14.0 * shake;
    double gz = 1000.0 + SeededRandom::bellOf(key + 2) * 20.0 * shake;

    for (const Shock &k : shocks_) {
        const int64_t dt = msec - k.msec;
        if (dt < 0 || dt >= 1500)
            continue;
        const double envelope = std::exp(-double(dt) / 200.0);
        const double phase = 2.0 * kPi * 6.5 * double(dt) / 1000.0;
        gx += k.ax * envelope * std::cos(phase);
        gy += k.ay * envelope * std::cos(phase + 0.6);
        gz += k.az * envelope * std::sin(phase);
    }
    s.gx = clampMilliG(gx);
    s.gy = clampMilliG(gy);
    s.gz = clampMilliG(gz);
}

DriveSample DriveModel::sample(int64_t msec) const
{
    msec = std::max<int64_t>(msec, 0);
    const int64_t second = std::min<int64_t>(msec / 1000, int64_t(speed_.size()) - 2);
    const double u = double(msec - second * 1000) / 1000.0;
    const double v0 = speed_[size_t(second)];
    const double v1 = speed_[size_t(second) + 1];
    const double distance = distance_[size_t(second)] + (v0 * u + (v1 - v0) * u * u / 2.0) / 3.6;

    DriveSample s;
    s.speedKmh = v0 + (v1 - v0) * u;
    s.distanceM = distance;
    s.gpsValid = fixAt(second);
    fillPosition(s, distance);
    fillSatellites(s, second);
    fillGsensor(s, msec, (v1 - v0) / 3.6, distance);
    return s;
}

DriveSample DriveModel::peakSample(int64_t msec) const
{
    DriveSample s = sample(msec);
    int strongest = -1;
    for (int step = 0; step < 10; ++step) {
        const DriveSample g = sample(msec + step * 100);
        const int strength = std::abs(g.gx) + std::abs(g.gy) + std::abs(g.gz - 1000);
        if (strength > strongest) {
            strongest = strength;
            s.gx = g.gx;
            s.gy = g.gy;
            s.gz = g.gz;
        }
    }
    return s;
}
