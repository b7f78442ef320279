#include "NumberFormatter.h"

#include <cmath>

NumberFormatter::NumberFormatter(int maxLength, QObject *parent)
    : QValidator(parent), _maxLength(maxLength)
{
}

bool NumberFormatter::isPartialStringValid(const QString &text) const
{
    if (text.isEmpty())
        return true;
    if (text.size() > _maxLength)
        return false;
    // The locale parser skips surrounding blanks; a field must not hold them.
    if (text.trimmed().size() != text.size())
        return false;
    bool ok = false;
    if (_minimumFractionDigits > 0) {
        const double value = locale().toDouble(text, &ok);
        return ok && std::isfinite(value);
    }
    locale().toLongLong(text, &ok);
    return ok;
}

QValidator::State NumberFormatter::validate(QString &input, int &) const
{
    return isPartialStringValid(input) ? Acceptable : Invalid;
}
