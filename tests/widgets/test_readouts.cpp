// The glyph read-outs: date and time, speed, position and G-sensor values, checked by
// comparing what each widget paints with the glyph slices placed where they belong.
#include "FileManager.h"
#include "GlyphPicture.h"
#include "SkinDateTime.h"
#include "SkinGSensor.h"
#include "SkinGps.h"
#include "SkinSpeed.h"

#include <QDateTime>
#include <QStandardPaths>
#include <QTest>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

namespace {

_vexa_time_t makeTime(int year, int month, int day, int dow, int hour, int minute, int second)
{
    _vexa_time_t t{};
    t.year = uint16_t(year);
    t.month = uint16_t(month);
    t.day = uint16_t(day);
    t.day_of_week = uint16_t(dow);
    t.hour = uint16_t(hour);
    t.minute = uint16_t(minute);
    t.second = uint16_t(second);
    return t;
}

// Places glyphs by the strip rule: the first at x, each further one at (x of the one
// before + its own width + its gap); returns the last one's x + width.
int placeRun(GlyphPicture &picture, int x, int y, std::initializer_list<std::pair<QImage, int>> glyphs)
{
    bool first = true;
    int end = x;
    for (const auto &[glyph, gap] : glyphs) {
        if (!first)
            x += glyph.width() + gap;
        first = false;
        picture.place(glyph, x, y);
        end = x + glyph.width();
    }
    return end;
}

} // namespace

class TestReadouts : public QObject {
    Q_OBJECT

private:
    QList<QImage> dateNums, dateDots, dateDows, timeNums;
    QList<QImage> speedNums, gpsNums, gpsDots, gpsDirs;

    GlyphPicture expectedDate(const _vexa_time_t &t, int format) const;
    GlyphPicture expectedSpeed(QSize size, std::initializer_list<std::pair<int, int>> cells) const;
    GlyphPicture expectedGSensor(QSize size, bool minus, int whole, int tens, int units) const;
    int placeDeg(GlyphPicture &p, int d, int y, bool thirdDash) const;
    int placeNum(GlyphPicture &p, int tens, int units, int x, int y) const;

private slots:
    void initTestCase();
    void init();

    void dateYearFirst();
    void dateMonthFirstAndDayFirst();
    void dateUnknownFormatIsYearFirst();
    void dateValuesWithoutGlyphs();
    void dateNullShowsTheCurrentMoment();
    void dateFrameBesideTheVideoArea();

    void speedDigitsRightAligned_data();
    void speedDigitsRightAligned();
    void speedWithoutValueShowsDashes();
    void speedInUserUnits();
    void speedBeyondThreeDigits();

    void gpsExamplePosition();
    void gpsWithoutPositionShowsDashes();
    void gpsValidRange_data();
    void gpsValidRange();
    void gpsSmallLongitudeKeepsHundredsSlot();
    void gpsRoundingCarriesIntoMinutes();
    void gpsSouthWest();

    void gsensorNegative();
    void gsensorSmallNegativeRedrawsTheSame();
    void gsensorNoValue();
    void gsensorRoundingCarries();
    void gsensorNegativeZero();
    void gsensorLargeAndOddValues();
};

void TestReadouts::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    dateNums = GlyphPicture::strip("digit_date_num", 10);
    dateDots = GlyphPicture::strip("digit_date_dot", 2);
    dateDows = GlyphPicture::strip("digit_date_dow", 7);
    timeNums = GlyphPicture::strip("digit_time_num", 12);
    speedNums = GlyphPicture::strip("digit_speed_num", 11);
    gpsNums = GlyphPicture::strip("digit_gps_num", 11);
    gpsDots = GlyphPicture::strip("digit_gps_dot", 4);
    gpsDirs = GlyphPicture::strip("digit_gps_dir", 4);
    // The two time separators may look alike; every other glyph must be told apart.
    for (const auto *strip : {&dateNums, &dateDots, &dateDows, &timeNums, &speedNums, &gpsNums,
                              &gpsDots, &gpsDirs}) {
        QVERIFY(!strip->isEmpty());
        const int count = strip == &timeNums ? 10 : int(strip->size());
        const QString same = GlyphPicture::duplicates(*strip, count);
        QVERIFY2(same.isEmpty(), qPrintable(QStringLiteral("equal glyphs ") + same));
    }
}

void TestReadouts::init()
{
    FileManager::setDisplaySettings(0, 0, 0);
}

GlyphPicture TestReadouts::expectedDate(const _vexa_time_t &t, int format) const
{
    GlyphPicture p(QSize(SkinDateTime::Width, SkinDateTime::Height), Qt::black);
    const int y = SkinDateTime::GlyphBottom;
    const auto year = [&](int x) {
        return placeRun(p, x, y, {{dateNums[t.year / 1000], 0}, {dateNums[t.year % 1000 / 100], 2},
                                  {dateNums[t.year % 100 / 10], 2}, {dateNums[t.year % 10], 2}});
    };
    const auto two = [&](int x, int v) {
        return placeRun(p, x, y, {{dateNums[v / 10], 0}, {dateNums[v % 10], 2}});
    };
    const auto dot = [&](int x) { return placeRun(p, x, y, {{dateDots[0], 0}}); };
    const auto dow = [&](int x) { return placeRun(p, x, y, {{dateDows[t.day_of_week], 0}}); };
    const auto time = [&](int x) {
        return placeRun(p, x, y,
                        {{timeNums[t.hour / 10], 0}, {timeNums[t.hour % 10], 2}, {timeNums[11], 0},
                         {timeNums[t.minute / 10], 0}, {timeNums[t.minute % 10], 2},
                         {timeNums[10], 0}, {dateNums[t.second / 10], 2},
                         {dateNums[t.second % 10], 3}});
    };
    if (format == 1 || format == 2) {
        int x = dot(dow(4) + 1);
        x = two(x + 1, format == 1 ? t.month : t.day);
        x = dot(x + 1);
        x = two(x + 1, format == 1 ? t.day : t.month);
        x = dot(x + 1);
        time(year(x + 1) + 9);
    } else {
        int x = dot(year(5) + 2);
        x = dot(two(x + 2, t.month) + 2);
        x = dow(two(x + 2, t.day) + 5);
        time(x + 5);
    }
    return p;
}

void TestReadouts::dateYearFirst()
{
    SkinDateTime view(nullptr);
    const _vexa_time_t t = makeTime(2013, 5, 7, 2, 8, 5, 9);
    view.setDate(&t);
    COMPARE_PICTURE(&view, expectedDate(t, 0));

    // The first glyphs by hand: 2 0 1 3 from x = 5 with gaps of 2.
    const QImage shot = GlyphPicture::grab(&view);
    const int w = dateNums[0].width();
    const int top = SkinDateTime::Height - 4 - dateNums[0].height();
    QCOMPARE(shot.copy(5, top, w, dateNums[0].height()), dateNums[2].convertToFormat(shot.format()));
    QCOMPARE(shot.copy(5 + 3 * (w + 2), top, w, dateNums[0].height()),
             dateNums[3].convertToFormat(shot.format()));
}

void TestReadouts::dateMonthFirstAndDayFirst()
{
    SkinDateTime view(nullptr);
    const _vexa_time_t t = makeTime(2024, 11, 23, 6, 23, 59, 58);
    view.setDate(&t);
    FileManager::setDisplaySettings(1, 0, 0);
    COMPARE_PICTURE(&view, expectedDate(t, 1));
    FileManager::setDisplaySettings(2, 0, 0);
    COMPARE_PICTURE(&view, expectedDate(t, 2));
    QVERIFY(GlyphPicture::difference(expectedDate(t, 1).image(), expectedDate(t, 2).image()) != QString());
}

void TestReadouts::dateUnknownFormatIsYearFirst()
{
    SkinDateTime view(nullptr);
    const _vexa_time_t t = makeTime(1999, 12, 31, 5, 0, 0, 0);
    view.setDate(&t);
    for (int format : {3, 7, -1}) {
        FileManager::setDisplaySettings(format, 0, 0);
        COMPARE_PICTURE(&view, expectedDate(t, 0));
    }
}

// A damaged record must not index past a strip: the digits show the largest value they
// can and an unknown weekday leaves its slot empty.
void TestReadouts::dateValuesWithoutGlyphs()
{
    SkinDateTime view(nullptr);
    const _vexa_time_t damaged = makeTime(54321, 300, 250, 9, 65535, 100, 61);
    view.setDate(&damaged);
    QCOMPARE(view.date().year, 54321);

    const _vexa_time_t shown = makeTime(9999, 99, 99, 0, 99, 99, 61);
    GlyphPicture expected = expectedDate(shown, 0);
    // Blank the weekday slot: it lies between the day and the time.
    const int w = dateNums[0].width();
    const int dayEnd = 5 + 3 * (w + 2) + w + 2 + dateDots[0].width() + 2 + 2 * w + 2
                       + 2 + dateDots[0].width() + 2 + 2 * w + 2;
    QImage blanked = expected.image();
    QPainter painter(&blanked);
    painter.fillRect(Geometry::toQt(QRect(dayEnd + 5, 0, dateDows[0].width(), SkinDateTime::Height),
                                    SkinDateTime::Height),
                     Qt::black);
    painter.end();
    const QString diff = GlyphPicture::difference(GlyphPicture::grab(&view), blanked);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

void TestReadouts::dateNullShowsTheCurrentMoment()
{
    SkinDateTime view(nullptr);
    const _vexa_time_t old = makeTime(2001, 2, 3, 6, 4, 5, 6);
    view.setDate(&old);
    const QDateTime before = QDateTime::currentDateTime();
    view.setDate(nullptr);
    const QDateTime after = QDateTime::currentDateTime();
    const _vexa_time_t &t = view.date();
    const QDateTime shown(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
    QVERIFY(shown >= before.addMSecs(-before.time().msec()));
    QVERIFY(shown <= after);
    QCOMPARE(int(t.day_of_week), shown.date().dayOfWeek() % 7);
    COMPARE_PICTURE(&view, expectedDate(t, 0));
}

void TestReadouts::dateFrameBesideTheVideoArea()
{
    QWidget window;
    window.resize(1024, 768);
    QWidget area(&window);
    area.setGeometry(Geometry::toQt(QRect(300, 200, 700, 520), 768));
    SkinDateTime view(&area);
    QCOMPARE(view.parentWidget(), &window);
    QCOMPARE(Geometry::fromQt(view.geometry(), 768), QRect(300 + 700 - 230, 166, 230, 24));

    SkinDateTime alone(nullptr, &window);
    QCOMPARE(Geometry::fromQt(alone.geometry(), 768), QRect(-230, 166, 230, 24));
}

GlyphPicture TestReadouts::expectedSpeed(QSize size, std::initializer_list<std::pair<int, int>> cells) const
{
    GlyphPicture p(size);
    const int w = speedNums[SkinSpeed::Dash].width();
    for (const auto &[slot, glyph] : cells)
        p.placeScaled(speedNums[glyph], QRect(2 + slot * (w + 2), 0, w, size.height() - 4));
    return p;
}

void TestReadouts::speedDigitsRightAligned_data()
{
    QTest::addColumn<int>("kmh");
    QTest::addColumn<QList<int>>("cells");  // glyph per slot, -1 for empty
    QTest::newRow("0") << 0 << QList<int>{-1, -1, 0};
    QTest::newRow("7") << 7 << QList<int>{-1, -1, 7};
    QTest::newRow("45") << 45 << QList<int>{-1, 4, 5};
    QTest::newRow("100") << 100 << QList<int>{1, 0, 0};
    QTest::newRow("120") << 120 << QList<int>{1, 2, 0};
    QTest::newRow("999") << 999 << QList<int>{9, 9, 9};
}

void TestReadouts::speedDigitsRightAligned()
{
    QFETCH(int, kmh);
    QFETCH(QList<int>, cells);
    SkinSpeed view;
    view.resize(62, 29);
    view.setSpeed(kmh);
    QVERIFY(view.isValid());
    GlyphPicture expected(view.size());
    const int w = speedNums[SkinSpeed::Dash].width();
    for (int k = 0; k < 3; ++k)
        if (cells[k] >= 0)
            expected.placeScaled(speedNums[cells[k]], QRect(2 + k * (w + 2), 0, w, 25));
    COMPARE_PICTURE(&view, expected);
}

void TestReadouts::speedWithoutValueShowsDashes()
{
    SkinSpeed view;
    view.resize(62, 29);
    COMPARE_PICTURE(&view, expectedSpeed(view.size(), {{1, 10}, {2, 10}}));  // initial state
    view.setSpeed(80);
    view.setSpeed(-1);
    QVERIFY(!view.isValid());
    COMPARE_PICTURE(&view, expectedSpeed(view.size(), {{1, 10}, {2, 10}}));
}

void TestReadouts::speedInUserUnits()
{
    SkinSpeed view;
    view.resize(62, 29);
    FileManager::setDisplaySettings(0, 1, 0);
    view.setSpeed(100);
    QCOMPARE(view.speed(), 62);
    COMPARE_PICTURE(&view, expectedSpeed(view.size(), {{1, 6}, {2, 2}}));
    FileManager::setDisplaySettings(0, 2, 0);
    view.setSpeed(100);
    QCOMPARE(view.speed(), 53);
    FileManager::setDisplaySettings(0, 0, 0);
    view.setSpeed(100);
    QCOMPARE(view.speed(), 100);
}

void TestReadouts::speedBeyondThreeDigits()
{
    SkinSpeed view;
    view.resize(62, 29);
    for (int kmh : {1000, 4321, 65535, std::numeric_limits<int>::max()}) {
        view.setSpeed(kmh);
        COMPARE_PICTURE(&view, expectedSpeed(view.size(), {{0, 9}, {1, 9}, {2, 9}}));
    }
}

// Degrees in three slots at the size of digit 0 (the hundreds slot only when needed, or
// a dash in the longitude row without a position); returns the x after the slots.
int TestReadouts::placeDeg(GlyphPicture &p, int d, int y, bool thirdDash) const
{
    const int w = gpsNums[0].width();
    const QSize size = gpsNums[0].size();
    const auto slot = [&](int k, int glyph) { p.placeScaled(gpsNums[glyph], QRect(QPoint(k * (w + 2), y), size)); };
    if (d < 0) {
        if (thirdDash)
            slot(0, 10);
        slot(1, 10);
        slot(2, 10);
    } else {
        if (d >= 100)
            slot(0, d / 100);
        slot(1, d % 100 / 10);
        slot(2, d % 10);
    }
    return 2 * (w + 2) + w;
}

int TestReadouts::placeNum(GlyphPicture &p, int tens, int units, int x, int y) const
{
    return placeRun(p, x, y, {{gpsNums[tens], 0}, {gpsNums[units], 2}});
}

void TestReadouts::gpsExamplePosition()
{
    SkinGps view;
    view.resize(168, 45);
    view.setLatitude(3731.5000, 12658.2000);
    QVERIFY(view.isValid());
    QCOMPARE(view.latitude(), (SkinGps::Position{37, 31, 30, 0, SkinGps::North}));
    QCOMPARE(view.longitude(), (SkinGps::Position{126, 58, 12, 0, SkinGps::East}));

    GlyphPicture expected(view.size());
    const auto row = [&](int y, int deg, int min, int sec, int hun, int dir) {
        int x = placeDeg(expected, deg, y, false) + 2;
        x = placeRun(expected, x, y, {{gpsDots[1], 0}}) + 2;
        x = placeNum(expected, min / 10, min % 10, x, y) + 2;
        x = placeRun(expected, x, y, {{gpsDots[2], 0}}) + 2;
        x = placeNum(expected, sec / 10, sec % 10, x, y) + 2;
        x = placeRun(expected, x, y, {{gpsDots[0], 0}}) + 2;
        x = placeNum(expected, hun / 10, hun % 10, x, y) + 2;
        x = placeRun(expected, x, y, {{gpsDots[3], 0}}) + 2;
        expected.place(gpsDirs[dir], x, y + 1);
    };
    row(24, 37, 31, 30, 0, 0);
    row(2, 126, 58, 12, 0, 2);
    COMPARE_PICTURE(&view, expected);
}

void TestReadouts::gpsWithoutPositionShowsDashes()
{
    SkinGps view;
    view.resize(168, 45);
    view.setLatitude(3731.5, 12658.2);
    view.setLatitude(SkinGps::NoPosition, SkinGps::NoPosition);
    QVERIFY(!view.isValid());
    // The last good position is kept but not shown.
    QCOMPARE(view.latitude().degrees, 37);

    GlyphPicture expected(view.size());
    for (int y : {24, 2}) {
        int x = placeDeg(expected, -1, y, y == 2) + 2;
        x = placeRun(expected, x, y, {{gpsDots[1], 0}}) + 2;
        x = placeNum(expected, 10, 10, x, y) + 2;
        x = placeRun(expected, x, y, {{gpsDots[2], 0}}) + 2;
        x = placeNum(expected, 10, 10, x, y) + 2;
        x = placeRun(expected, x, y, {{gpsDots[0], 0}}) + 2;
        x = placeNum(expected, 10, 10, x, y) + 2;
        placeRun(expected, x, y, {{gpsDots[3], 0}});
    }
    COMPARE_PICTURE(&view, expected);
}

void TestReadouts::gpsValidRange_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lon");
    QTest::addColumn<bool>("valid");
    QTest::newRow("north pole") << 9000.0 << 0.0 << true;
    QTest::newRow("south pole") << -9000.0 << 0.0 << true;
    QTest::newRow("beyond north") << 9000.01 << 0.0 << false;
    QTest::newRow("beyond south") << -9000.01 << 0.0 << false;
    QTest::newRow("date line east") << 0.0 << 18000.0 << true;
    QTest::newRow("date line west") << 0.0 << -18000.0 << true;
    QTest::newRow("beyond east") << 0.0 << 18000.5 << false;
    QTest::newRow("no position") << 99999.0 << 0.0 << false;
    QTest::newRow("not a number") << std::nan("") << 0.0 << false;
}

void TestReadouts::gpsValidRange()
{
    QFETCH(double, lat);
    QFETCH(double, lon);
    QFETCH(bool, valid);
    SkinGps view;
    view.setLatitude(lat, lon);
    QCOMPARE(view.isValid(), valid);
}

void TestReadouts::gpsSmallLongitudeKeepsHundredsSlot()
{
    SkinGps view;
    view.resize(168, 45);
    view.setLatitude(0.0, 500.0);
    QCOMPARE(view.longitude(), (SkinGps::Position{5, 0, 0, 0, SkinGps::East}));
    const QImage shot = GlyphPicture::grab(&view);
    const int w = gpsNums[0].width();
    const int h = gpsNums[0].height();
    const auto region = [&](int slot) {
        return shot.copy(Geometry::toQt(QRect(slot * (w + 2), 2, w, h), view.height()));
    };
    QImage empty(w, h, shot.format());
    empty.fill(Qt::transparent);
    QCOMPARE(region(0), empty);
    QCOMPARE(region(1), gpsNums[0].convertToFormat(shot.format()));
    QCOMPARE(region(2), gpsNums[5].convertToFormat(shot.format()));
}

// Seconds that print as 60.00 carry into the minutes, and 60 minutes into the degrees,
// so the read-out never shows 59.00 for 59.996 or 60 for a whole value.
void TestReadouts::gpsRoundingCarriesIntoMinutes()
{
    QCOMPARE(SkinGps::positionOf(3731.5076, true), (SkinGps::Position{37, 31, 30, 46, SkinGps::North}));
    // 12.996 seconds read 13.00.
    QCOMPARE(SkinGps::positionOf(1000.2166, false).seconds, 13);
    QCOMPARE(SkinGps::positionOf(1000.2166, false).hundredths, 0);
    // 59.999 seconds in minute 59 of degree 37 read 38 degrees 0 minutes 0.00.
    QCOMPARE(SkinGps::positionOf(3759.99999, true), (SkinGps::Position{38, 0, 0, 0, SkinGps::North}));
    QCOMPARE(SkinGps::positionOf(1259.99999, false), (SkinGps::Position{13, 0, 0, 0, SkinGps::East}));
}

void TestReadouts::gpsSouthWest()
{
    SkinGps view;
    view.setLatitude(-3351.0, -7000.5);
    QCOMPARE(view.latitude(), (SkinGps::Position{33, 51, 0, 0, SkinGps::South}));
    QCOMPARE(view.longitude(), (SkinGps::Position{70, 0, 30, 0, SkinGps::West}));
}

GlyphPicture TestReadouts::expectedGSensor(QSize size, bool minus, int whole, int tens, int units) const
{
    GlyphPicture p(size);
    const int w = gpsNums[0].width();
    if (minus)
        p.place(gpsNums[10], 2, 0);
    int x = placeRun(p, 2 + w + 2, 0, {{gpsNums[whole], 0}}) + 2;
    x = placeRun(p, x, 0, {{gpsDots[0], 0}}) + 2;
    placeRun(p, x, 0, {{gpsNums[tens], 0}, {gpsNums[units], 2}});
    return p;
}

void TestReadouts::gsensorNegative()
{
    SkinGSensor view;
    view.resize(67, 20);
    view.setVal(-1.25);
    QCOMPARE(view.decimals(), 25);
    COMPARE_PICTURE(&view, expectedGSensor(view.size(), true, 1, 2, 5));
    view.setVal(1.234);
    QCOMPARE(view.decimals(), 23);
    COMPARE_PICTURE(&view, expectedGSensor(view.size(), false, 1, 2, 3));
    view.setVal(-0.5);
    QCOMPARE(view.decimals(), 50);
}

void TestReadouts::gsensorSmallNegativeRedrawsTheSame()
{
    SkinGSensor view;
    view.resize(67, 20);
    view.setVal(-0.25);
    const GlyphPicture expected = expectedGSensor(view.size(), true, 0, 2, 5);
    COMPARE_PICTURE(&view, expected);
    COMPARE_PICTURE(&view, expected);
    QCOMPARE(view.value(), -0.25);
}

void TestReadouts::gsensorNoValue()
{
    SkinGSensor view;
    view.resize(67, 20);
    const GlyphPicture expected = expectedGSensor(view.size(), false, 10, 10, 10);
    COMPARE_PICTURE(&view, expected);  // the initial value
    view.setVal(0.5);
    view.setVal(SkinGSensor::NoValue);
    COMPARE_PICTURE(&view, expected);
    view.setVal(0.0);
    COMPARE_PICTURE(&view, expectedGSensor(view.size(), false, 0, 0, 0));
}

// A fraction that prints as the next whole number moves the whole digit with it.
void TestReadouts::gsensorRoundingCarries()
{
    SkinGSensor view;
    view.resize(67, 20);
    view.setVal(0.999);
    QCOMPARE(view.wholeDigit(), 1);
    QCOMPARE(view.decimals(), 0);
    COMPARE_PICTURE(&view, expectedGSensor(view.size(), false, 1, 0, 0));
    view.setVal(-1.996);
    COMPARE_PICTURE(&view, expectedGSensor(view.size(), true, 2, 0, 0));
}

void TestReadouts::gsensorNegativeZero()
{
    SkinGSensor view;
    view.resize(67, 20);
    for (double g : {-0.0, -0.001, -0.004}) {
        view.setVal(g);
        QVERIFY(!view.showsMinus());
        COMPARE_PICTURE(&view, expectedGSensor(view.size(), false, 0, 0, 0));
    }
    view.setVal(-0.005);  // prints as -0.01 (or -0.00 on a binary tie): the sign follows the digits
    QCOMPARE(view.showsMinus(), view.decimals() != 0);
}

void TestReadouts::gsensorLargeAndOddValues()
{
    SkinGSensor view;
    view.resize(67, 20);
    // One whole digit: 10 g and more read as the largest value with a mark beside it.
    const int digitsEnd = 4 * gpsNums[0].width() + gpsDots[0].width() + 12;
    for (double g : {12.34, -32.768, 9.996}) {
        view.setVal(g);
        QVERIFY(view.isOverRange());
        const GlyphPicture expected = expectedGSensor(view.size(), g < 0, 9, 9, 9);
        const QImage shown = GlyphPicture::grab(&view);
        QCOMPARE(GlyphPicture::difference(shown.copy(0, 0, digitsEnd, 20),
                                          expected.image().copy(0, 0, digitsEnd, 20)), QString());
        QVERIFY(shown != expected.image());
    }
    view.setVal(-9.99);
    QVERIFY(!view.isOverRange());
    COMPARE_PICTURE(&view, expectedGSensor(view.size(), true, 9, 9, 9));
    for (double g : {std::nan(""), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity()}) {
        view.setVal(g);
        COMPARE_PICTURE(&view, expectedGSensor(view.size(), false, 10, 10, 10));
    }
    view.setVal(1e300);
    QVERIFY(view.wholeDigit() >= 0 && view.wholeDigit() <= 9);
}

QTEST_MAIN(TestReadouts)
#include "test_readouts.moc"
