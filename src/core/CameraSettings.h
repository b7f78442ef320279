// The camera's settings ("config/set.dat"), clock ("config/time.ini") and version files.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CameraSettings {
public:
    enum class Variant { Default, Orvisto };

    // Keys in the order the settings file is written.
    static const std::vector<std::string> &keys();
    // Default value of a key for a variant (VEHICLEID defaults to "").
    static std::string defaultValue(const std::string &key, Variant variant = Variant::Default);
    // The whole "set.dat" put on a freshly formatted card.
    static const char *defaultConfigText();

    // PIN 1000..9999 <-> stored "PASSWORD"; 0 means no PIN.
    static int64_t encodePin(int64_t pin);
    static int64_t decodePin(int64_t stored);

    // Every key with its default.
    static CameraSettings defaults(Variant variant = Variant::Default);
    // Values of a settings text or key map, defaults for absent keys.
    static CameraSettings parse(const std::string &text, Variant variant = Variant::Default);
    static CameraSettings fromValues(const std::map<std::string, std::string> &values,
        Variant variant = Variant::Default);

    // Reads "set.dat" (or "set.ini" when there is no "set.dat"), every key with its default filled in.
    static CameraSettings read(const std::string &cardFolder, Variant variant = Variant::Default);
    // Writes "set.dat" atomically, keeping the old one as "set.dat.bak" until the write succeeded;
    // on failure the previous file is put back.
    bool write(const std::string &cardFolder) const;
    // The file text in write order; "PRERECINT1"/"PRESIZE1" repeat their "POST" twins,
    // "TRGSET" and "PREFIELD1" are fixed, line breaks are dropped from "VEHICLEID".
    std::string text() const;

    // Seconds since 1970 of "time.ini"'s UTCTIME, or -1 when there is no manual clock.
    static int64_t readClock(const std::string &cardFolder);
    static bool writeClock(const std::string &cardFolder, int64_t utcSeconds);
    // "VERSION" of "version.ini", or "".
    static std::string readVersion(const std::string &cardFolder);

    // Writes through path + ".tmp" (synced) and a rename, so readers see the old or the new file.
    static bool writeAtomically(const std::string &path, const std::string &text);

    // Values absent from this object read as the default variant's defaults.
    long integer(const std::string &key) const;
    std::string string(const std::string &key) const;
    // Line breaks are dropped from "VEHICLEID".
    void set(const std::string &key, const std::string &value);
    void setInteger(const std::string &key, long value);

private:
    std::map<std::string, std::string> values_;
};
