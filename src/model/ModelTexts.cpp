#include "ModelTexts.h"

#include <QCoreApplication>

QString modelText(const char *key)
{
    return qtTrId(key);
}
