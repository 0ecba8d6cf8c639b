// SPDX-License-Identifier: MIT
#include "translation/ProgramLanguage.h"

#include "messages/Translator.h"
#include "translation/Translated.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace Translation {

namespace {

const QString LanguageSetting = QStringLiteral("interface/language");

std::string TranslatedUtf8(const Messages::Message& message)
{
    return Translation::Translated(message).toStdString();
}

QTranslator& CommandLineTranslator()
{
    static QTranslator translator;
    return translator;
}

std::string TranslatedForCommandLine(const Messages::Message& message)
{
    return Translation::Translated(message, CommandLineTranslator()).toStdString();
}

}  // namespace

QStringList ProgramLanguages()
{
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("it")};
}

QString NativeLanguageName(const QString& language)
{
    static const QHash<QString, QString> names{{QStringLiteral("en"), QStringLiteral("English")},
                                               {QStringLiteral("de"), QStringLiteral("Deutsch")},
                                               {QStringLiteral("fr"), QStringLiteral("Fran\u00e7ais")},
                                               {QStringLiteral("es"), QStringLiteral("Espa\u00f1ol")},
                                               {QStringLiteral("it"), QStringLiteral("Italiano")}};
    return names.value(language, language);
}

QString SystemProgramLanguage()
{
    for (const QString& language : QLocale::system().uiLanguages()) {
        const QString code = QLocale(language).name().section(QLatin1Char('_'), 0, 0);
        if (ProgramLanguages().contains(code)) {
            return code;
        }
    }
    return QStringLiteral("en");
}

QString ChosenProgramLanguage()
{
    const QString chosen = QSettings().value(LanguageSetting).toString();
    return ProgramLanguages().contains(chosen) ? chosen : SystemProgramLanguage();
}

void ChooseProgramLanguage(const QString& language)
{
    QSettings().setValue(LanguageSetting, language);
}

void InstallCommandLineLanguage()
{
    if (CommandLineTranslator().load(QStringLiteral(":/i18n/brindle_%1.qm").arg(SystemProgramLanguage()))) {
        Messages::InstallTranslator(TranslatedForCommandLine);
    }
}

void InstallProgramLanguage(QCoreApplication& application, const QString& language)
{
    // English needs its own file only for the plural forms of counted texts.
    auto* own = new QTranslator(&application);
    if (own->load(QStringLiteral(":/i18n/brindle_%1.qm").arg(language))) {
        QCoreApplication::installTranslator(own);
    }
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_%1").arg(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
    Messages::InstallTranslator(TranslatedUtf8);
}

}  // namespace Translation
