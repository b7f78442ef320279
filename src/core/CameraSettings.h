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
    // A file that exists but cannot be read (or is over 64 KB) gives the defaults, and error says why.
    static CameraSettings read(const std::string &cardFolder, Variant variant = Variant::Default,
        std::string *error = nullptr);
    // Writes "set.dat" with the "config" folder locked: a copy of the old file as "set.dat.bak",
    // the new text put in place durably (never through a link), then the copy removed. False
    // with errorString() set when any step fails; before the rename a failure leaves the old
    // "set.dat" untouched.
    bool write(const std::string &cardFolder);
    const std::string &errorString() const { return error_; }
    // Why a vehicle text cannot be saved ("=" or a control character), or "".
    static std::string vehicleTextProblem(const std::string &text);
    // The file text in write order; "PRERECINT1"/"PRESIZE1" repeat their "POST" twins,
    // "TRGSET" and "PREFIELD1" are fixed, line breaks are dropped from "VEHICLEID".
    std::string text() const;

    // Seconds since 1970 of "time.ini"'s UTCTIME, or -1 when there is no manual clock.
    static int64_t readClock(const std::string &cardFolder);
    static bool writeClock(const std::string &cardFolder, int64_t utcSeconds);
    // "VERSION" of "version.ini", or "".
    static std::string readVersion(const std::string &cardFolder);

    // Writes through a unique synced temporary file, a rename and a sync of the folder, so
    // readers see the old or the new file.
    static bool writeAtomically(const std::string &path, const std::string &text, std::string *error = nullptr);

    // Values absent from this object read as the default variant's defaults.
    long integer(const std::string &key) const;
    std::string string(const std::string &key) const;
    void set(const std::string &key, const std::string &value);
    void setInteger(const std::string &key, long value);

private:
    static bool keepCopy(const std::string &path, const std::string &backup, bool &hadFile, std::string &why);
    bool fail(const std::string &why);

    std::map<std::string, std::string> values_;
    std::string error_;
};
