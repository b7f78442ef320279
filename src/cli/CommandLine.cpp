#include "CommandLine.h"

#include "PrivacyZones.h"

#include <QRegularExpression>

#include <limits>

namespace {

// Stands in front of a negative number so the parser does not take it for an option.
const QChar kNumberMark(0x1);

bool isNegativeNumber(const QString &word)
{
    static const QRegularExpression negative(QStringLiteral("^-\\d"));
    return negative.match(word).hasMatch();
}

} // namespace

CommandLine::CommandLine(const CliCommand &command) : _command(command)
{
    _parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    _parser.addOptions(command.options);
    _parser.addOption(QCommandLineOption(QStringLiteral("compact")));
}

bool CommandLine::takesValue(const QString &word) const
{
    if (!word.startsWith(u"--") || word.contains(u'='))
        return false;
    const QString name = word.mid(2);
    for (const QCommandLineOption &option : _command.options)
        if (option.names().contains(name))
            return !option.valueName().isEmpty() && !_command.bareValues.contains(name);
    return false;
}

// Several words of one option become one value each; a bare option gets its stand-in value;
// a negative number that is no option's value is marked as an argument.
QStringList CommandLine::prepared(const QStringList &args) const
{
    QStringList words{QStringLiteral("tumbo-cli")};
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &word = args[i];
        const QString name = word.startsWith(u"--") ? word.mid(2) : QString();
        if (_command.bareValues.contains(name)) {
            words.append(word + u'=' + _command.bareValues.value(name));
        } else if (_command.wordCounts.contains(name)) {
            const int count = _command.wordCounts.value(name);
            qsizetype taken = 0;
            while (i + 1 < args.size() && (count < 0 || taken < count)
                   && (count > 0 || !args[i + 1].startsWith(u"--"))) {
                words << word << args[++i];
                ++taken;
            }
            if (taken == 0 || (count > 0 && taken < count))
                words.append(word);  // the parser reports the missing value
        } else if (takesValue(word) && i + 1 < args.size()) {
            words << word << args[++i];
        } else {
            words.append(isNegativeNumber(word) ? kNumberMark + word : word);
        }
    }
    return words;
}

bool CommandLine::parse(const QStringList &args)
{
    if (!_parser.parse(prepared(args))) {
        _problem = _parser.errorText();
        return false;
    }
    for (QString word : _parser.positionalArguments()) {
        if (word.startsWith(kNumberMark))
            word.remove(0, 1);
        _positional.append(word);
    }
    for (auto it = _command.wordCounts.begin(); it != _command.wordCounts.end(); ++it) {
        const qsizetype given = _parser.values(it.key()).size();
        if (it.value() > 0 && given % it.value() != 0) {
            _problem = QStringLiteral("--%1 takes %2 values").arg(it.key()).arg(it.value());
            return false;
        }
    }
    return true;
}

bool CommandLine::number(const QString &name, qint64 min, qint64 max, qint64 &out)
{
    if (!_parser.isSet(name))
        return true;
    bool ok = false;
    const qint64 v = _parser.value(name).toLongLong(&ok);
    if (!ok || v < min || v > max) {
        _problem = max == std::numeric_limits<qint64>::max() || max == std::numeric_limits<int>::max()
                       ? QStringLiteral("--%1 takes a whole number from %2").arg(name).arg(min)
                       : QStringLiteral("--%1 takes %2 to %3").arg(name).arg(min).arg(max);
        return false;
    }
    out = v;
    return true;
}

bool CommandLine::number(const QString &name, int min, int max, int &out)
{
    qint64 v = out;
    if (!number(name, qint64(min), qint64(max), v))
        return false;
    out = int(v);
    return true;
}

QString CommandLine::optionSynopsis(const QCommandLineOption &option)
{
    QString text = QStringLiteral("--") + option.names().constFirst();
    if (!option.valueName().isEmpty())
        text += (option.valueName().startsWith(u'[') ? QString() : QStringLiteral(" ")) + option.valueName();
    return text;
}

QString CommandLine::help(const CliCommand &command)
{
    QString text = QStringLiteral("usage: tumbo-cli %1 %2\n%3\n")
                       .arg(command.name, command.arguments, command.summary);
    if (!command.options.isEmpty())
        text += QStringLiteral("\noptions:\n");
    for (const QCommandLineOption &option : command.options) {
        const QString synopsis = optionSynopsis(option);
        const QString gap = synopsis.size() < 24 ? QString(24 - synopsis.size(), u' ')
                                                 : QStringLiteral("\n") + QString(26, u' ');
        text += QStringLiteral("  ") + synopsis + gap + option.description() + u'\n';
    }
    if (!command.details.isEmpty())
        text += u'\n' + command.details;
    return text;
}

QCommandLineOption CliOptions::dateFormat()
{
    return {QStringLiteral("date-format"),
            QStringLiteral("the order of day, month and year, as in the preferences [0]"), QStringLiteral("0-2")};
}

QCommandLineOption CliOptions::units()
{
    return {QStringLiteral("units"), QStringLiteral("speeds in 0 km/h, 1 mph, 2 knots [0]"),
            QStringLiteral("0-2")};
}

QCommandLineOption CliOptions::flip()
{
    return {QStringLiteral("flip"),
            QStringLiteral("0 as recorded, 1 upside down, 2 mirrored, 3 both [0]"), QStringLiteral("0-3")};
}

QCommandLineOption CliOptions::privacy()
{
    return {QStringLiteral("privacy"),
            QStringLiteral("leaves out positions within RADIUS metres of LAT,LNG (degrees); may be given more than once"),
            QStringLiteral("LAT,LNG,RADIUS")};
}

bool CliOptions::privacyZones(const CommandLine &line, PrivacyZones &zones, QString &problem)
{
    for (const QString &value : line.values(QStringLiteral("privacy"))) {
        PrivacyZones::Zone zone;
        if (!PrivacyZones::parse(value, zone, &problem))
            return false;
        zones.add(zone);
    }
    return true;
}
