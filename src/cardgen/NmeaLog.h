// The text of one driving log: per second "$GPRMC", "$GPGGA", a "$GPGSV" group
// and the camera's "$REZEZ" sentence with time and G-sensor values.
#pragma once

#include "DriveModel.h"

#include <QByteArray>

#include <cstdint>

class NmeaLog {
public:
    // driveStartUtc: UTC seconds of the drive's second 0; millisecond: the REZEZ time's fraction.
    NmeaLog(const DriveModel &drive, int64_t driveStartUtc, int millisecond, bool crlf);

    void addSecond(int64_t driveSecond, int triggerCode);
    // One second with the given state instead of the drive's, at UTC second utc.
    void addRecord(int64_t utc, const DriveSample &s, int triggerCode);
    const QByteArray &text() const { return text_; }

    // "*hh": XOR of the characters between "$" and the checksum.
    static QByteArray checksum(const QByteArray &sentence);

private:
    void addSentence(const QByteArray &sentence);
    void addSatellites(const DriveSample &s, int64_t second);

    const DriveModel &drive_;
    int64_t driveStartUtc_;
    int millisecond_;
    QByteArray lineEnd_;
    QByteArray text_;
};
