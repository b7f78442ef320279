// The "generate-card" command: parses the generator's options and runs it.
#pragma once

#include "CardGenerator.h"

#include <QString>
#include <QStringList>

class GenerateCardCommand {
public:
    static int run(const QStringList &args);
    static QString optionsText();

    // Fills options and folder from the arguments; a problem text when they are wrong.
    static QString parse(const QStringList &args, CardGenerator::Options &options, QString &folder);

private:
    static QString apply(const QString &name, const QString &value, CardGenerator::Options &options);
    static bool takesValue(const QString &name);
};
