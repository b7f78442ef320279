// The zone local times are shown in: the system's stays as before, others as named, and the
// label a time carries where it stands alone.

#include "DisplayFormat.h"
#include "DisplayZone.h"
#include "TestCard.h"

#include <QtTest>

struct Row { QByteArray id; QString date; QString label; };

class TestDisplayZone : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TestCard::prepareEnvironment(); }
    void cleanup() { DisplayZone::store(DisplayZone()); }

    void zones_data()
    {
        QTest::addColumn<Row>("row");
        // 2026-01-15 23:30:00 UTC; the tests' system zone is Europe/Berlin.
        QTest::newRow("system's") << Row{{}, "2026.01.16 00:30:00", "CET +01:00"};
        QTest::newRow("UTC") << Row{"UTC", "2026.01.15 23:30:00", "UTC +00:00"};
        QTest::newRow("half hour") << Row{"Asia/Kolkata", "2026.01.16 05:00:00", "IST +05:30"};
        QTest::newRow("west") << Row{"America/New_York", "2026.01.15 18:30:00", "EST -05:00"};
        QTest::newRow("unknown id") << Row{"Mars/Olympus", "2026.01.16 00:30:00", "CET +01:00"};
    }

    void zones()
    {
        QFETCH(Row, row);
        const _vexa_time_t t = TestCard::utc(2026, 1, 15, 23, 30, 0);
        DisplayZone::store(DisplayZone(row.id));
        const DisplayFormat format = DisplayFormat::fromPreferences();
        QCOMPARE(format.dateString(t), row.date);
        QCOMPARE(format.zone().label(t), row.label);
    }
};

QTEST_GUILESS_MAIN(TestDisplayZone)
#include "test_DisplayZone.moc"
