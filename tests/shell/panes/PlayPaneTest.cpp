#include "shell/MainWindowFixture.h"
#include "shell/panes/CPlayPane.h"
#include "shell/support/StringTable.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace TestSupport {

namespace {

class PlayPaneTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Frame().OnOpenSampleBook();
    }
    TarnGui::CPlayPane& Pane() { return *Frame().PlayPane(); }
    QString Heading() { return Pane().Heading()->text(); }
    // A section of the sample book with a hidden choice, and where that choice leads.
    std::pair<std::uint32_t, std::uint32_t> HiddenChoice()
    {
        for (const TarnViewModel::Choice& choice : Model().GetStoryGraph().AllChoices()) {
            if (choice.hidden) {
                return {choice.source, choice.destination};
            }
        }
        return {0, 0};
    }
};

TEST_F(PlayPaneTest, PlayingFromHereFollowsChoicesBackAndForwardAndLeadsToTheEditor)
{
    Model().SetCurrentSection(1);
    Press(QKeySequence(Qt::Key_F5));
    ASSERT_TRUE(Pane().isVisible());
    EXPECT_EQ(Heading(), QStringLiteral("1"));
    EXPECT_EQ(Pane().Text()->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdWString(),
              Model().GetStoryGraph().GetSection(1).text);
    ASSERT_FALSE(Pane().ChoiceButtons().empty());
    EXPECT_FALSE(Pane().BackButton()->isEnabled());

    const QString first = Pane().ChoiceButtons().front()->text();
    QTest::mouseClick(Pane().ChoiceButtons().front(), Qt::LeftButton);
    EXPECT_NE(Heading(), QStringLiteral("1"));
    EXPECT_TRUE(first.contains(QStringLiteral("turn to ") + Heading())) << first.toStdString();
    const QString second = Heading();
    EXPECT_EQ(Pane().Path()->count(), 2);
    QTest::mouseClick(Pane().BackButton(), Qt::LeftButton);
    EXPECT_EQ(Heading(), QStringLiteral("1"));
    QTest::mouseClick(Pane().ForwardButton(), Qt::LeftButton);
    EXPECT_EQ(Heading(), second);
    const QListWidgetItem* start = Pane().Path()->item(0);
    QTest::mouseClick(Pane().Path()->viewport(), Qt::LeftButton, {}, Pane().Path()->visualItemRect(start).center());
    EXPECT_EQ(Heading(), QStringLiteral("1"));

    Model().SetCurrentSection(second.toUInt());
    Press(QKeySequence(Qt::CTRL | Qt::Key_F5));
    EXPECT_EQ(Heading(), QStringLiteral("1"));
    QPushButton* edit = nullptr;
    for (QPushButton* button : Pane().findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("&Edit this section")) {
            edit = button;
        }
    }
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_EQ(Model().GetCurrentSection(), 1u);
}

TEST_F(PlayPaneTest, AHiddenChoiceIsListedApartAndARemovedSectionEndsThePath)
{
    const auto [source, destination] = HiddenChoice();
    ASSERT_NE(source, 0u);
    Model().SetCurrentSection(source);
    Press(QKeySequence(Qt::Key_F5));
    QPushButton* hidden = nullptr;
    for (QPushButton* button : Pane().ChoiceButtons()) {
        if (button->isFlat()) {
            hidden = button;
        }
    }
    ASSERT_NE(hidden, nullptr);
    QTest::mouseClick(hidden, Qt::LeftButton);
    EXPECT_EQ(Heading(), QString::number(destination));

    Model().DeleteSectionAndChoices(destination);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Heading() == QString::number(source); }));
    EXPECT_EQ(Pane().Note()->text(),
              QStringLiteral("Section %1 was removed from the book, so the path ends before it.").arg(destination));
    EXPECT_EQ(Pane().Path()->count(), 1);
    Frame().OnUndo();
}

}  // namespace

}  // namespace TestSupport
