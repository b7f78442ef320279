// Stored preferences and the numeric input rule.
#include "NumberFormatter.h"
#include "Preferences.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTest>

class TestPreferences : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("TumboTest"));
        QCoreApplication::setApplicationName(QStringLiteral("PreferencesTest"));
        QSettings().clear();
    }

    void missingKeysReadAsZeroAndNull()
    {
        QCOMPARE(Preferences::dateFormat(), 0);
        QCOMPARE(Preferences::speedFormat(), 0);
        QCOMPARE(Preferences::videoFlip(), 0);
        QVERIFY(Preferences::latestFolder().isNull());
        QVERIFY(Preferences::stringValue(Preferences::BackupFolder).isNull());
        QSettings().setValue(QStringLiteral("date_format"), QStringLiteral("garbage"));
        QCOMPARE(Preferences::dateFormat(), 0);
    }

    void roundTrip()
    {
        Preferences::setDateFormat(2);
        Preferences::setSpeedFormat(1);
        Preferences::setVideoFlip(3);
        Preferences::setLatestFolder(QStringLiteral("/media/card"));
        Preferences::setStringValue(Preferences::CsvFolder, QStringLiteral("/tmp/csv"));
        QCOMPARE(Preferences::dateFormat(), 2);
        QCOMPARE(Preferences::speedFormat(), 1);
        QCOMPARE(Preferences::videoFlip(), 3);
        QCOMPARE(Preferences::latestFolder(), QStringLiteral("/media/card"));
        QCOMPARE(Preferences::stringValue(Preferences::CsvFolder), QStringLiteral("/tmp/csv"));
    }

    void keysAreTheStoredNames()
    {
        QSettings().clear();
        Preferences::setVideoFlip(2);
        for (const char *key : {Preferences::KmlFolder, Preferences::JpgFolder, Preferences::AviFolder,
                                Preferences::BackupFolder})
            Preferences::setStringValue(key, QStringLiteral("/x"));
        QStringList keys = QSettings().allKeys();
        keys.sort();
        QCOMPARE(keys, (QStringList{QStringLiteral("avi_folder"), QStringLiteral("backup_folder"),
                                    QStringLiteral("jpg_folder"), QStringLiteral("kml_folder"),
                                    QStringLiteral("video_flip")}));
        QCOMPARE(QSettings().value(QStringLiteral("video_flip")).toInt(), 2);
    }

    void formatterLength()
    {
        NumberFormatter f(3);
        f.setLocale(QLocale::c());
        QVERIFY(f.isPartialStringValid(QString()));
        QVERIFY(f.isPartialStringValid(QStringLiteral("12")));
        QVERIFY(f.isPartialStringValid(QStringLiteral("123")));
        QVERIFY(!f.isPartialStringValid(QStringLiteral("1234")));
        f.setMaxLength(4);
        QVERIFY(f.isPartialStringValid(QStringLiteral("1234")));
        QString text = QStringLiteral("12345");
        int pos = 0;
        QCOMPARE(f.validate(text, pos), QValidator::Invalid);
    }

    void formatterIntegers()
    {
        NumberFormatter f(10);
        f.setLocale(QLocale::c());
        QVERIFY(!f.isPartialStringValid(QStringLiteral("1.5")));
        QVERIFY(!f.isPartialStringValid(QStringLiteral("12a")));
        QVERIFY(!f.isPartialStringValid(QStringLiteral("a")));
        QVERIFY(!f.isPartialStringValid(QStringLiteral(" 12")));
        QVERIFY(f.isPartialStringValid(QStringLiteral("-7")));
        QString text = QStringLiteral("42");
        int pos = 2;
        QCOMPARE(f.validate(text, pos), QValidator::Acceptable);
    }

    void formatterDecimals()
    {
        NumberFormatter f(6);
        f.setLocale(QLocale::c());
        f.setMinimumFractionDigits(1);
        QVERIFY(f.isPartialStringValid(QStringLiteral("1.5")));
        QVERIFY(f.isPartialStringValid(QStringLiteral("12")));
        QVERIFY(!f.isPartialStringValid(QStringLiteral("1.5x")));
        QVERIFY(!f.isPartialStringValid(QStringLiteral("1.2.3")));
        QVERIFY(!f.isPartialStringValid(QStringLiteral("inf")));
        QVERIFY(!f.isPartialStringValid(QStringLiteral("1.23456")));  // too long
    }
};

QTEST_MAIN(TestPreferences)
#include "test_Preferences.moc"
