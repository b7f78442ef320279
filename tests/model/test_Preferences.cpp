// Stored preferences and the numeric input rule.
#include "NumberFormatter.h"
#include "Preferences.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTest>

struct Row { int length{}; int fractions{}; QString text; bool valid{}; };

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
        QCOMPARE(Preferences::stringValue(Preferences::KmlFolder), QStringLiteral("/x"));
    }

    // Text a numeric field takes while typing: digits (and a sign) up to the length,
    // a decimal point only with fraction digits.
    void formatter_data()
    {
        QTest::addColumn<Row>("row");
        const QList<std::tuple<int, int, const char *, bool>> rows = {
            {3, 0, "", true},     {3, 0, "123", true},   {3, 0, "1234", false}, {4, 0, "1234", true},
            {10, 0, "1.5", false}, {10, 0, "12a", false}, {10, 0, "a", false},   {10, 0, " 12", false},
            {10, 0, "-7", true},  {6, 1, "1.5", true},   {6, 1, "12", true},    {6, 1, "1.5x", false},
            {6, 1, "1.2.3", false}, {6, 1, "inf", false}, {6, 1, "1.23456", false}};
        for (const auto &[length, fractions, text, valid] : rows)
            QTest::addRow("%d/%d '%s'", length, fractions, text) << Row{length, fractions, QString::fromLatin1(text),
                valid};
    }

    void formatter()
    {
        QFETCH(Row, row);
        NumberFormatter f(row.length);
        f.setLocale(QLocale::c());
        if (row.fractions)
            f.setMinimumFractionDigits(row.fractions);
        QCOMPARE(f.isPartialStringValid(row.text), row.valid);
        int pos = int(row.text.size());
        if (!row.text.isEmpty())
            QCOMPARE(f.validate(row.text, pos) == QValidator::Invalid, !f.isPartialStringValid(row.text));
    }
};

QTEST_MAIN(TestPreferences)
#include "test_Preferences.moc"
