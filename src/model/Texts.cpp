#include "Texts.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

namespace {

// The installed translators belong to the application object; these only point at them.
// English always lies underneath, so a key another language lacks still reads in English.
struct Installed {
    QPointer<QTranslator> english;
    QPointer<QTranslator> chosen;
    QString language;
};

Installed &installed()
{
    static Installed state;
    return state;
}

QTranslator *loadTranslator(const QString &language)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(Texts::resourcePath(language)))
        return translator;
    delete translator;
    return nullptr;
}

void removeTranslator(QPointer<QTranslator> &translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

QString languageOf(const QLocale &locale)
{
    const QStringList known = Texts::languages();
    for (const QString &name : locale.uiLanguages()) {
        const QString code = QLocale::languageToCode(QLocale(name).language());
        if (known.contains(code))
            return code;
    }
    return QStringLiteral("en");
}

} // namespace

QStringList Texts::languages()
{
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("ko")};
}

QString Texts::resourcePath(const QString &language)
{
    return QStringLiteral(":/translations/tumbo_%1.qm").arg(language);
}

void Texts::install()
{
    install(QLocale::system());
}

QString Texts::install(const QLocale &locale)
{
    const QString language = languageOf(locale);
    if (!setLanguage(language))
        setLanguage(QStringLiteral("en"));
    return installed().language;
}

bool Texts::setLanguage(const QString &language)
{
    if (!languages().contains(language) || !QCoreApplication::instance())
        return false;
    Installed &state = installed();
    QTranslator *chosen = nullptr;
    if (language != QLatin1String("en")) {
        chosen = loadTranslator(language);
        if (!chosen)
            return false;
    }
    removeTranslator(state.chosen);
    if (!state.english) {
        state.english = loadTranslator(QStringLiteral("en"));
        if (state.english)
            QCoreApplication::installTranslator(state.english);
    }
    // The translator installed last is asked first.
    if (chosen)
        QCoreApplication::installTranslator(chosen);
    state.chosen = chosen;
    state.language = language;
    return true;
}

QString Texts::language()
{
    return installed().language;
}

QString Texts::text(const char *key)
{
    return qtTrId(key);
}

QString Texts::text(const QString &key)
{
    return qtTrId(key.toUtf8().constData());
}
