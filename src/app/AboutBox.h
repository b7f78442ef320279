// The about box: product, viewer version and the camera firmware version of the open card,
// worded for each product.
#pragma once

#include "ProductVariant.h"

#include <QString>

class QWidget;

class AboutBox {
public:
    // The firmware version from the card's "config/version.ini": the second "_"-separated
    // field of VERSION; the "gui_unknown" text when no card is open or there is none.
    static QString firmwareVersion(bool opened, const QString &rootPath);
    static QString title(const QString &applicationName);
    static QString informativeText(ProductVariant::Kind kind, const QString &viewerVersion,
                                   const QString &firmware);
    // Runs the box modally over parent.
    static void show(QWidget *parent, bool opened, const QString &rootPath);
};
