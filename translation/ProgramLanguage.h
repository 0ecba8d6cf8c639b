// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace Translation {

// The languages the program speaks, as language codes, English first.
QStringList ProgramLanguages();
// A language's name in that language, as a list of languages shows it.
QString NativeLanguageName(const QString& language);

// The first of the system's languages that the program speaks, or English.
QString SystemProgramLanguage();
// The language chosen in the settings, or failing that the system's.
QString ChosenProgramLanguage();
void ChooseProgramLanguage(const QString& language);

// For the command line, which has no application object: its messages in the first of the
// system's languages that the program speaks.
void InstallCommandLineLanguage();

// Loads the program's texts and Qt's own (the standard buttons and dialogs) in the language,
// and has the layers below the window translate their messages through them. Called once,
// before the first window or worker.
void InstallProgramLanguage(QCoreApplication& application, const QString& language);

}  // namespace Translation
