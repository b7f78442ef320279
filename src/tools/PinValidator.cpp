#include "PinValidator.h"

PinValidator::PinValidator(bool emptyAllowed, QObject *parent)
    : QValidator(parent), _emptyAllowed(emptyAllowed)
{
}

QValidator::State PinValidator::validate(QString &input, int &) const
{
    if (input.isEmpty())
        return _emptyAllowed ? Acceptable : Intermediate;
    if (input.size() > 4)
        return Invalid;
    for (QChar c : input) {
        if (c < u'0' || c > u'9')
            return Invalid;
    }
    return pinOf(input) ? Acceptable : Intermediate;
}

int PinValidator::pinOf(const QString &text)
{
    bool ok = false;
    const int pin = text.toInt(&ok);
    // toInt() also takes a sign and blanks; a PIN is digits only.
    if (!ok || text.size() != 4 || !text.front().isDigit())
        return 0;
    return pin >= 1000 && pin <= 9999 ? pin : 0;
}
