// The glyph read-outs: one reference picture per widget, and tables of values that must
// read the same (or not) on screen. Set TUMBO_UPDATE_REFERENCES=1 to rewrite the pictures
// after a deliberate change of the glyphs or their layout.
#include "FileManager.h"
#include "GlyphPicture.h"
#include "Geometry.h"
#include "SkinDateTime.h"
#include "SkinGSensor.h"
#include "SkinGps.h"
#include "SkinSpeed.h"

#include <QDateTime>
#include <QStandardPaths>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

// A read-out: "date", "speed", "gps" or "g"; settings are date format and speed unit.
struct Reading {
    QString kind;
    QList<double> values;  // date: year, month, day, weekday, hour, minute, second
    int dateFormat = 0;
    int speedUnit = 0;
};

QImage render(const Reading &r)
{
    const DisplayFormat format(r.speedUnit, r.dateFormat);
    std::unique_ptr<QWidget> view;
    const QList<double> &v = r.values;
    if (r.kind == u"date") {
        auto *date = new SkinDateTime(nullptr);
        date->setDisplayFormat(format);
        const _vexa_time_t t{uint16_t(v[0]), uint16_t(v[1]), uint16_t(v[3]), uint16_t(v[2]), uint16_t(v[4]), uint16_t(v[5]), uint16_t(v[6]), 0};
        date->setDate(&t);
        view.reset(date);
    } else if (r.kind == u"speed") {
        auto *speed = new SkinSpeed;
        speed->setDisplayFormat(format);
        view.reset(speed);
        speed->resize(62, 29);
        if (!v.isEmpty())
            speed->setSpeed(int(v[0]));
    } else if (r.kind == u"gps") {
        auto *gps = new SkinGps;
        view.reset(gps);
        gps->resize(168, 45);
        if (!v.isEmpty())
            gps->setLatitude(v[0], v[1]);
    } else {
        auto *g = new SkinGSensor;
        view.reset(g);
        g->resize(67, 20);
        if (!v.isEmpty())
            g->setVal(v[0]);
    }
    return GlyphPicture::grab(view.get());
}

} // namespace

Q_DECLARE_METATYPE(Reading)
Q_DECLARE_METATYPE(SkinGps::Position)

struct Row { double nmea{}; bool latitude{}; SkinGps::Position position{}; };

class TestReadouts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void referencePictures_data()
    {
        QTest::addColumn<Reading>("reading");
        QTest::newRow("date_ymd") << Reading{"date", {2013, 5, 7, 2, 8, 5, 9}};
        QTest::newRow("date_mdy") << Reading{"date", {2024, 11, 23, 6, 23, 59, 58}, 1};
        QTest::newRow("date_dmy") << Reading{"date", {2024, 11, 23, 6, 23, 59, 58}, 2};
        QTest::newRow("speed_45") << Reading{"speed", {45}};
        QTest::newRow("gps_example") << Reading{"gps", {3731.5, 12658.2}};
        QTest::newRow("gps_south_west") << Reading{"gps", {-3351.0, -500.5}};
        QTest::newRow("g_minus_1_25") << Reading{"g", {-1.25}};
    }

    void referencePictures()
    {
        QFETCH(Reading, reading);
        const QString path = QStringLiteral(TUMBO_REFERENCE_DIR "/%1.png").arg(QTest::currentDataTag());
        const QImage shown = render(reading);
        if (qEnvironmentVariableIsSet("TUMBO_UPDATE_REFERENCES"))
            QVERIFY(shown.save(path));
        const QImage expected = QImage(path).convertToFormat(shown.format());
        QVERIFY2(!expected.isNull(), qPrintable(path));
        QCOMPARE(shown, expected);
    }

    void sameOnScreen_data()
    {
        QTest::addColumn<Reading>("a");
        QTest::addColumn<Reading>("b");
        const QList<double> eve{1999, 12, 31, 5, 0, 0, 0};
        for (int format : {3, 7, -1})
            QTest::addRow("unknown date format %d is year first", format) << Reading{"date", eve, format} << Reading{"date", eve};
        QTest::newRow("month first mirrors day first")
            << Reading{"date", {2024, 5, 11, 6, 1, 2, 3}, 1} << Reading{"date", {2024, 11, 5, 6, 1, 2, 3}, 2};
        QTest::newRow("damaged date shows the largest digits")
            << Reading{"date", {54321, 300, 250, 9, 65535, 100, 61}} << Reading{"date", {9999, 99, 99, 9, 99, 99, 61}};
        QTest::newRow("speed cleared shows dashes") << Reading{"speed", {-1}} << Reading{"speed", {}};
        for (double kmh : {1000.0, 65535.0, double(std::numeric_limits<int>::max())})
            QTest::addRow("speed %.0f shows 999", kmh) << Reading{"speed", {kmh}} << Reading{"speed", {999}};
        QTest::newRow("100 km/h in MPH") << Reading{"speed", {100}, 0, 1} << Reading{"speed", {62}};
        QTest::newRow("100 km/h in knots") << Reading{"speed", {100}, 0, 2} << Reading{"speed", {53}};
        // Past a pole or the date line, or no number: no position.
        for (const auto &[lat, lon] : {std::pair{9000.01, 0.0}, {-9000.01, 0.0}, {0.0, 18000.5}, {99999.0, 0.0},
                                      {std::nan(""), 0.0}, {SkinGps::NoPosition, SkinGps::NoPosition}})
            QTest::addRow("%.2f %.2f shows dashes", lat, lon) << Reading{"gps", {lat, lon}} << Reading{"gps", {}};
        QTest::newRow("g no value") << Reading{"g", {SkinGSensor::NoValue}} << Reading{"g", {}};
        QTest::newRow("g not a number") << Reading{"g", {std::nan("")}} << Reading{"g", {}};
        QTest::newRow("g infinite") << Reading{"g", {-std::numeric_limits<double>::infinity()}} << Reading{"g", {}};
        QTest::newRow("g negative zero") << Reading{"g", {-0.004}} << Reading{"g", {0.0}};
        QTest::newRow("g rounding carries") << Reading{"g", {-1.996}} << Reading{"g", {-2.0}};
        QTest::newRow("g rounds down") << Reading{"g", {1.234}} << Reading{"g", {1.23}};
        QTest::newRow("g -32.768 shows the largest value") << Reading{"g", {-32.768}} << Reading{"g", {-10.0}};
        QTest::newRow("g 10 and more show the largest value") << Reading{"g", {12.34}} << Reading{"g", {9.996}};
    }

    void sameOnScreen()
    {
        QFETCH(Reading, a);
        QFETCH(Reading, b);
        QCOMPARE(render(a), render(b));
    }

    void differentOnScreen_data()
    {
        QTest::addColumn<Reading>("a");
        QTest::addColumn<Reading>("b");
        QTest::newRow("speed right-aligned") << Reading{"speed", {7}} << Reading{"speed", {700}};
        QTest::newRow("speed zero is shown") << Reading{"speed", {0}} << Reading{"speed", {}};
        QTest::newRow("g sign") << Reading{"g", {0.25}} << Reading{"g", {-0.25}};
        QTest::newRow("g zero is shown") << Reading{"g", {0.0}} << Reading{"g", {}};
        QTest::newRow("g over range is marked") << Reading{"g", {12.34}} << Reading{"g", {9.99}};
        QTest::newRow("small longitude") << Reading{"gps", {0.0, 500.0}} << Reading{"gps", {0.0, 10500.0}};
        for (const auto &[lat, lon] : {std::pair{9000.0, 0.0}, {-9000.0, 0.0}, {0.0, 18000.0}, {0.0, -18000.0}})
            QTest::addRow("%.0f %.0f is a position", lat, lon) << Reading{"gps", {lat, lon}} << Reading{"gps", {}};
    }

    void differentOnScreen()
    {
        QFETCH(Reading, a);
        QFETCH(Reading, b);
        QVERIFY(render(a) != render(b));
    }

    void dateNullShowsTheCurrentMoment()
    {
        SkinDateTime view(nullptr);
        const _vexa_time_t old{2001, 2, 6, 3, 4, 5, 6, 0};
        view.setDate(&old);
        const QDateTime before = QDateTime::currentDateTime();
        view.setDate(nullptr);
        const QDateTime after = QDateTime::currentDateTime();
        const _vexa_time_t &t = view.date();
        const QDateTime shown(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
        QVERIFY(shown >= before.addMSecs(-before.time().msec()));
        QVERIFY(shown <= after);
        QCOMPARE(int(t.day_of_week), shown.date().dayOfWeek() % 7);
    }

    void dateFrameBesideTheVideoArea()
    {
        QWidget window;
        window.resize(1024, 768);
        QWidget area(&window);
        area.setGeometry(Geometry::toQt(QRect(300, 200, 700, 520), 768));
        SkinDateTime view(&area);
        QCOMPARE(view.parentWidget(), &window);
        QCOMPARE(Geometry::fromQt(view.geometry(), 768), QRect(770, 166, 230, 24));
    }

    // Seconds that print as 60.00 carry into the minutes, and 60 minutes into the degrees.
    void gpsPositions_data()
    {
        QTest::addColumn<Row>("row");
        QTest::newRow("example longitude") << Row{12658.2, false, SkinGps::Position{126, 58, 12, 0, SkinGps::East}};
        QTest::newRow("hundredths") << Row{3731.5076, true, SkinGps::Position{37, 31, 30, 46, SkinGps::North}};
        QTest::newRow("12.996 s") << Row{1000.2166, false, SkinGps::Position{10, 0, 13, 0, SkinGps::East}};
        QTest::newRow("carry to degrees") << Row{3759.99999, true, SkinGps::Position{38, 0, 0, 0, SkinGps::North}};
        QTest::newRow("south") << Row{-3351.0, true, SkinGps::Position{33, 51, 0, 0, SkinGps::South}};
        QTest::newRow("west") << Row{-7000.5, false, SkinGps::Position{70, 0, 30, 0, SkinGps::West}};
    }

    void gpsPositions()
    {
        QFETCH(Row, row);
        QCOMPARE(SkinGps::positionOf(row.nmea, row.latitude), row.position);
    }

};

QTEST_MAIN(TestReadouts)
#include "test_readouts.moc"
