// The commands of tumbo-cli. Each returns the process exit status:
// 0 done, 1 the operation failed (message on stderr), 2 wrong usage (usage text on stderr).
// Every command is declared once in the table (commands()); "--help", "help COMMAND",
// "--version" and "--compact" are answered here for all of them.
#pragma once

#include "CliCommand.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class CliCommands {
public:
    static int run(const QStringList &arguments);
    static const QList<CliCommand> &commands();

    static int frames(const QStringList &args);
    static int log(const QStringList &args);
    static int card(const QStringList &args);
    static int config(const QStringList &args);

    // The overview of every command.
    static QString usageText();
    // The problem and the usage of the command being run (or the overview) on stderr; 2.
    static int usage(const QString &problem);
    static int fail(const QString &message);
    // The document as it is, or on one line when --compact was given.
    // Exit 1 naming the file and the reason (the engines' reasons mostly name it already).
    static int writeFailed(const QString &path, const QString &reason);
    static void print(const QByteArray &json);

    // Why the log reader refuses a file: unreadable, no "$REZEZ" line, or too many records.
    static QString logFailure(const QString &path);
    static QByteArray nativePath(const QString &path);
};
