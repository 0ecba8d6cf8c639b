// SPDX-License-Identifier: MIT
#include "document/BookLimits.h"
#include "shell/MainWindowFixture.h"
#include "shell/dialogs/CChoiceEditorDlg.h"
#include "shell/flowchart/CFlowchart.h"
#include "shell/flowchart/CFlowchartPane.h"
#include "shell/panes/CSectionView.h"
#include "shell/support/StringTable.h"
#include "support/NearlyFullBook.h"

#include <QClipboard>
#include <QMenu>

#include <memory>

namespace TestSupport {

namespace {

using TarnGui::Strings::EditRedo;
using TarnGui::Strings::EditUndo;

class SectionEditorTest : public MainWindowFixture {
protected:
    TarnGui::CTarnTextEdit* Editor() { return Frame().SectionView()->TextBox(); }
    // Clicks into the flowchart, as an author leaving the text does.
    void LeaveText()
    {
        TarnGui::CFlowchart* chart = Frame().FlowchartPane()->Chart();
        QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, QPoint(1, 1));
        chart->setFocus(Qt::MouseFocusReason);
    }
    std::wstring Text(std::uint32_t number) { return Model().GetStoryGraph().GetSection(number).text; }
    // The enabled state of the context menu's Cut, Copy and Paste.
    std::vector<bool> MenuStates()
    {
        const std::unique_ptr<QMenu> menu(Editor()->CreateContextMenu());
        std::vector<bool> states;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                states.push_back(action->isEnabled());
            }
        }
        return states;
    }
};

TEST_F(SectionEditorTest, LeavingTheTextRecordsOneCommandWithTheBooksLineEnds)
{
    TypeIntoSection(QStringLiteral("Dawn breaks.\nThe road is empty."));
    EXPECT_EQ(Text(1), L"");
    LeaveText();
    EXPECT_EQ(Text(1), L"Dawn breaks.\r\nThe road is empty.");
    Run(EditUndo);
    EXPECT_EQ(Text(1), L"");
    EXPECT_EQ(Editor()->toPlainText(), QString());
    EXPECT_FALSE(Model().CanUndo());
}

// The author types and stops, without clicking anywhere else.
TEST_F(SectionEditorTest, TypedWordsBecomePartOfTheBookAfterAPauseWithoutLeavingTheText)
{
    TypeIntoSection(QStringLiteral("The bridge is out."));
    EXPECT_TRUE(Frame().windowTitle().startsWith(QStringLiteral("Untitled*"))) << Frame().windowTitle().toStdString();
    EXPECT_TRUE(Frame().Action(EditUndo)->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([this] { return Model().IsModified(); }, 5000));
    EXPECT_EQ(Text(1), L"The bridge is out.");
    EXPECT_TRUE(Editor()->hasFocus());
    EXPECT_EQ(Editor()->textCursor().position(), 18);
}

// The keyboard alone can leave the text; what was typed, a tab included, is handed over.
TEST_F(SectionEditorTest, TabLeavesTheTextAndCtrlTabTypesATab)
{
    TypeIntoSection(QStringLiteral("Go"));
    QTest::keyClick(Editor(), Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(Editor(), Qt::Key_Tab);
    EXPECT_FALSE(Editor()->hasFocus());
    EXPECT_EQ(Text(1), L"Go\t");

    TarnGui::CChoiceEditorDlg choice({{1, L"Start"}}, 1, L"Run", false, &Frame());
    choice.show();
    QApplication::setActiveWindow(&choice);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&choice));
    choice.TextBox()->setFocus();
    QTest::keyClick(choice.TextBox(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(choice.TextBox()->toPlainText(), QStringLiteral("Run\t"));
    QTest::keyClick(choice.TextBox(), Qt::Key_Tab);
    EXPECT_FALSE(choice.TextBox()->hasFocus());
    EXPECT_EQ(choice.TextBox()->toPlainText(), QStringLiteral("Run\t"));
}

TEST_F(SectionEditorTest, UndoTakesBackTypingOnePauseAtATimeAndRedoBringsItBack)
{
    TypeIntoSection(QStringLiteral("The road"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return Model().CanUndo(); }, 5000));
    TypeIntoSection(QStringLiteral(" is empty."));
    Press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(Text(1), L"The road");
    EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("The road"));
    EXPECT_EQ(Editor()->textCursor().position(), 8) << "the caret left the place of the undone words";
    Press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(Text(1), L"");
    Press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    EXPECT_EQ(Text(1), L"The road");
    Press(QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(Text(1), L"The road is empty.");
    EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("The road is empty."));
    EXPECT_FALSE(Frame().Action(TarnGui::Strings::EditRedo)->isEnabled());
}

TEST_F(SectionEditorTest, UndoingOneCharacterBeyondTheBasicPlaneForAnotherKeepsBothWhole)
{
    Model().SetSectionText(1, L"The \U0001F409 sleeps.");
    Frame().Selection().SetCurrentSection(1);
    Editor()->setFocus();
    Editor()->selectAll();
    Editor()->insertPlainText(QStringLiteral("The \U0001F40A sleeps."));
    Press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(Text(1), L"The \U0001F409 sleeps.");
    EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("The \U0001F409 sleeps."));
}

TEST_F(SectionEditorTest, NoBreakSpacesSurviveEditingTheText)
{
    Model().SetSectionText(1, L"Qui va l\u00E0\u00A0?");
    Frame().Selection().SetCurrentSection(1);
    Editor()->setFocus();
    Editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(Editor(), QStringLiteral("!"));
    LeaveText();
    EXPECT_EQ(Text(1), L"Qui va l\u00E0\u00A0?!");
}

TEST_F(SectionEditorTest, LeavingAnUnchangedTextRecordsNothing)
{
    Model().SetSectionText(1, L"First line\r\nSecond line");
    Frame().Selection().SetCurrentSection(1);
    ASSERT_EQ(Editor()->toPlainText(), QStringLiteral("First line\nSecond line"));
    Editor()->setFocus();
    LeaveText();
    EXPECT_FALSE(Model().CanUndo());
}

TEST_F(SectionEditorTest, UndoAndRedoShortcutsInTheTextActOnTheBook)
{
    TypeIntoSection(QStringLiteral("A wolf howls."));
    Press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(Text(1), L"");
    EXPECT_EQ(Editor()->toPlainText(), QString());
    Press(QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(Text(1), L"A wolf howls.");
    EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("A wolf howls."));
}

TEST_F(SectionEditorTest, PastedCharactersBeyondTheBasicPlaneReachTheBookWhole)
{
    QApplication::clipboard()->setText(QStringLiteral("The dragon \U0001F409 sleeps"));
    Editor()->setFocus();
    Press(QKeySequence::Paste);
    LeaveText();
    EXPECT_EQ(Text(1), L"The dragon \U0001F409 sleeps");
}

// The book is a kilobyte short of the largest there may be, and the author pastes more. The
// preview shows one section at a time, so that section 2's filling is not laid out.
TEST_F(SectionEditorTest, TextTheBookCannotTakeIsRefusedAndTheEditorShowsTheBookAgain)
{
    Model().SetNewPagePerSection(true);
    Model().AddChoiceTo(1, 2, L"On", false);
    TestSupport::FillToNearlyFull(Model(), 2);
    Frame().Selection().SetCurrentSection(1);
    QApplication::clipboard()->setText(QString(2000, QLatin1Char('x')));
    Editor()->setFocus();
    Press(QKeySequence::Paste);
    script_.ThenAnswer(QMessageBox::Ok);
    LeaveText();
    WaitForScript();
    ASSERT_EQ(script_.Messages().size(), 1u);
    EXPECT_EQ(script_.Messages()[0], "This change would make the book take more than the 64 MB a book may take. Nothing was changed.");
    EXPECT_EQ(Text(1), L"");
    EXPECT_EQ(Editor()->toPlainText(), QString());
    EXPECT_FALSE(Frame().SectionView()->HasTypedText());
}

TEST_F(SectionEditorTest, ContextMenuAndSelectAllFollowTheSelectionAndClipboard)
{
    QApplication::clipboard()->clear();
    TypeIntoSection(QStringLiteral("Torchlight"));
    // Undo, Redo, Cut, Copy, Paste, Select All.
    EXPECT_EQ(MenuStates(), (std::vector<bool>{true, false, false, false, false, true}));
    Press(QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_EQ(Editor()->textCursor().selectedText(), QStringLiteral("Torchlight"));
    EXPECT_EQ(MenuStates(), (std::vector<bool>{true, false, true, true, false, true}));
    Frame().Action(TarnGui::Strings::EditCut)->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Torchlight"));
    EXPECT_EQ(MenuStates(), (std::vector<bool>{true, false, false, false, true, false}));
    Frame().Action(TarnGui::Strings::EditPaste)->trigger();
    EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("Torchlight"));
}

TEST_F(SectionEditorTest, AnEmptySlotCannotBeWrittenIn)
{
    Model().CreateSection(3, L"");
    Frame().Selection().SetCurrentSection(2);
    EXPECT_FALSE(Editor()->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("x"));
    // Cut, Copy, Paste and Select All; Undo and Redo are the book's.
    const std::vector<bool> states = MenuStates();
    EXPECT_EQ(std::vector<bool>(states.begin() + 2, states.end()), (std::vector<bool>{false, false, false, false}));
}

}  // namespace

}  // namespace TestSupport
