#include "FreshCard.h"

#include "CameraSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A settings file is a few hundred bytes; anything far larger is not one.
constexpr qint64 MaxSettingsSize = 64 * 1024;

} // namespace

std::optional<QByteArray> FreshCard::readSettings(const QString &mountPoint, QString *error)
{
    if (mountPoint.isEmpty()) {
        *error = QStringLiteral("the card is not mounted");
        return std::nullopt;
    }
    const QDir config(QDir(mountPoint).filePath(QStringLiteral("config")));
    QString path = config.filePath(QStringLiteral("set.dat"));
    if (!QFileInfo::exists(path))
        path = config.filePath(QStringLiteral("set.ini"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return std::nullopt;
    }
    if (file.size() > MaxSettingsSize) {
        *error = QStringLiteral("%1 is too large to be a settings file").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    const QByteArray text = file.read(MaxSettingsSize + 1);
    if (file.error() != QFileDevice::NoError || text.size() > MaxSettingsSize) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return std::nullopt;
    }
    return text;
}

bool FreshCard::create(const QString &mountPoint, const QByteArray &settings, QString *error)
{
    const QDir card(mountPoint);
    const QStringList folders = {"config", "log", "CH1", "CH1/event", "CH1/normal"};
    for (const QString &folder : folders) {
        if (!card.mkdir(folder) && !QFileInfo(card.filePath(folder)).isDir()) {
            *error = QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(card.filePath(folder)));
            return false;
        }
    }
    const QByteArray text = settings.isEmpty() ? QByteArray(CameraSettings::defaultConfigText()) : settings;
    const QString path = card.filePath(QStringLiteral("config/set.dat"));
    std::string why;
    if (!CameraSettings::writeAtomically(QDir::toNativeSeparators(path).toStdString(), text.toStdString(), &why)) {
        *error = QString::fromStdString(why);
        return false;
    }
    return true;
}
