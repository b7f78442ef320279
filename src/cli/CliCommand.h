// One command of tumbo-cli, declared once: its name, its arguments, a line on what it does
// and its options. The parser, the command's help, the overview and the man page are all
// made from it, so adding a command is adding one declaration to the table in CliCommands.
#pragma once

#include <QCommandLineOption>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct CliCommand {
    using Run = int (*)(const QStringList &args);

    QString name;
    QString arguments;  // e.g. "FILE.vdd INDEX OUT.pdf"
    QString summary;    // one line
    QList<QCommandLineOption> options;
    // Options that take several words: a count, or -1 for every word up to the next option
    // (--event NAME...). Their words come back one value each.
    QHash<QString, int> wordCounts = {};
    // Options whose value may be left out, with the value that stands for it (--awkward).
    QHash<QString, QString> bareValues = {};
    Run run = nullptr;
    QString details = {};  // more help after the options
};
