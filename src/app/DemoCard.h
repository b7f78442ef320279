// The demo card opened by --demo: generated once into the user's cache folder.
#pragma once

#include <QString>

class DemoCard {
public:
    // <cache location>/demo-card
    static QString defaultPath();
    // Makes sure a complete demo card is at path, generating it when it is not; returns
    // false with a reason when it cannot be written.
    static bool ensure(const QString &path, QString *error);
};
