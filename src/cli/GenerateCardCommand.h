// The "generate-card" command: parses the generator's options and runs it.
#pragma once

#include "CardGenerator.h"
#include "CliCommand.h"

#include <QString>
#include <QStringList>

class GenerateCardCommand {
public:
    static int run(const QStringList &args);
    static const CliCommand &command();

    // Fills options and folder from the arguments; a problem text when they are wrong.
    static QString parse(const QStringList &args, CardGenerator::Options &options, QString &folder);

private:
    static QString apply(const QString &name, const QString &value, CardGenerator::Options &options);
};
