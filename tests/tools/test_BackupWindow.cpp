#include "BackupWindow.h"
#include "Preferences.h"
#include "TestCard.h"
#include "Texts.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestBackupWindow : public QObject {
    Q_OBJECT

    QTemporaryDir _dir;

    // A card whose event folder holds files of these sizes (contents do not matter here).
    QString cardOf(const QString &name, const QList<int> &sizes)
    {
        const QString root = _dir.filePath(name);
        TestCard::makeLayout(root);
        for (int i = 0; i < sizes.size(); ++i)
            TestCard::writeFile(QStringLiteral("%1/CH1/event/%2.%3").arg(root).arg(i / 2).arg(i % 2 ? "vdx" : "vdd"),
                                QByteArray(sizes[i], 'x'));
        return root;
    }

private slots:
    void initTestCase() { TestCard::prepareEnvironment(); }

    void showsTheSizeInDecimalMegabytes_data()
    {
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<QString>("label");
        QTest::newRow("half") << QList<int>{1572864} << "Backup size : 1.5 MB";
        QTest::newRow("two with sidecars") << QList<int>{3145728, 1024, 3145728, 1024} << "Backup size : 6.0 MB";
        QTest::newRow("a kibibyte over") << QList<int>{1049600} << "Backup size : 1.0 MB";
        QTest::newRow("empty") << QList<int>{0} << "";
    }
    void showsTheSizeInDecimalMegabytes()
    {
        QFETCH(QList<int>, sizes);
        QFETCH(QString, label);
        BackupWindow window(nullptr, cardOf(QTest::currentDataTag(), sizes));
        QSignalSpy shown(&window, &BackupWindow::sizeShown);
        QVERIFY(shown.wait());
        QCOMPARE(window.findChild<QLabel *>("labelSize")->text(), label);
        QCOMPARE(window.findChild<QPushButton *>("btnStart")->isEnabled(), !label.isEmpty());
    }

    void startRefusesAFullFolderThenCopies()
    {
        const QString dest = _dir.filePath("backup");
        Preferences::setStringValue(Preferences::BackupFolder, dest);
        BackupWindow window(nullptr, cardOf("start", {2000, 100, 3000}));
        QSignalSpy shown(&window, &BackupWindow::sizeShown);
        QVERIFY(shown.wait());
        AlertCatcher alerts;
        window.setFreeSpace([](const QString &) { return qint64(5099); });
        window.findChild<QPushButton *>("btnStart")->click();
        QCOMPARE(alerts.alerts().size(), 1);
        QVERIFY(alerts.texts().first().contains("Nothing was copied"));
        QVERIFY(!QFileInfo::exists(dest));

        window.setFreeSpace([](const QString &) { return qint64(5100); });
        window.findChild<QPushButton *>("btnStart")->click();
        // A backup that worked ends with a message naming the folder.
        QCOMPARE(alerts.alerts().size(), 2);
        QVERIFY(alerts.texts().last().startsWith(Texts::text("msg_backup_ok")));
        QVERIFY(alerts.texts().last().contains(QDir::toNativeSeparators(dest)));
        QCOMPARE(TestCard::readFile(dest + "/CH1/event/1.vdd").size(), 3000);
        const QProgressBar *bar = window.findChild<QProgressBar *>("progress");
        QCOMPARE(bar->value(), bar->maximum());
    }
};

QTEST_MAIN(TestBackupWindow)
#include "test_BackupWindow.moc"
