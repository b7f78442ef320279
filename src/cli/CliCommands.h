// The commands of tumbo-cli. Each returns the process exit status:
// 0 done, 1 the operation failed (message on stderr), 2 wrong usage (usage text on stderr).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class CliCommands {
public:
    static int run(const QStringList &arguments);

    static int frames(const QStringList &args);
    static int log(const QStringList &args);
    static int card(const QStringList &args);
    static int config(const QStringList &args);

    static QString usageText();
    static int usage(const QString &problem);
    static int fail(const QString &message);
    // Exit 1 naming the file and the reason (the engines' reasons mostly name it already).
    static int writeFailed(const QString &path, const QString &reason);
    static void print(const QByteArray &json);

    // Why the log reader refuses a file: unreadable, no "$REZEZ" line, or too many records.
    static QString logFailure(const QString &path);
    static QByteArray nativePath(const QString &path);
};
