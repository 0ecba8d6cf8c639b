// SPDX-License-Identifier: MIT
#include "shell/MainWindowFixture.h"
#include "shell/flowchart/CFlowchart.h"
#include "shell/flowchart/CFlowchartPane.h"
#include "shell/panes/COutlinePane.h"
#include "shell/panes/CPlayPane.h"
#include "shell/panes/OutlineItemDelegate.h"
#include "shell/support/StringTable.h"

#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
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
    const std::set<std::uint32_t>& ChartMarks() { return Frame().FlowchartPane()->Chart()->Visited(); }
    std::set<std::uint32_t> OutlineMarks()
    {
        std::set<std::uint32_t> marked;
        const TarnGui::OutlineModel& entries = Frame().OutlinePane()->Entries();
        for (int row = 0; row < entries.rowCount(); ++row) {
            if (entries.data(entries.index(row), TarnGui::OutlineItemDelegate::VisitedRole).toBool()) {
                marked.insert(static_cast<std::uint32_t>(row + 1));
            }
        }
        return marked;
    }
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
    Frame().Selection().SetCurrentSection(1);
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

    Frame().Selection().SetCurrentSection(second.toUInt());
    Press(QKeySequence(Qt::CTRL | Qt::Key_F5));
    EXPECT_EQ(Heading(), QStringLiteral("1"));
    QPushButton* edit = nullptr;
    for (QPushButton* button : Pane().findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("Edi&t this section")) {
            edit = button;
        }
    }
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_EQ(Frame().Selection().GetCurrentSection(), 1u);
}

TEST_F(PlayPaneTest, AHiddenChoiceIsListedApartAndARemovedSectionEndsThePath)
{
    const auto [source, destination] = HiddenChoice();
    ASSERT_NE(source, 0u);
    Frame().Selection().SetCurrentSection(source);
    Press(QKeySequence(Qt::Key_F5));
    QPushButton* hidden = nullptr;
    for (QPushButton* button : Pane().ChoiceButtons()) {
        if (button->isFlat()) {
            hidden = button;
        }
    }
    ASSERT_NE(hidden, nullptr);
    const auto* caption = Pane().findChild<QLabel*>(QStringLiteral("HiddenCaption"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), QStringLiteral("hidden"));
    QTest::mouseClick(hidden, Qt::LeftButton);
    EXPECT_EQ(Heading(), QString::number(destination));

    Model().DeleteSectionAndChoices(destination);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Heading() == QString::number(source); }));
    EXPECT_EQ(Pane().Note()->text(), QStringLiteral("Section %1 was removed from the book, so the path ends before it.").arg(destination));
    EXPECT_EQ(Pane().Path()->count(), 1);
    Frame().OnUndo();
}

TEST_F(PlayPaneTest, ThePathIsMarkedInTheChartAndTheOutlineWhileThePaneShows)
{
    Frame().Selection().SetCurrentSection(1);
    Press(QKeySequence(Qt::Key_F5));
    QTest::mouseClick(Pane().ChoiceButtons().front(), Qt::LeftButton);
    const std::uint32_t second = Heading().toUInt();
    QTest::mouseClick(Pane().BackButton(), Qt::LeftButton);
    // A step back keeps the path and its marks.
    const std::set<std::uint32_t> path{1, second};
    EXPECT_EQ(ChartMarks(), path);
    EXPECT_EQ(OutlineMarks(), path);
    EXPECT_EQ(Pane().Text()->document()->defaultFont().family().toStdWString(), Model().GetFont(CommonLib::FontType::MainBook).faceName);

    // The marks follow a renumbering.
    const std::uint32_t renumbered = Model().GetStoryGraph().LastSectionNumber() + 5;
    Model().SetSectionNumber(second, renumbered);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ChartMarks().count(renumbered) != 0; }));
    EXPECT_EQ(OutlineMarks(), (std::set<std::uint32_t>{1, renumbered}));

    // Drawn on screen, in the mark's green.
    TarnGui::CFlowchart& chart = *Frame().FlowchartPane()->Chart();
    const auto markPixels = [&chart] {
        const QImage shot = chart.viewport()->grab().toImage();
        int count = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                const QColor pixel = shot.pixelColor(x, y);
                count += pixel.red() < 8 && std::abs(pixel.green() - 140) < 8 && std::abs(pixel.blue() - 70) < 8 ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_GT(markPixels(), 20);

    Pane().close();
    EXPECT_EQ(markPixels(), 0);
    EXPECT_TRUE(ChartMarks().empty());
    EXPECT_TRUE(OutlineMarks().empty());
    Model().Undo();
}

}  // namespace

}  // namespace TestSupport
