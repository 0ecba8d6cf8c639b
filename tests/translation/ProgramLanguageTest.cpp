// SPDX-License-Identifier: MIT
#include "translation/ProgramLanguage.h"
#include "MainWindowFixture.h"
#include "document/WriteFailure.h"
#include "translation/Translated.h"

#include <QMenu>
#include <QStatusBar>
#include <QTranslator>

#include <cerrno>
#include <cstring>

namespace {

// The layers below the window say what they say in the program's language once it is loaded.
TEST(ProgramLanguage, MessagesFromBelowTheWindowAreTranslatedWithTheirArgumentsAndCounts)
{
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/i18n/brindle_de.qm")));
    QCoreApplication::installTranslator(&german);
    EXPECT_EQ(Translation::Translated(BRINDLE_TEXT("Problems", "Section %1 is an empty slot").Arg(7)),
              QStringLiteral("Abschnitt 7 ist ein leerer Platz"));
    const auto counted = [](long long count) {
        return Translation::Translated(
            BRINDLE_COUNTED_TEXT("Problems", "Section %1 has %n choice(s) to the empty slot %2").Arg(5).Arg(7).Count(count));
    };
    EXPECT_EQ(counted(1), QStringLiteral("Abschnitt 5 hat 1 Entscheidung zum leeren Platz 7"));
    EXPECT_EQ(counted(3), QStringLiteral("Abschnitt 5 hat 3 Entscheidungen zum leeren Platz 7"));
    // The reason inside a failure is translated with it; the system's own words are kept.
    const TarnViewModel::FileWriteException failure("/books/cave.brindle", ENOSPC);
    EXPECT_EQ(Translation::Translated(failure.Said()),
              QStringLiteral("„/books/cave.brindle“ kann nicht geschrieben werden: der Datenträger ist voll (%1).")
                  .arg(QString::fromLocal8Bit(std::strerror(ENOSPC))));
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(counted(1), QStringLiteral("Section 5 has 1 choice to the empty slot 7"));
}

class LanguageMenuTest : public TestSupport::MainWindowFixture {};

TEST_F(LanguageMenuTest, TheLanguageChosenIsKeptForTheNextStartAndListedUnderItsOwnName)
{
    auto* menu = Frame().findChild<QMenu*>(QStringLiteral("LanguageMenu"));
    ASSERT_NE(menu, nullptr);
    QStringList names;
    for (const QAction* item : menu->actions()) {
        names.append(item->text());
    }
    EXPECT_EQ(names, (QStringList{"English", "Deutsch", "Fran\u00e7ais", "Espa\u00f1ol", "Italiano"}));
    menu->actions().at(2)->trigger();
    EXPECT_EQ(Translation::ChosenProgramLanguage(), QStringLiteral("fr"));
    EXPECT_TRUE(menu->actions().at(2)->isChecked());
    EXPECT_FALSE(Frame().statusBar()->currentMessage().isEmpty());
}

}  // namespace
