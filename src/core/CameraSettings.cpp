#include "CameraSettings.h"

#include "DurableWrite.h"
#include "IniFile.h"
#include "vexa_time.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct KeyDefault {
    const char *key;
    const char *value;
    const char *orvisto;
};

// In the order the settings file is written.
const KeyDefault key_table[] = {
    {"POSTFIELD1", "4", "4"},
    {"POSTRECINT1", "10", "5"},
    {"PRERECINT1", "10", "5"},
    {"POSTSIZE1", "64", "32"},
    {"PRESIZE1", "64", "32"},
    {"RECMOD", "2", "2"},
    {"BEEPRECORD", "1", "0"},
    {"PASSWORD", "0", "0"},
    {"TRGSET", "3", "3"},
    {"ACCSEN", "9", "1"},
    {"ACCSENX", "4", "4"},
    {"ACCSENY", "4", "4"},
    {"ACCSENZ", "4", "4"},
    {"GSSPEED", "0", "0"},
    {"VEHICLEID", "", ""},
    {"RECINGMODE1", "1", "1"},
    {"PRERECTIME1", "12", "12"},
    {"POSTRECTIME1", "8", "8"},
    {"PREFIELD1", "4", "4"},
    {"GPSRECTIME", "48", "168"},
    {"BEEPERROR", "5", "-1"},
};

const char *const vehicle_key = "VEHICLEID";

// The camera takes these before-event values from their after-event twins.
const char *mirror_of(const std::string &key)
{
    if (key == "PRERECINT1")
        return "POSTRECINT1";
    if (key == "PRESIZE1")
        return "POSTSIZE1";
    return nullptr;
}

// Written as constants whatever the file held.
const char *fixed_value(const std::string &key)
{
    if (key == "TRGSET")
        return "3";
    if (key == "PREFIELD1")
        return "4";
    return nullptr;
}

constexpr int64_t pin_offset = 4737;
constexpr int64_t pin_min = 1000;
constexpr int64_t pin_max = 9999;

// A line break in the vehicle text would start a new key in the file.
std::string without_line_breaks(std::string text)
{
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }), text.end());
    return text;
}

std::vector<std::string> components(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    size_t from = 0;
    for (;;) {
        const size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos)
            return parts;
        from = at + 1;
    }
}

uint16_t clock_field(const std::string &text)
{
    return uint16_t(std::clamp(IniFile::leadingInteger(text), 0L, 65535L));
}

std::string config_path(const std::string &cardFolder, const char *name)
{
    return cardFolder + "/config/" + name;
}

std::string errno_text()
{
    return std::generic_category().message(errno);
}

} // namespace

const std::vector<std::string> &CameraSettings::keys()
{
    static const std::vector<std::string> list = [] {
        std::vector<std::string> v;
        for (const KeyDefault &k : key_table)
            v.emplace_back(k.key);
        return v;
    }();
    return list;
}

std::string CameraSettings::defaultValue(const std::string &key, Variant variant)
{
    for (const KeyDefault &k : key_table)
        if (key == k.key)
            return variant == Variant::Orvisto ? k.orvisto : k.value;
    return {};
}

const char *CameraSettings::defaultConfigText()
{
    return "[SET]\r\nPOSTFIELD1=4\r\nPOSTSIZE1=64\r\nRECMOD=2\r\nBEEPRECORD=1\r\nTRGSET=3\r\nPOSTRECINT1=10\r\n"
           "PRERECINT1=10\r\nACCSEN=9\r\nACCSENX=4\r\nACCSENY=4\r\nACCSENZ=4\r\nPRERECTIME1=12\r\n"
           "POSTRECTIME1=8\r\nRECINGMODE1=1\r\nPRESIZE1=64\r\nPREFIELD1=4\r\nGPSRECTIME=48\r\n";
}

int64_t CameraSettings::encodePin(int64_t pin)
{
    // Anything else could not be decoded again, so it is stored as no PIN.
    if (pin < pin_min || pin > pin_max)
        return 0;
    return 3 * pin + pin_offset;
}

int64_t CameraSettings::decodePin(int64_t stored)
{
    if (stored < encodePin(pin_min) || stored > encodePin(pin_max))
        return 0;
    return (stored - pin_offset) / 3;
}

CameraSettings CameraSettings::defaults(Variant variant)
{
    return fromValues({}, variant);
}

CameraSettings CameraSettings::fromValues(const std::map<std::string, std::string> &values, Variant variant)
{
    const IniFile ini(values);
    CameraSettings s;
    for (const KeyDefault &k : key_table) {
        const std::string key = k.key;
        const char *fixed = fixed_value(key);
        if (key == vehicle_key)
            s.values_.insert_or_assign(key, ini.stringForKey(key));
        else if (fixed)
            s.values_.insert_or_assign(key, std::string(fixed));
        else if (!mirror_of(key))
            s.setInteger(key, ini.integerForKey(key, IniFile::leadingInteger(defaultValue(key, variant))));
    }
    for (const KeyDefault &k : key_table)
        if (const char *twin = mirror_of(k.key))
            s.values_.insert_or_assign(k.key, s.values_.at(twin));
    return s;
}

CameraSettings CameraSettings::parse(const std::string &text, Variant variant)
{
    return fromValues(IniFile::parse(text), variant);
}

CameraSettings CameraSettings::read(const std::string &cardFolder, Variant variant, std::string *error)
{
    std::string path = config_path(cardFolder, "set.dat");
    std::error_code ec;
    if (!fs::exists(path, ec))
        path = config_path(cardFolder, "set.ini");
    if (!fs::exists(path, ec)) {
        if (error)
            error->clear();
        return fromValues({}, variant);
    }
    return fromValues(IniFile::readWithPath(path, error), variant);
}

std::string CameraSettings::vehicleTextProblem(const std::string &text)
{
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '=' || u < 0x20 || u == 0x7F)
            return "The vehicle text (VEHICLEID) cannot contain \"=\" or control characters such as line "
                   "breaks or tabs: the camera could not read it back.";
    }
    return {};
}

std::string CameraSettings::text() const
{
    std::string out = "[SET]\r\n";
    for (const KeyDefault &k : key_table) {
        const std::string key = k.key;
        out += key + "=";
        if (key == vehicle_key)
            out += without_line_breaks(string(key));
        else if (const char *fixed = fixed_value(key))
            out += fixed;
        else if (const char *twin = mirror_of(key))
            out += std::to_string(integer(twin));
        else
            out += std::to_string(integer(key));
        out += "\r\n";
    }
    return out;
}

bool CameraSettings::fail(const std::string &why)
{
    error_ = why;
    return false;
}

bool CameraSettings::write(const std::string &cardFolder)
{
    error_.clear();
    if (const std::string problem = vehicleTextProblem(string(vehicle_key)); !problem.empty())
        return fail(problem);
    // No trailing slash: a "config" that is a link is refused, not followed.
    const std::string folder = cardFolder + "/config";
    const std::string path = config_path(cardFolder, "set.dat");
    const std::string backup = path + ".bak";
    // Two saves at once take turns, so set.dat.bak always holds the file this save replaces.
    const int lock = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (lock < 0)
        return fail("cannot open the folder " + folder + ": " + errno_text());
    while (::flock(lock, LOCK_EX) != 0 && errno == EINTR) {
    }
    std::string why;
    bool hadFile = false;
    DurableWrite file(path);
    if (keepCopy(path, backup, hadFile, why) && file.open() && file.write(text()) && file.commit()) {
        if (hadFile && ::unlink(backup.c_str()) != 0 && errno != ENOENT)
            why = "the settings were saved, but " + backup + " could not be removed: " + errno_text();
    } else if (why.empty()) {
        why = file.errorString();
        // Before the rename set.dat is still the old file; after it the copy is all that is sure.
        if (hadFile && !file.placed())
            ::unlink(backup.c_str());
        else if (hadFile)
            why += "; the previous settings are kept in set.dat.bak";
    }
    ::close(lock);
    return why.empty() || fail(why);
}

// Copies the current set.dat (never a link's target) to set.dat.bak; a missing file is no error.
bool CameraSettings::keepCopy(const std::string &path, const std::string &backup, bool &hadFile,
                              std::string &why)
{
    const int in = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (in < 0 || ::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int code = in < 0 ? errno : 0;
        if (in >= 0)
            ::close(in);
        // A link or something odd under the name is replaced, not copied.
        if (in < 0 && code != ENOENT && code != ELOOP)
            why = "cannot read " + path + ": " + std::generic_category().message(code);
        return why.empty();
    }
    hadFile = true;
    DurableWrite copy(backup);
    bool ok = copy.open();
    char chunk[16384];
    while (ok) {
        const ssize_t n = ::read(in, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            why = "cannot read " + path + ": " + errno_text();
        if (n <= 0)
            break;
        ok = copy.write(chunk, size_t(n));
    }
    ::close(in);
    ok = ok && why.empty() && copy.commit();
    if (!ok && why.empty())
        why = "cannot keep a copy of " + path + " as set.dat.bak: " + copy.errorString();
    return ok;
}

int64_t CameraSettings::readClock(const std::string &cardFolder)
{
    const std::string path = config_path(cardFolder, "time.ini");
    std::error_code ec;
    if (!fs::exists(path, ec))
        return -1;
    const std::vector<std::string> dateTime = components(IniFile(path).stringForKey("UTCTIME"), ';');
    if (dateTime.size() < 2)
        return -1;
    const std::vector<std::string> date = components(dateTime[0], '.');
    const std::vector<std::string> clock = components(dateTime[1], ':');
    if (date.size() < 3 || clock.size() < 3)
        return -1;
    _vexa_time_t t{};
    t.year = clock_field(date[0]);
    t.month = clock_field(date[1]);
    t.day = clock_field(date[2]);
    t.hour = clock_field(clock[0]);
    t.minute = clock_field(clock[1]);
    t.second = clock_field(clock[2]);
    return time_to_seconds(t);
}

bool CameraSettings::writeClock(const std::string &cardFolder, int64_t utcSeconds)
{
    const _vexa_time_t t = seconds_to_time(utcSeconds);
    char line[64];
    std::snprintf(line, sizeof line, "UTCTIME=%04d.%02d.%02d;%02d:%02d:%02d", t.year, t.month, t.day, t.hour,
        t.minute, t.second);
    return writeAtomically(config_path(cardFolder, "time.ini"), std::string("[SET]\r\n") + line);
}

std::string CameraSettings::readVersion(const std::string &cardFolder)
{
    return IniFile(config_path(cardFolder, "version.ini")).stringForKey("VERSION");
}

bool CameraSettings::writeAtomically(const std::string &path, const std::string &text, std::string *error)
{
    return DurableWrite::writeFile(path, text, error);
}

long CameraSettings::integer(const std::string &key) const
{
    return IniFile::leadingInteger(string(key));
}

std::string CameraSettings::string(const std::string &key) const
{
    const auto it = values_.find(key);
    return it == values_.end() ? defaultValue(key) : it->second;
}

void CameraSettings::set(const std::string &key, const std::string &value)
{
    values_[key] = value;
}

void CameraSettings::setInteger(const std::string &key, long value)
{
    values_[key] = std::to_string(value);
}
