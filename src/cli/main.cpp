// tumbo-cli: the card formats and the card generator from the command line.
#include "CliCommands.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tumbo-cli"));
    return CliCommands::run(QCoreApplication::arguments().mid(1));
}
