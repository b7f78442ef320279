// The localized texts of the viewer. Every visible text is a key ("gui_ok", "msg_...")
// looked up at the moment it is shown; a key without a text shows the key itself.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class Texts {
public:
    // The languages built into the program, English first.
    static QStringList languages();

    // Installs the texts of the system locale's language, English when the program has
    // none for it. Needs a QCoreApplication; call once at start.
    static void install();
    // Installs the texts of the locale's language (English when there are none);
    // returns the language code in use ("en", "de", "ko").
    static QString install(const QLocale &locale);
    // Switches to one of languages(); false (and nothing changes) for any other code.
    static bool setLanguage(const QString &language);
    // The language in use, empty before install().
    static QString language();

    // The text of a key, or the key itself when no installed language has it.
    static QString text(const char *key);
    static QString text(const QString &key);

    // Path of a language's compiled texts inside the resources.
    static QString resourcePath(const QString &language);
};
