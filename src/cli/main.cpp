// tumbo-cli: the card formats and the card generator from the command line.
#include "CliCommands.h"
#include "RuntimeDir.h"

#include <QCoreApplication>
#include <QGuiApplication>

int main(int argc, char *argv[])
{
    // Text on pictures and PDF reports needs the graphical application; it never shows a
    // window, so it runs off screen unless told otherwise and needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    RuntimeDir::ensure();
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tumbo-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TUMBO_VERSION));
    return CliCommands::run(QCoreApplication::arguments().mid(1));
}
