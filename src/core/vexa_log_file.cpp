#include "vexa_log_file.h"

#include "CardRead.h"
#include "vexa_time.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The camera's reader took lines through a 512,000-byte buffer; longer lines arrive in pieces.
constexpr size_t piece_max = 511999;
constexpr size_t read_buffer = size_t(1) << 20;
// Tokens 0..9 are the most any sentence reads.
constexpr size_t token_max = 10;
constexpr int64_t window_seconds = 3610;

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

struct Tokens {
    std::string_view item[token_max];
    size_t count = 0;
    // A token the line lacks reads as empty.
    std::string_view operator[](size_t i) const { return i < count ? item[i] : std::string_view(); }
};

// Splits at every comma; only the first `limit` tokens are kept. One pass over the bytes,
// since the lines are short and many.
Tokens split(std::string_view line, size_t limit)
{
    Tokens t;
    size_t from = 0;
    for (size_t i = 0; i < line.size() && t.count < limit; ++i) {
        if (line[i] == ',') {
            t.item[t.count++] = line.substr(from, i - from);
            from = i + 1;
        }
    }
    // A trailing comma adds no token.
    if (t.count < limit && (from < line.size() || t.count == 0))
        t.item[t.count++] = line.substr(from);
    return t;
}

size_t skip_space(std::string_view s)
{
    size_t i = 0;
    while (i < s.size() && is_space(s[i]))
        ++i;
    return i;
}

// Sign, digits, decimal point and exponent at the start of the token; 0 when there are none.
// Hand-scanned and converted with from_chars, so the locale's decimal separator plays no part.
double leading_double(std::string_view s)
{
    size_t i = skip_space(s);
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    const size_t start = i;
    size_t digits = 0;
    for (; i < s.size() && is_digit(s[i]); ++i)
        ++digits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && is_digit(s[i]); ++i)
            ++digits;
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && is_digit(s[j])) {
            while (j < s.size() && is_digit(s[j]))
                ++j;
            i = j;
        }
    }
    double v = 0;
    const auto r = std::from_chars(s.data() + start, s.data() + i, v);
    if (r.ec != std::errc())
        return 0;  // out of range: no usable number
    return negative ? -v : v;
}

// Optional sign and decimal digits, saturating at the target type's limits.
template <typename T> T leading_integer(std::string_view s)
{
    size_t i = skip_space(s);
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    constexpr int64_t lo = std::numeric_limits<T>::min();
    constexpr int64_t hi = std::numeric_limits<T>::max();
    int64_t v = 0;
    for (; i < s.size() && is_digit(s[i]); ++i) {
        v = v * 10 + (s[i] - '0');
        if (v > hi - lo)
            break;
    }
    v = negative ? -v : v;
    return T(std::clamp(v, lo, hi));
}

// Decimal digits only, taken from characters [at, at + len) of the token.
uint16_t digits_at(std::string_view s, size_t at, size_t len)
{
    uint16_t v = 0;
    for (size_t i = at; i < at + len && i < s.size() && is_digit(s[i]); ++i)
        v = uint16_t(v * 10 + (s[i] - '0'));
    return v;
}

float to_float(double v)
{
    return float(std::clamp(v, double(-FLT_MAX), double(FLT_MAX)));
}

bool begins_with(std::string_view s, char c) { return !s.empty() && s[0] == c; }

void read_rmc(const Tokens &t, _vexa_log_info_t &r)
{
    r.gps_valid = begins_with(t[2], 'A') ? 1 : 0;
    const double latitude = leading_double(t[3]);
    r.latitude = begins_with(t[4], 'S') ? -latitude : latitude;
    const double longitude = leading_double(t[5]);
    r.longitude = begins_with(t[6], 'W') ? -longitude : longitude;
    r.speed = to_float(leading_double(t[7]) * 1.852);
    r.course = to_float(leading_double(t[8]));
}

// "hhmmss.sss" and "ddmmyy" of the sentence; no_gps_time when either is missing.
int64_t rmc_time(const Tokens &t)
{
    const std::string_view clock = t[1], date = t[9];
    if (clock.size() < 6 || date.size() < 6)
        return vexa_log_file::no_gps_time;
    _vexa_time_t g{};
    g.day = digits_at(date, 0, 2);
    g.month = digits_at(date, 2, 2);
    g.year = uint16_t(2000 + digits_at(date, 4, 2));
    g.hour = digits_at(clock, 0, 2);
    g.minute = digits_at(clock, 2, 2);
    g.second = digits_at(clock, 4, 2);
    if (clock.size() > 7 && clock[6] == '.') {
        unsigned ms = 0, digits = 0;
        for (size_t i = 7; i < clock.size() && digits < 3 && is_digit(clock[i]); ++i, ++digits)
            ms = ms * 10 + unsigned(clock[i] - '0');
        while (digits > 0 && digits++ < 3)
            ms *= 10;
        g.millisecond = uint16_t(ms);
    }
    return time_to_msec(g);
}

void read_gga(const Tokens &t, _vexa_log_info_t &r)
{
    r.satellites_used = leading_integer<uint8_t>(t[7]);
    r.hdop = to_float(leading_double(t[8]));
    r.altitude = to_float(leading_double(t[9]));
}

void read_rezez(const Tokens &t, _vexa_log_info_t &r)
{
    r.drl_code = leading_integer<uint8_t>(t[2]);
    r.gsensor_x = leading_integer<int16_t>(t[3]);
    r.gsensor_y = leading_integer<int16_t>(t[4]);
    r.gsensor_z = leading_integer<int16_t>(t[5]);
    const std::string_view clock = t[6], date = t[7];
    r.time.day = digits_at(date, 0, 2);
    r.time.month = digits_at(date, 2, 2);
    r.time.year = uint16_t(2000 + digits_at(date, 4, 2));
    r.time.hour = digits_at(clock, 0, 2);
    r.time.minute = digits_at(clock, 2, 2);
    r.time.second = digits_at(clock, 4, 2);
    r.time.millisecond = digits_at(clock, 6, 3);
    r.time.day_of_week = uint16_t(weekday_of_date(r.time.year, r.time.month, r.time.day));
}

// Hands out the file's lines (or pieces of overlong lines) from one large buffer.
class LineReader {
public:
    // A small log is read whole; a large one streams through a fixed buffer that still
    // holds more than one piece.
    LineReader(FILE *file, size_t capacity) : file_(file), size_(capacity), buf_(new (std::nothrow) char[capacity]) {}

    bool allocated() const { return buf_ != nullptr; }
    // A read error ends the lines like the end of the file, but is not one.
    bool failed() const { return failed_; }

    bool next(std::string_view &piece)
    {
        for (;;) {
            const size_t avail = end_ - begin_;
            const char *p = buf_.get() + begin_;
            const auto *nl = static_cast<const char *>(std::memchr(p, '\n', std::min(avail, piece_max)));
            size_t len = 0;
            if (nl)
                len = size_t(nl - p) + 1;
            else if (avail >= piece_max || (eof_ && avail > 0))
                len = std::min(avail, piece_max);
            else if (eof_)
                return false;
            else {
                fill();
                continue;
            }
            piece = std::string_view(p, len);
            begin_ += len;
            return true;
        }
    }

private:
    void fill()
    {
        std::memmove(buf_.get(), buf_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
        const size_t got = std::fread(buf_.get() + end_, 1, size_ - end_, file_);
        CardRead::count(got);
        end_ += got;
        if (got == 0) {
            eof_ = true;
            failed_ = std::ferror(file_) != 0;
        }
    }

    FILE *file_;
    size_t size_;
    std::unique_ptr<char[]> buf_;
    size_t begin_ = 0, end_ = 0;
    bool eof_ = false;
    bool failed_ = false;
};

std::string_view strip_line_end(std::string_view line)
{
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
    }
    return line;
}

enum class Sentence { Other, Rmc, Gga, Gsv, Rezez };

// Token 0 must be exactly one of the four names.
Sentence sentence_of(std::string_view line)
{
    if (line.size() < 6 || line[0] != '$' || (line.size() > 6 && line[6] != ','))
        return Sentence::Other;
    const std::string_view name = line.substr(0, 6);
    if (name == "$GPRMC")
        return Sentence::Rmc;
    if (name == "$GPGGA")
        return Sentence::Gga;
    if (name == "$GPGSV")
        return Sentence::Gsv;
    if (name == "$REZEZ")
        return Sentence::Rezez;
    return Sentence::Other;
}

// One more than the highest token each sentence reads.
size_t token_limit(Sentence s)
{
    switch (s) {
    case Sentence::Rmc:
        return 10;
    case Sentence::Gga:
        return 10;
    case Sentence::Gsv:
        return 4;
    default:
        return 8;
    }
}

size_t buffer_size(FILE *file)
{
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0)
        size = std::ftell(file);
    std::rewind(file);
    // One spare byte lets the first read already see the end of the file.
    return size >= 0 && size_t(size) < read_buffer ? size_t(size) + 1 : read_buffer;
}

const _vexa_log_info_t zero_record{};

// Reads one line (or piece) into the record being built; says which sentence it was.
Sentence apply_line(std::string_view line, _vexa_log_info_t &work, int64_t *gps_time = nullptr)
{
    line = strip_line_end(line);
    const Sentence sentence = sentence_of(line);
    if (sentence == Sentence::Other)
        return sentence;
    const Tokens t = split(line, token_limit(sentence));
    if (sentence == Sentence::Rmc) {
        read_rmc(t, work);
        if (gps_time)
            *gps_time = rmc_time(t);
    } else if (sentence == Sentence::Gga) {
        read_gga(t, work);
    } else if (sentence == Sentence::Gsv) {
        work.satellites_in_view = leading_integer<uint8_t>(t[3]);
    } else {
        read_rezez(t, work);
    }
    return sentence;
}

// The first window read at each end of a log, and the largest; both below the piece size,
// so every whole line in a window is one piece of the full read.
constexpr uint64_t summary_window = 4096;
constexpr uint64_t summary_window_limit = 256 * 1024;
static_assert(summary_window_limit < piece_max);

// The whole lines of a window, the first one cut off when the window starts mid-line; the
// last line may lack its end only at the end of the file.
std::vector<std::string_view> whole_lines(std::string_view bytes, bool from_start, bool to_end)
{
    std::vector<std::string_view> lines;
    size_t from = 0;
    if (!from_start) {
        const size_t nl = bytes.find('\n');
        if (nl == std::string_view::npos)
            return lines;
        from = nl + 1;
    }
    while (from < bytes.size()) {
        const size_t nl = bytes.find('\n', from);
        if (nl == std::string_view::npos) {
            if (to_end)
                lines.push_back(bytes.substr(from));
            break;
        }
        lines.push_back(bytes.substr(from, nl + 1 - from));
        from = nl + 1;
    }
    return lines;
}

} // namespace

bool vexa_log_file::load(const char *path)
{
    path_ = path ? path : "";
    sequence_number_ = path ? sequence_from_path(path) : 0;
    first_ = {};
    last_seconds_ = 0;
    last_time_ = {};
    const bool ok = read_all(path);
    loaded_.store(true, std::memory_order_release);
    return ok;
}

void vexa_log_file::ensure_loaded() const
{
    if (loaded_.load(std::memory_order_acquire))
        return;
    std::lock_guard lock(load_mutex_);
    if (loaded_.load(std::memory_order_relaxed))
        return;
    read_all(path_.c_str());
    loaded_.store(true, std::memory_order_release);
}

bool vexa_log_file::load_summary(const char *path)
{
    if (!path)
        return load(path);
    path_ = path;
    sequence_number_ = sequence_from_path(path);
    records_.clear();
    error_.clear();
    distance_ = 0;
    first_ = {};
    last_seconds_ = 0;
    last_time_ = {};
    loaded_ = false;
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        struct stat st {};
        const bool summarized = ::fstat(fd, &st) == 0 && summarize(fd, uint64_t(st.st_size));
        ::close(fd);
        if (summarized)
            return true;
    }
    // What the ends cannot settle is read in full now, as load does.
    return load(path);
}

bool vexa_log_file::summarize(int fd, uint64_t size)
{
    try {
        return summarize_head(fd, size) && summarize_tail(fd, size);
    } catch (const std::bad_alloc &) {
        return false;
    }
}

bool vexa_log_file::summarize_head(int fd, uint64_t size)
{
    for (uint64_t window = summary_window; window < size && window <= summary_window_limit; window *= 4) {
        std::string bytes(window, '\0');
        if (!CardRead::at(fd, 0, bytes.data(), window))
            return false;
        _vexa_log_info_t work{};
        for (std::string_view line : whole_lines(bytes, true, false)) {
            if (apply_line(line, work) == Sentence::Rezez) {
                first_ = work;
                return true;
            }
        }
    }
    return false;
}

// The last "$REZEZ" record's time; one outside the window the full read keeps would end
// that read early, so such a log is read in full now.
bool vexa_log_file::summarize_tail(int fd, uint64_t size)
{
    for (uint64_t window = summary_window; window < size && window <= summary_window_limit; window *= 4) {
        std::string bytes(window, '\0');
        if (!CardRead::at(fd, size - window, bytes.data(), window))
            return false;
        // The last record's time, and the bytes a record takes near the end of the log.
        _vexa_log_info_t last{};
        size_t records = 0;
        const char *firstEnd = nullptr, *lastEnd = nullptr;
        for (std::string_view line : whole_lines(bytes, false, true)) {
            _vexa_log_info_t work{};
            if (apply_line(line, work) != Sentence::Rezez)
                continue;
            last = work;
            lastEnd = line.data() + line.size();
            if (!records++)
                firstEnd = lastEnd;
        }
        if (records < 2)
            continue;
        const int64_t start = time_to_seconds(first_.time);
        last_seconds_ = time_to_seconds(last.time);
        last_time_ = last.time;
        const uint64_t recordBytes = std::max<uint64_t>(1, uint64_t(lastEnd - firstEnd) / (records - 1));
        // A log that may hold max_records is refused by the full read: read it now.
        const bool may_fill = last_seconds_ - start + 1 >= int64_t(max_records)
            || size / recordBytes >= max_records + max_records / 2;
        return !may_fill && last_seconds_ >= start && last_seconds_ <= start + window_seconds;
    }
    return false;
}

bool vexa_log_file::read_all(const char *path) const
{
    records_.clear();
    gps_times_.clear();
    error_.clear();
    FILE *file = path ? std::fopen(path, "rb") : nullptr;
    if (!file) {
        error_ = "cannot open the log";
        return false;
    }

    LineReader reader(file, buffer_size(file));
    if (!reader.allocated()) {
        std::fclose(file);
        error_ = "out of memory for the read buffer";
        return false;
    }
    _vexa_log_info_t work{};
    int64_t start = 0;
    int64_t gps_time = no_gps_time;
    std::string_view line;
    while (reader.next(line)) {
        if (apply_line(line, work, &gps_time) != Sentence::Rezez)
            continue;
        {
            const int64_t seconds = time_to_seconds(work.time);
            if (records_.empty())
                start = seconds;
            else if (seconds < start || seconds > start + window_seconds)
                break;
            records_.push_back(work);
            gps_times_.push_back(gps_time);
            if (records_.size() >= max_records)
                break;
        }
    }
    std::fclose(file);
    if (reader.failed()) {
        records_.clear();
        gps_times_.clear();
        error_ = "read error in the log";
    }

    records_.shrink_to_fit();
    gps_times_.shrink_to_fit();
    distance_ = compute_distance();
    return !records_.empty() && records_.size() < max_records;
}

const _vexa_log_info_t &vexa_log_file::record_at(uint64_t index) const
{
    ensure_loaded();
    return index < records_.size() ? records_[index] : zero_record;
}

const _vexa_log_info_t &vexa_log_file::last_record() const
{
    return record_at(count() - 1);
}

uint64_t vexa_log_file::duration_seconds() const
{
    int64_t span = 0;
    if (loaded()) {
        if (records_.empty())
            return 0;
        span = time_to_seconds(records_.back().time) - time_to_seconds(records_.front().time);
    } else {
        span = last_seconds_ - time_to_seconds(first_.time);
    }
    return span > 0 ? uint64_t(span) + 1 : 1;
}

const _vexa_log_info_t &vexa_log_file::first_record() const
{
    return loaded() ? record_at(0) : first_;
}

_vexa_time_t vexa_log_file::last_time() const
{
    if (!loaded())
        return last_time_;
    return records_.empty() ? _vexa_time_t{} : records_.back().time;
}

// Sum over consecutive valid fixes; records without a fix are skipped.
double vexa_log_file::compute_distance() const
{
    double total = 0;
    const _vexa_log_info_t *previous = nullptr;
    for (const _vexa_log_info_t &r : records_) {
        if (!r.gps_valid)
            continue;
        if (previous) {
            const double d = distance_m(nmea_to_degrees(previous->latitude), nmea_to_degrees(previous->longitude),
                nmea_to_degrees(r.latitude), nmea_to_degrees(r.longitude));
            if (std::isfinite(d))  // a garbage position must not poison the total
                total += d;
        }
        previous = &r;
    }
    return total;
}
