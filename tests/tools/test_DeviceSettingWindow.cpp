// The camera settings window on a generated card: dependent lists, the data question, the
// PIN field and prompt, and deleting the recorded data.
#include "CameraSettings.h"
#include "DeleteWindow.h"
#include "DeviceSettingWindow.h"
#include "InitDataWindow.h"
#include "PasswordWindow.h"
#include "TestCard.h"
#include "Texts.h"
#include "ui_DeviceSettingWindow.h"
#include "ui_InitDataWindow.h"
#include "ui_PasswordWindow.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// Cancels (or answers with pin) every PIN prompt while it exists.
struct PinPrompts : QObject {
    int seen = 0;
    bool settingsShown = false;  // whether a settings window showed behind a prompt
    PinPrompts()
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            if (auto *prompt = qobject_cast<PasswordWindow *>(QApplication::activeModalWidget()); prompt && prompt->isVisible()) {
                ++seen;
                for (QWidget *window : QApplication::topLevelWidgets())
                    settingsShown |= qobject_cast<DeviceSettingWindow *>(window) && window->isVisible();
                prompt->ui()->btnCancel->click();
            }
        });
        timer->start(10);
    }
};

// Whether the alerts are the texts of keys, in order, their arguments standing for anything.
bool shown(const QStringList &alerts, const QStringList &keys)
{
    if (alerts.size() != keys.size())
        return false;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QString text = QRegularExpression::escape(Texts::text(keys[i])).replace(QRegularExpression(R"(\\%\d)"), ".*");
        if (!QRegularExpression(QRegularExpression::anchoredPattern(text), QRegularExpression::DotMatchesEverythingOption).match(alerts[i]).hasMatch())
            return false;
    }
    return true;
}

QStringList values(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemData(i).toString();
    return list;
}

bool setImmutable(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    int flags = 0;
    bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

// A folder whose file stays whoever deletes it: the owner cannot change the folder, and
// the superuser, who could, finds the file immutable.
bool lockEntry(const QString &folder, bool lock)
{
    const QString inner = folder + QStringLiteral("/kept");
    if (lock && !TestCard::writeFile(inner, "x"))
        return false;
    if (geteuid() == 0 && !setImmutable(inner, lock))
        return false;
    return QFile::setPermissions(folder, lock ? QFile::ReadOwner | QFile::ExeOwner
                                              : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// picked: the combo box the user picks in, or none; answers: buttons pressed where offered.
struct Lists { QByteArray stored; QString picked = {}; int pickedIndex = 0; QString shown; QStringList entries; int selected = 0; };
struct Save { int method = 0; QStringList answers, alerts; bool saved = false, dataKept = false; };
struct Question { QString answer; bool backupMade = false; QStringList alerts; bool deleted = false; };

} // namespace

class TestDeviceSettingWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> _dir;
    QString _card;

    void writeSettings(const QByteArray &lines)
    {
        QVERIFY(TestCard::writeFile(_card + "/config/set.dat", "[SET]\r\n" + lines));
    }

private slots:
    void initTestCase() { TestCard::prepareEnvironment(); }

    void init()
    {
        _dir = std::make_unique<QTemporaryDir>();
        _card = _dir->path() + "/card";
        QVERIFY(TestCard::generate(_card, 1, 1, 1));
    }

    void dependentLists_data()
    {
        QTest::addColumn<Lists>("row");
        const QByteArray method2 = "RECINGMODE1=2\r\nPOSTRECINT1=30\r\n";
        QTest::newRow("stored 30 with (18, 30)") << Lists{.stored = method2 + "PRERECTIME1=18\r\nPOSTRECTIME1=12\r\n",
            .shown = "comboRecordFrameRate", .entries = {"1", "10", "15"}, .selected = 1};
        QTest::newRow("30 kept with (15, 5)") << Lists{.stored = method2 + "PRERECTIME1=15\r\nPOSTRECTIME1=5\r\n",
            .shown = "comboRecordFrameRate", .entries = {"1", "10", "15", "30"}, .selected = 30};
        QTest::newRow("picking (18, 30) drops 30") << Lists{.stored = method2 + "PRERECTIME1=15\r\nPOSTRECTIME1=5\r\n",
            .picked = "comboRecordPreRecTime", .pickedIndex = 4, .shown = "comboRecordFrameRate",
            .entries = {"1", "10", "15"}, .selected = 1};
        QTest::newRow("320 X 240 picks quality 10") << Lists{.stored = "POSTFIELD1=4\r\nPOSTSIZE1=64\r\n",
            .picked = "comboRecordImgRes", .shown = "comboRecordImgQuality", .entries = {"10", "20"}, .selected = 10};
    }

    void dependentLists()
    {
        QFETCH(Lists, row);
        writeSettings(row.stored);
        DeviceSettingWindow window(_card, nullptr, nullptr);
        if (!row.picked.isEmpty()) {
            auto *combo = window.findChild<QComboBox *>(row.picked);
            combo->setCurrentIndex(row.pickedIndex);
            emit combo->activated(row.pickedIndex);
        }
        const auto *combo = window.findChild<QComboBox *>(row.shown);
        QCOMPARE(values(combo), row.entries);
        QCOMPARE(combo->currentData().toInt(), row.selected);
    }

    void save_data()
    {
        QTest::addColumn<Save>("row");
        QTest::newRow("vehicle only asks nothing") << Save{1, {"gui_ok"}, {"msg_save_cur_setting", "msg_save_set_ok"},
            true, true};
        QTest::newRow("data question cancelled") << Save{2, {"gui_ok"}, {"msg_save_cur_setting", "msg_remove_data"},
            false, true};
        QTest::newRow("backup chosen but not made") << Save{2, {"gui_yes", "gui_ok"},
            {"msg_save_cur_setting", "msg_remove_data", "msg_backup_not_done", "msg_save_set_ok"}, true, true};
        QTest::newRow("no backup, delete") << Save{2, {"gui_no", "gui_delete_now", "gui_ok"},
            {"msg_save_cur_setting", "msg_remove_data", "msg_delete_what", "msg_save_set_ok"}, true, false};
    }

    void save()
    {
        QFETCH(Save, row);
        DeviceSettingWindow window(_card, nullptr, nullptr);
        window.show();
        window.ui()->comboRecordMethod->setCurrentIndex(row.method - 1);
        window.ui()->textSystemVehicle->setText("CAR 7");
        AlertCatcher catcher;
        catcher.pressing(row.answers);
        window.ui()->btnOK->click();
        QVERIFY2(shown(catcher.texts(), row.alerts), qPrintable(catcher.texts().join(u'|')));
        const CameraSettings settings = CameraSettings::read(_card.toStdString());
        QCOMPARE(settings.string("VEHICLEID") == "CAR 7", row.saved);
        QCOMPARE(window.result() == DeviceSettingWindow::Saved, row.saved);
        QCOMPARE(!QDir(_card + "/CH1/event").isEmpty(), row.dataKept);
    }

    void pinField_data()
    {
        QTest::addColumn<QString>("pin");
        QTest::addColumn<QStringList>("alerts");
        QTest::addColumn<int>("prompts");
        QTest::newRow("999 refused") << "999" << QStringList{"msg_invalid_password"} << 0;
        QTest::newRow("1000 asked again") << "1000" << QStringList{} << 1;
    }

    void pinField()
    {
        QFETCH(QString, pin);
        const QByteArray before = TestCard::readFile(_card + "/config/set.dat");
        DeviceSettingWindow window(_card, nullptr, nullptr);
        window.show();
        window.ui()->textRecordPassword->setText(pin);
        AlertCatcher catcher;
        PinPrompts prompts;
        window.ui()->btnOK->click();
        QFETCH(QStringList, alerts);
        QVERIFY(shown(catcher.texts(), alerts));
        QTEST(prompts.seen, "prompts");
        QCOMPARE(TestCard::readFile(_card + "/config/set.dat"), before);
    }

    void cancelledPinAtOpeningCloses()
    {
        writeSettings("PASSWORD=" + QByteArray::number(qlonglong(CameraSettings::encodePin(1234))) + "\r\n");
        DeviceSettingWindow window(_card, nullptr, nullptr);
        PinPrompts prompts;
        QCOMPARE(window.runModal(), 0);
        QCOMPARE(prompts.seen, 1);
        QVERIFY(!prompts.settingsShown);
    }

    // Reset Data with the recordings ticked: what goes is shown first, backing up is the default.
    void deletionQuestion_data()
    {
        QTest::addColumn<Question>("row");
        const QStringList question{"msg_delete_what"};
        QTest::newRow("cancelled") << Question{"gui_cancel", false, question, false};
        QTest::newRow("backed up first") << Question{"", true, question + QStringList{"msg_complete_delete_data"}, true};
        QTest::newRow("backup not made") << Question{"", false, question + QStringList{"msg_backup_not_done"}, false};
        QTest::newRow("deleted") << Question{"gui_delete_now", false, question + QStringList{"msg_complete_delete_data"}, true};
    }

    void deletionQuestion()
    {
        QFETCH(Question, row);
        DeviceSettingWindow window(_card, nullptr, nullptr);
        int backups = 0;
        window.setBackupRunner([&] { return ++backups, row.backupMade; });
        window.show();
        AlertCatcher catcher;
        catcher.pressing({row.answer, "gui_ok"});
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [] {
            if (auto *reset = qobject_cast<InitDataWindow *>(QApplication::activeModalWidget())) {
                reset->ui()->chkConfig->setChecked(false);
                reset->ui()->chkRecord->setChecked(true);
                reset->ui()->btnOK->click();
            }
        });
        ticker.start(10);
        window.ui()->btnInitData->click();
        QVERIFY2(shown(catcher.texts(), row.alerts), qPrintable(catcher.texts().join(u'|')));
        QVERIFY(catcher.texts().value(0).startsWith("2 recordings and 1 driving logs"));
        QCOMPARE(backups, row.answer.isEmpty() ? 1 : 0);
        QCOMPARE(QDir(_card + "/CH1/event").isEmpty(), row.deleted);
    }

    void deletion_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("failed");
        QTest::newRow("no CH1/normal") << "" << QStringList{};
        QTest::newRow("an entry that stays") << "locked" << QStringList{"CH1/event/locked"};
        QTest::newRow("log linked elsewhere") << "linked" << QStringList{"log"};
    }

    void deletion()
    {
        QFETCH(QString, setup);
        QFETCH(QStringList, failed);
        QVERIFY(QDir(_card + "/CH1/normal").removeRecursively());
        const QString lockedFolder = _card + "/CH1/event/locked";
        if (setup == "locked" && !lockEntry(lockedFolder, true))
            QSKIP("this file system cannot keep an entry from being removed");
        const QString outside = _dir->path() + "/outside/keep.log";
        if (setup == "linked") {
            QVERIFY(TestCard::writeFile(outside, "x"));
            QVERIFY(QDir(_card + "/log").removeRecursively());
            QVERIFY(QFile::link(_dir->path() + "/outside", _card + "/log"));
        }
        AlertCatcher alerts;
        DeleteWindow window(_card, nullptr);
        const bool complete = window.runModal();
        if (setup == "locked")
            lockEntry(lockedFolder, false);
        QCOMPARE(window.failedEntries(), failed);
        QCOMPARE(complete, failed.isEmpty());
        QCOMPARE(alerts.alerts().size(), failed.isEmpty() ? 0 : 1);
        QCOMPARE(QDir(_card + "/CH1/event").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 setup == "locked" ? QStringList{"locked"} : QStringList{});
        QVERIFY(setup == "linked" ? QFile::exists(outside) : QDir(_card + "/log").isEmpty());
    }
};

QTEST_MAIN(TestDeviceSettingWindow)
#include "test_DeviceSettingWindow.moc"
