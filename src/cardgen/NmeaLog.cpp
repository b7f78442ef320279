#include "NmeaLog.h"

#include "SeededRandom.h"
#include "vexa_time.h"

#include <QString>

#include <cmath>

namespace {

QByteArray format(const char *pattern, auto... args)
{
    return QString::asprintf(pattern, args...).toLatin1();
}

QByteArray position(const DriveSample &s)
{
    return format("%09.4f,%c,%010.4f,%c", std::fabs(s.latitude), s.latitude < 0 ? 'S' : 'N',
                  std::fabs(s.longitude), s.longitude < 0 ? 'W' : 'E');
}

} // namespace

NmeaLog::NmeaLog(const DriveModel &drive, int64_t driveStartUtc, int millisecond, bool crlf)
    : drive_(drive), driveStartUtc_(driveStartUtc), millisecond_(millisecond), lineEnd_(crlf ? "\r\n" : "\n")
{
}

QByteArray NmeaLog::checksum(const QByteArray &sentence)
{
    uint8_t sum = 0;
    for (qsizetype i = 1; i < sentence.size(); ++i)
        sum ^= uint8_t(sentence.at(i));
    return format("*%02X", unsigned(sum));
}

void NmeaLog::addSentence(const QByteArray &sentence)
{
    text_ += sentence + checksum(sentence) + lineEnd_;
}

void NmeaLog::addSatellites(const DriveSample &s, int64_t second)
{
    const int total = s.satellitesInView;
    const int sentences = total == 0 ? 1 : (total + 3) / 4;
    const uint64_t sky = SeededRandom::mix(uint64_t(second / 300) + 0x5A7E11u);
    for (int i = 0; i < sentences; ++i) {
        QByteArray line = format("$GPGSV,%d,%d,%02d", sentences, i + 1, total);
        for (int j = i * 4; j < std::min(total, i * 4 + 4); ++j) {
            const uint64_t sat = SeededRandom::mix(sky + uint64_t(j));
            const int snr = j < s.satellitesUsed ? 30 + int(sat % 20) : 15 + int(sat % 10);
            line += format(",%02d,%02d,%03d,%02d", 2 + 3 * j, 10 + int((sat >> 8) % 75), int((sat >> 16) % 360), snr);
        }
        addSentence(line);
    }
}

void NmeaLog::addSecond(int64_t driveSecond, int triggerCode)
{
    addRecord(driveStartUtc_ + driveSecond, drive_.peakSample(driveSecond * 1000 + millisecond_),
              triggerCode);
}

void NmeaLog::addRecord(int64_t utc, const DriveSample &s, int triggerCode)
{
    const _vexa_time_t t = seconds_to_time(utc);
    const QByteArray hms = format("%02d%02d%02d", t.hour, t.minute, t.second);
    const QByteArray date = format("%02d%02d%02d", t.day, t.month, t.year % 100);

    if (s.gpsValid) {
        addSentence("$GPRMC," + hms + ".000,A," + position(s) +
                    format(",%.2f,%.1f,", s.speedKmh / 1.852, s.courseDeg) + date + ",,,A");
        addSentence("$GPGGA," + hms + ".000," + position(s) +
                    format(",1,%02d,%.1f,%.1f,M,47.6,M,,", s.satellitesUsed, s.hdop, s.altitudeM));
    } else {
        addSentence("$GPRMC," + hms + ".000,V,,,,,,," + date + ",,,N");
        addSentence("$GPGGA," + hms + ".000,,,,,0,00,99.9,,M,,M,,");
    }
    addSatellites(s, utc - driveStartUtc_);
    addSentence(format("$REZEZ,0,%d,%d,%d,%d,", triggerCode, s.gx, s.gy, s.gz) + hms +
                format("%03d,", millisecond_) + date);
}
