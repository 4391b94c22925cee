#include "platform/Langue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

std::string LangueProposee(const std::string& nomLocale)
{
    const std::string code = nomLocale.substr(0, 2);
    return code == "en" ? "en" : "fr";
}

std::string LangueSysteme()
{
    // uiLanguages follows LANGUAGE and LC_MESSAGES, which name the language of
    // the desktop's texts rather than the formats of numbers and dates.
    const QStringList langues = QLocale::system().uiLanguages();
    const QString nom = langues.isEmpty() ? QLocale::system().name() : langues.first();
    return LangueProposee(nom.toStdString());
}

bool ChargeTraductionsQt(const std::string& langue)
{
    // Qt's own widgets (the calendar's month and day names) speak the chosen language too.
    QLocale::setDefault(QLocale(langue == "en" ? QLocale::English : QLocale::French));
    static std::unique_ptr<QTranslator> installe;
    if (installe) {
        QCoreApplication::removeTranslator(installe.get());
        installe.reset();
    }
    auto traducteur = std::make_unique<QTranslator>();
    if (!traducteur->load(QStringLiteral("qtbase_") + QString::fromStdString(langue),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    if (!QCoreApplication::installTranslator(traducteur.get()))
        return false;
    installe = std::move(traducteur);
    return true;
}
