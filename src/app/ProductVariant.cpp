#include "ProductVariant.h"

namespace {

QString &storedIdentifier()
{
    static QString identifier;
    return identifier;
}

} // namespace

void ProductVariant::setIdentifier(const QString &identifier)
{
    storedIdentifier() = identifier;
}

QString ProductVariant::identifier()
{
    return storedIdentifier();
}

ProductVariant::Kind ProductVariant::kindOf(const QString &identifier)
{
    if (identifier == QLatin1String(OrvistoIdentifier))
        return Orvisto;
    if (identifier == QLatin1String(TremolaxIdentifier))
        return Tremolax;
    return Tumbo;
}

ProductVariant::Kind ProductVariant::current()
{
    return kindOf(identifier());
}

int ProductVariant::vehicleIdX(Kind kind)
{
    switch (kind) {
    case Orvisto:
        return 430;
    case Tremolax:
        return 170;
    case Tumbo:
        break;
    }
    return 230;
}

QString ProductVariant::homePage(Kind kind)
{
    if (kind == Orvisto)
        return QStringLiteral("https://www.orvisto.example/");
    return QStringLiteral("https://www.tumbo.example/");
}
