#include "Preferences.h"

#include <QSettings>

int Preferences::intValue(const char *key)
{
    bool ok = false;
    const int value = QSettings().value(QLatin1String(key)).toInt(&ok);
    return ok ? value : 0;
}

void Preferences::setIntValue(const char *key, int value)
{
    QSettings().setValue(QLatin1String(key), value);
}

QString Preferences::stringValue(const char *key)
{
    const QVariant value = QSettings().value(QLatin1String(key));
    return value.isValid() ? value.toString() : QString();
}

void Preferences::setStringValue(const char *key, const QString &value)
{
    QSettings().setValue(QLatin1String(key), value);
}

double Preferences::doubleValue(const char *key, double fallback)
{
    bool ok = false;
    const double value = QSettings().value(QLatin1String(key)).toDouble(&ok);
    return ok ? value : fallback;
}

void Preferences::setDoubleValue(const char *key, double value)
{
    QSettings().setValue(QLatin1String(key), value);
}
