// tumbo-cli: the card formats and the card generator from the command line.
#include "CliCommands.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    // Rendering draws text, which needs the graphical application; it runs off screen.
    // Reports draw the graph widgets, which need the widget application.
    std::unique_ptr<QCoreApplication> app;
    const bool render = argc > 1 && std::strcmp(argv[1], "render") == 0;
    const bool report = argc > 1 && (std::strcmp(argv[1], "report") == 0 || std::strcmp(argv[1], "evidence") == 0);
    const bool movie = argc > 1 && std::strcmp(argv[1], "movie") == 0;
    if (render || report || movie) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (report)
            app = std::make_unique<QApplication>(argc, argv);
        else
            app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("tumbo-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TUMBO_CLI_VERSION));
    return CliCommands::run(QCoreApplication::arguments().mid(1));
}
