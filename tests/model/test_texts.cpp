// The texts: every key the code shows has an English text, every text belongs to a known
// key, all languages are complete with matching arguments, and the built-in compiled
// texts load and fall back as the program expects.

#include "Texts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString translationsDir = QStringLiteral(TUMBO_SOURCE_DIR "/resources/translations");
const QString sourceDir = QStringLiteral(TUMBO_SOURCE_DIR "/src");

QStringList knownKeys()
{
    QFile file(translationsDir + QStringLiteral("/text-keys.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList keys;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            keys.append(line);
    }
    return keys;
}

struct TsFile {
    QMap<QString, QString> texts;  // id -> translation
    QStringList problems;          // duplicates, unfinished or empty entries
};

TsFile readTs(const QString &language)
{
    TsFile ts;
    QFile file(translationsDir + QStringLiteral("/tumbo_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly)) {
        ts.problems.append(QStringLiteral("cannot open ") + file.fileName());
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString id;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("message")) {
            id = xml.attributes().value(QLatin1String("id")).toString();
            if (id.isEmpty())
                ts.problems.append(QStringLiteral("message without id at line %1")
                                       .arg(xml.lineNumber()));
        } else if (xml.name() == QLatin1String("translation") && !id.isEmpty()) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString text = xml.readElementText();
            if (ts.texts.contains(id))
                ts.problems.append(id + QStringLiteral(": listed twice"));
            if (text.trimmed().isEmpty() || type == QLatin1String("unfinished")
                || type == QLatin1String("obsolete") || type == QLatin1String("vanished"))
                ts.problems.append(id + QStringLiteral(": no finished text"));
            ts.texts.insert(id, text);
        }
    }
    if (xml.hasError())
        ts.problems.append(QStringLiteral("XML error: ") + xml.errorString());
    return ts;
}

// Key literals in the sources: whole string literals of the key families, including
// ids of Designer forms. A family prefix alone (built up at run time) is not a key.
QMap<QString, QString> keysInSources()
{
    static const QRegularExpression literal(
        QStringLiteral(R"re("((?:gui|msg|tooltip|menu|button)_[a-z0-9_]*[a-z0-9])")re"));
    static const QRegularExpression uiText(
        QStringLiteral(R"re(<string[^>]*>((?:gui|msg|tooltip|menu|button)_[a-z0-9_]*[a-z0-9])</string>)re"));
    QMap<QString, QString> found;  // key -> first place
    QDirIterator it(sourceDir, {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            for (const QRegularExpression *re : {&literal, &uiText}) {
                auto matches = re->globalMatch(lines[i]);
                while (matches.hasNext()) {
                    const QString key = matches.next().captured(1);
                    if (!found.contains(key))
                        found.insert(key, QDir(TUMBO_SOURCE_DIR).relativeFilePath(path)
                                              + QLatin1Char(':') + QString::number(i + 1));
                }
            }
        }
    }
    return found;
}

// The numbered arguments of a text, sorted ("%1", "%2"), and any left-over
// platform-style object argument.
QStringList argumentsOf(const QString &text)
{
    static const QRegularExpression argument(QStringLiteral("%(?:L?[1-9][0-9]?|@)"));
    QStringList args;
    auto matches = argument.globalMatch(text);
    while (matches.hasNext())
        args.append(matches.next().captured());
    args.sort();
    return args;
}

} // namespace

class TestTexts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QStringList keys = knownKeys();
        _known = QSet<QString>(keys.begin(), keys.end());
        QVERIFY2(keys.size() > 100, qPrintable(translationsDir + "/text-keys.txt"));
        QCOMPARE(_known.size(), keys.size());
        _english = readTs(QStringLiteral("en"));
    }

    void languages_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Texts::languages())
            QTest::newRow(qPrintable(language)) << language;
    }

    // Every language: finished texts for exactly the known keys, the English arguments, and
    // the compiled texts the program loads say the same; a missing key shows the key.
    void languages()
    {
        QFETCH(QString, language);
        const TsFile ts = readTs(language);
        QVERIFY2(ts.problems.isEmpty(), qPrintable(ts.problems.join(QStringLiteral("\n"))));
        const QStringList ids = ts.texts.keys();
        const QSet<QString> present(ids.begin(), ids.end());
        QStringList missing = (_known - present).values(), unknown = (present - _known).values();
        missing.sort();
        unknown.sort();
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no text for: ") + missing.join(QStringLiteral(", "))));
        QVERIFY2(unknown.isEmpty(), qPrintable(QStringLiteral("texts for keys not in text-keys.txt: ")
                                               + unknown.join(QStringLiteral(", "))));

        QVERIFY2(QFile::exists(Texts::resourcePath(language)), qPrintable(Texts::resourcePath(language)));
        QVERIFY(Texts::setLanguage(language));
        QCOMPARE(Texts::language(), language);
        QStringList problems;
        for (auto it = ts.texts.cbegin(); it != ts.texts.cend(); ++it) {
            const QStringList expected = argumentsOf(_english.texts.value(it.key()));
            if (argumentsOf(it.value()) != expected || expected.contains(QStringLiteral("%@")))
                problems << it.key() + QStringLiteral(": arguments differ from English [")
                                + expected.join(QLatin1Char(' ')) + QLatin1Char(']');
            QCOMPARE(Texts::text(it.key()), it.value());
            QCOMPARE(qtTrId(it.key().toUtf8().constData()), it.value());
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
        QCOMPARE(Texts::text("gui_no_such_key"), QStringLiteral("gui_no_such_key"));
    }

    void keysUsedInCodeHaveEnglishTexts()
    {
        const QMap<QString, QString> used = keysInSources();
        QStringList problems;
        for (auto it = used.cbegin(); it != used.cend(); ++it)
            if (!_english.texts.contains(it.key()))
                problems.append(it.key() + QStringLiteral(" (") + it.value() + QLatin1Char(')'));
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("keys without an English text: ")
                                                + problems.join(QStringLiteral(", "))));
        // The one formatted text of the list keeps its argument.
        QCOMPARE(argumentsOf(_english.texts.value(QStringLiteral("gui_total_distance"))), QStringList{"%1"});
    }

    void languageFollowsLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "de";
        QTest::newRow("Swiss German") << QLocale(QLocale::German, QLocale::Switzerland) << "de";
        QTest::newRow("Korean") << QLocale(QLocale::Korean, QLocale::SouthKorea) << "ko";
        QTest::newRow("British English") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "en";
        QTest::newRow("French falls back") << QLocale(QLocale::French, QLocale::France) << "en";
        QTest::newRow("C falls back") << QLocale::c() << "en";
    }

    void languageFollowsLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, language);
        QCOMPARE(Texts::install(locale), language);
        QCOMPARE(Texts::language(), language);
        QCOMPARE(Texts::text("gui_ok"), readTs(language).texts.value(QStringLiteral("gui_ok")));
    }

    void unknownLanguageChangesNothing()
    {
        QVERIFY(Texts::setLanguage(QStringLiteral("de")));
        QVERIFY(!Texts::setLanguage(QStringLiteral("fr")));
        QVERIFY(!Texts::setLanguage(QString()));
        QCOMPARE(Texts::language(), QStringLiteral("de"));
        QCOMPARE(Texts::text("gui_cancel"), QStringLiteral("Abbrechen"));
    }

private:
    QSet<QString> _known;
    TsFile _english;
};

QTEST_GUILESS_MAIN(TestTexts)
#include "test_texts.moc"
