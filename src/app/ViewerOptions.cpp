#include "ViewerOptions.h"

namespace {

bool parseShow(const QString &value, ViewerOptions &options)
{
    const QStringList parts = value.split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    if (parts[0] != QLatin1String("event") && parts[0] != QLatin1String("normal")
        && parts[0] != QLatin1String("log"))
        return false;
    bool ok = false;
    options.showType = parts[0];
    options.showIndex = parts[1].toLongLong(&ok);
    if (!ok || options.showIndex < 0)
        return false;
    if (parts.size() == 3) {
        options.showFrame = parts[2].toLongLong(&ok);
        if (!ok || options.showFrame < -1)
            return false;
    }
    return true;
}

} // namespace

ViewerOptions ViewerOptions::parse(const QStringList &arguments)
{
    ViewerOptions options;
    for (qsizetype i = 0; i < arguments.size() && options.error.isEmpty(); ++i) {
        const QString &arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.help = true;
        } else if (arg == QLatin1String("--version")) {
            options.version = true;
        } else if (arg == QLatin1String("--demo")) {
            options.demo = true;
        } else if (arg == QLatin1String("--play")) {
            options.play = true;
        } else if (arg == QLatin1String("--thumbnails")) {
            options.thumbnails = true;
        } else if (arg == QLatin1String("--no-map")) {
            options.mapPage = false;
        } else if (arg == QLatin1String("--open") && hasValue) {
            options.openFolder = arguments[++i];
        } else if (arg == QLatin1String("--screenshot") && hasValue) {
            options.screenshot = arguments[++i];
        } else if (arg == QLatin1String("--show") && hasValue) {
            if (!parseShow(arguments[++i], options))
                options.error = QStringLiteral("--show takes event|normal|log:INDEX[:FRAME]");
        } else if (arg == QLatin1String("--log-search") && hasValue) {
            bool ok = false;
            options.logSearch = arguments[++i].toDouble(&ok);
            if (!ok || options.logSearch < 0)
                options.error = QStringLiteral("--log-search takes a speed of 0 or more");
        } else {
            options.error = QStringLiteral("unknown or incomplete option: %1").arg(arg);
        }
    }
    if (options.error.isEmpty() && options.demo && !options.openFolder.isEmpty())
        options.error = QStringLiteral("--open and --demo exclude each other");
    return options;
}

QString ViewerOptions::usage()
{
    return QStringLiteral(
        "usage: %1 [--open FOLDER | --demo]\n"
        "       [--show event|normal|log:INDEX[:FRAME]] [--play] [--thumbnails]\n"
        "       [--log-search SPEED] [--screenshot FILE] [--no-map]\n"
        "       %1 --help | --version\n"
        "\n"
        "  --open FOLDER      open the top folder of a camera card at start\n"
        "  --demo             open the bundled demo card\n"
        "  --show T:I[:F]     make recording I of the event or normal list current at frame F,\n"
        "                     or load log I into the log page at record F\n"
        "  --log-search S     search the loaded logs for speeds of S and more\n"
        "  --play             start playing the shown recording\n"
        "  --thumbnails       show the 4 x 4 thumbnail division\n"
        "  --screenshot FILE  render the window to FILE and quit\n"
        "  --no-map           show the map's still picture only (no browser engine)\n"
        "  -h, --help         print this help and quit\n"
        "  --version          print the version and quit\n");
}
