// SPDX-License-Identifier: MIT
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"
#include "search/BookSearch.h"
#include "shell/MainWindowFixture.h"
#include "shell/panes/CChoicesPane.h"
#include "shell/panes/CFindReplacePane.h"
#include "shell/panes/CProblemsPane.h"
#include "shell/panes/CSectionPropertiesPane.h"
#include "shell/panes/PropertyGrid.h"
#include "shell/support/StringTable.h"
#include "support/GraphSnapshot.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

namespace TestSupport {

namespace {

using namespace TarnGui::Strings;

class FindReplacePaneTest : public MainWindowFixture {
protected:
    TarnGui::CFindReplacePane& Pane() { return *Frame().FindReplacePane(); }
    // Types the words into the find box and waits until the whole book has been searched.
    void Find(const QString& words)
    {
        Pane().FindBox()->selectAll();
        QTest::keyClicks(Pane().FindBox(), words);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Pane().Summary()->text().startsWith(QStringLiteral("Searching")); }));
    }
    int Listed() { return Pane().List()->model()->rowCount(); }
    void ClickRow(int row)
    {
        QListView* list = Pane().List();
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }
    QString Selected() { return Frame().SectionView()->TextBox()->textCursor().selectedText(); }
};

TEST_F(FindReplacePaneTest, TypingListsEveryMatchOfABigBookAndAClickSelectsItInTheEditor)
{
    const QString path = PathOf("generated.brindle");
    SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(400))->Save(path.toStdWString());
    Frame().OpenFile(path);

    Press(QKeySequence(Qt::CTRL | Qt::Key_F));
    ASSERT_TRUE(Pane().isVisible());
    EXPECT_TRUE(Pane().FindBox()->hasFocus());
    EXPECT_FALSE(Pane().ReplaceButton()->isVisible());
    QTest::mouseClick(Pane().WholeWordBox(), Qt::LeftButton);
    Find(QStringLiteral("gold"));
    const std::vector<Search::BookMatch> expected =
        Search::FindInBook(*Model().Snapshot(), Search::SearchPattern(L"gold", {.wholeWord = true}));
    ASSERT_GT(expected.size(), 100u);
    EXPECT_EQ(Listed(), static_cast<int>(expected.size()));
    EXPECT_EQ(Pane().Summary()->text(), QStringLiteral("%1 matches").arg(QLocale().toString(static_cast<qulonglong>(expected.size()))));

    const auto text = std::find_if(expected.begin() + 40, expected.end(),
                                   [](const Search::BookMatch& match) { return match.field == Search::SearchField::Text; });
    ClickRow(static_cast<int>(text - expected.begin()));
    EXPECT_EQ(Frame().Selection().GetCurrentSection(), text->section);
    EXPECT_EQ(Selected().toLower(), QStringLiteral("gold"));
    EXPECT_TRUE(Frame().SectionView()->TextBox()->hasFocus());

    // F3 goes on to the next match, wherever the keys are.
    Press(QKeySequence(Qt::Key_F3));
    EXPECT_EQ(Pane().List()->currentIndex().row(), static_cast<int>(text - expected.begin()) + 1);
    Press(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    EXPECT_EQ(Pane().List()->currentIndex().row(), static_cast<int>(text - expected.begin()));

    // A choice's match selects the choice.
    const auto choice = std::find_if(expected.begin(), expected.end(),
                                     [](const Search::BookMatch& match) { return match.field == Search::SearchField::ChoiceText; });
    if (choice != expected.end()) {
        ClickRow(static_cast<int>(choice - expected.begin()));
        EXPECT_EQ(Frame().Selection().GetCurrentSection(), choice->section);
        QListWidget* choices = Frame().ChoicesPane()->List();
        ASSERT_NE(choices->currentItem(), nullptr);
        EXPECT_TRUE(choices->currentItem()->text().contains(QStringLiteral("gold"), Qt::CaseInsensitive));
    }
}

TEST_F(FindReplacePaneTest, ASummarysMatchIsSelectedInTheSectionsSummary)
{
    Model().SetSectionSummary(1, L"The \U0001F409 hoard of gold");
    Press(QKeySequence(Qt::CTRL | Qt::Key_F));
    Find(QStringLiteral("hoard"));
    ASSERT_EQ(Listed(), 1);
    ClickRow(0);
    auto* editor = Frame().SectionPropertiesPane()->Grid()->Tree()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->selectedText(), QStringLiteral("hoard"));
}

TEST_F(FindReplacePaneTest, ABadExpressionIsShownBesideTheBoxAndListsNothing)
{
    Frame().OnOpenSampleBook();
    Press(QKeySequence(Qt::CTRL | Qt::Key_F));
    Find(QStringLiteral("the"));
    EXPECT_GT(Listed(), 0);
    QTest::mouseClick(Pane().RegularExpressionBox(), Qt::LeftButton);
    Pane().FindBox()->setFocus();
    Find(QStringLiteral("(th"));
    EXPECT_TRUE(Pane().Summary()->text().startsWith(QStringLiteral("The regular expression cannot be read at character ")))
        << Pane().Summary()->text().toStdString();
    EXPECT_EQ(Listed(), 0);
    QTest::keyClick(Pane().FindBox(), Qt::Key_ParenRight);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Listed() > 0; }));
    EXPECT_FALSE(Pane().Summary()->text().startsWith(QStringLiteral("The regular")));

    // One that Boost gives up on while searching is shown in the same place.
    Model().SetSectionText(2, std::wstring(20000, L'a'));
    Find(QStringLiteral("(a|aa)*(b|c)*d"));
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return Pane().Summary()->text().startsWith(QStringLiteral("The regular expression takes too long")); }));
    EXPECT_EQ(Listed(), 0);
}

TEST_F(FindReplacePaneTest, ReplaceOneAndReplaceAllAreUndoneAsTheAuthorMadeThem)
{
    Model().NewBook(L"Replace", L"");
    Model().SetSectionText(1, L"A \U0001F511 key.\r\nThe key, the KEY.");
    Model().CreateSection(2, L"Key hall");
    Model().AddChoiceTo(1, 2, L"Turn the key", false);
    Frame().Selection().SetCurrentSection(1);
    const GraphSnapshot before = GraphSnapshot::Of(Model().GetStoryGraph());

    Press(QKeySequence(Qt::CTRL | Qt::Key_H));
    ASSERT_TRUE(Pane().ReplaceButton()->isVisible());
    Find(QStringLiteral("key"));
    EXPECT_EQ(Listed(), 5);
    QTest::keyClicks(Pane().ReplaceBox(), QStringLiteral("lock"));
    // The first press finds the match after the book's place, the second replaces it.
    QTest::mouseClick(Pane().ReplaceButton(), Qt::LeftButton);
    EXPECT_EQ(Selected(), QStringLiteral("key"));
    QTest::mouseClick(Pane().ReplaceButton(), Qt::LeftButton);
    EXPECT_EQ(Model().GetStoryGraph().GetSection(1).text, L"A \U0001F511 lock.\r\nThe key, the KEY.");
    EXPECT_EQ(Frame().statusBar()->currentMessage(), QStringLiteral("Replaced 1 match"));
    EXPECT_EQ(Selected(), QStringLiteral("key"));
    EXPECT_EQ(Frame().SectionView()->TextBox()->textCursor().selectionStart(), 15);

    QTest::mouseClick(Pane().ReplaceAllButton(), Qt::LeftButton);
    EXPECT_EQ(Frame().statusBar()->currentMessage(), QStringLiteral("Replaced 4 matches"));
    EXPECT_EQ(Model().GetStoryGraph().GetSection(1).text, L"A \U0001F511 lock.\r\nThe lock, the lock.");
    EXPECT_EQ(Model().GetStoryGraph().GetSection(2).summary, L"lock hall");
    ASSERT_TRUE(QTest::qWaitFor([this] { return Listed() == 0; }));

    Run(EditUndo);
    Run(EditUndo);
    EXPECT_EQ(GraphSnapshot::Of(Model().GetStoryGraph()), before);
    Run(EditRedo);
    Run(EditRedo);
    EXPECT_EQ(Model().GetStoryGraph().GetSection(2).summary, L"lock hall");
}

TEST_F(FindReplacePaneTest, TabLeadsToTheReplacementAndAnEmptyOneAsksBeforeDeleting)
{
    Model().NewBook(L"Replace", L"");
    Model().SetSectionText(1, L"Dust, dust and more dust.");
    Frame().Selection().SetCurrentSection(1);
    Press(QKeySequence(Qt::CTRL | Qt::Key_H));
    Find(QStringLiteral("dust"));
    ASSERT_TRUE(Pane().FindBox()->hasFocus());
    Press(QKeySequence(Qt::Key_Tab));
    EXPECT_TRUE(Pane().ReplaceBox()->hasFocus()) << "Tab from the find box went elsewhere";

    script_.ThenAnswer(QMessageBox::No);
    QTest::mouseClick(Pane().ReplaceAllButton(), Qt::LeftButton);
    WaitForScript();
    EXPECT_EQ(Model().GetStoryGraph().GetSection(1).text, L"Dust, dust and more dust.");
    script_.ThenAnswer(QMessageBox::Yes);
    QTest::mouseClick(Pane().ReplaceAllButton(), Qt::LeftButton);
    WaitForScript();
    EXPECT_EQ(Model().GetStoryGraph().GetSection(1).text, L",  and more .");
    ASSERT_EQ(script_.Messages().size(), 2u);
    EXPECT_EQ(script_.Messages()[0], "The replacement is empty, so Replace All will delete all 3 matches of \"dust\".\n\nDelete them?");
}

class ProblemsPaneTest : public MainWindowFixture {
protected:
    TarnGui::CProblemsPane& Pane() { return *Frame().ProblemsPane(); }
    QStringList Rows()
    {
        QApplication::processEvents();
        QStringList rows;
        for (int row = 0; row < Pane().List()->model()->rowCount(); ++row) {
            rows << Pane().List()->model()->index(row, 0).data().toString();
        }
        return rows;
    }
};

TEST_F(ProblemsPaneTest, TheListFollowsEditsWhileItShowsAndARowSelectsItsSection)
{
    Model().NewBook(L"Problems", L"");
    Model().SetSectionText(1, L"Start.");
    EXPECT_FALSE(Pane().isVisible());
    Run(ShowProblems);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Pane().isVisible(); }));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Rows().isEmpty(); }));
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Section 1 is an ending: confirm that it should be")});

    Model().CreateSection(4, L"Cellar");
    ASSERT_TRUE(QTest::qWaitFor([this] { return Rows().size() > 1; }));
    EXPECT_EQ(Rows().first(), QStringLiteral("No path from section 1 reaches section 4"));
    const QModelIndex first = Pane().List()->model()->index(0, 0);
    QTest::mouseClick(Pane().List()->viewport(), Qt::LeftButton, {}, Pane().List()->visualRect(first).center());
    EXPECT_EQ(Frame().Selection().GetCurrentSection(), 4u);

    Run(EditUndo);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Rows().size() == 1; }));
    Run(ShowProblems);
    EXPECT_FALSE(Pane().isVisible());
}

}  // namespace

}  // namespace TestSupport
