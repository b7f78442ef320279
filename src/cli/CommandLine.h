// The arguments of one tumbo-cli command, parsed by QCommandLineParser from the command's
// declaration. Numbers that start with a minus (a frame index of -1) stay arguments.
#pragma once

#include "CliCommand.h"

#include <QCommandLineParser>

class PrivacyZones;

class CommandLine {
public:
    explicit CommandLine(const CliCommand &command);

    // False on wrong usage; problem() says what was wrong.
    bool parse(const QStringList &args);
    const QString &problem() const { return _problem; }

    bool isSet(const QString &name) const { return _parser.isSet(name); }
    QString value(const QString &name) const { return _parser.value(name); }
    QStringList values(const QString &name) const { return _parser.values(name); }
    const QStringList &positional() const { return _positional; }

    // The option's whole number in min .. max into out (left alone when the option is not
    // given); false with the problem set when it is not such a number.
    bool number(const QString &name, qint64 min, qint64 max, qint64 &out);
    bool number(const QString &name, int min, int max, int &out);

    // "usage: tumbo-cli NAME ARGUMENTS", the summary, the options and the details.
    static QString help(const CliCommand &command);
    // The name and value of every option, as the help lists them.
    static QString optionSynopsis(const QCommandLineOption &option);

private:
    QStringList prepared(const QStringList &args) const;
    bool takesValue(const QString &word) const;

    const CliCommand &_command;
    QCommandLineParser _parser;
    QStringList _positional;
    QString _problem;
};

// Options several commands share.
namespace CliOptions {
QCommandLineOption dateFormat();
QCommandLineOption units();
QCommandLineOption flip();
// --privacy LAT,LNG,RADIUS, repeatable: circles left out of a track.
QCommandLineOption privacy();
// The zones of every --privacy; false with the problem when one is not LAT,LNG,RADIUS.
bool privacyZones(const CommandLine &line, PrivacyZones &zones, QString &problem);
} // namespace CliOptions
