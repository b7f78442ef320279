// What a freshly erased card gets before it goes back into the camera: the camera's folders
// and a settings file, either the card's own settings read before erasing or the defaults.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class FreshCard {
public:
    // The settings text of the card mounted at mountPoint ("config/set.dat", else the older
    // "config/set.ini"), or nothing with error saying why it cannot be kept.
    static std::optional<QByteArray> readSettings(const QString &mountPoint, QString *error);
    // Creates "config", "log", "CH1", "CH1/event", "CH1/normal" and writes settings (the
    // default text when empty) as "config/set.dat". False with error naming what failed.
    static bool create(const QString &mountPoint, const QByteArray &settings, QString *error);
};
