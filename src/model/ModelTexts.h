// Localized text of a key for the model layer.
#pragma once

#include <QString>

QString modelText(const char *key);
