// SPDX-License-Identifier: MIT
#include "shell/MainWindowFixture.h"
#include "shell/panes/CChoicesPane.h"
#include "shell/support/StringTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace TestSupport {

namespace {

class ChoicesPaneTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Model().CreateSection(2, L"Forest");
        Model().CreateSection(3, L"River");
        first_ = Model().AddChoiceTo(1, 2, L"Enter the forest", false);
        second_ = Model().AddChoiceTo(1, 3, L"Follow the river", false);
        Frame().Selection().SetCurrentSection(1);
        QApplication::processEvents();
    }
    TarnGui::CChoicesPane& Pane() { return *Frame().ChoicesPane(); }
    QPushButton* Button(const char* name) { return Pane().findChild<QPushButton*>(QString::fromLatin1(name)); }
    void Click(const char* name)
    {
        QApplication::setActiveWindow(&Frame());
        ASSERT_TRUE(Button(name)->isEnabled()) << name;
        QTest::mouseClick(Button(name), Qt::LeftButton);
    }
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QListWidget* list = Pane().List();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(list->item(row)).center());
    }
    QStringList Rows()
    {
        QStringList rows;
        for (int row = 0; row < Pane().List()->count(); ++row) {
            rows << Pane().List()->item(row)->text();
        }
        return rows;
    }
    // Answers the choice editor with a typed destination and OK.
    void ThenType(const QString& destination, bool hidden = false)
    {
        script_.Then([destination, hidden](QWidget* dialog) {
            auto* box = dialog->findChild<QComboBox*>(QStringLiteral("Destination"));
            box->setFocus();
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), destination);
            dialog->findChild<QCheckBox*>()->setChecked(hidden);
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        });
    }
    void ThenCancel()
    {
        script_.Then([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    }

    TarnViewModel::Uuid first_{};
    TarnViewModel::Uuid second_{};
};

TEST_F(ChoicesPaneTest, ButtonsFollowTheSelection)
{
    EXPECT_TRUE(Button("AddChoice")->isEnabled());
    for (const char* name : {"RemoveChoice", "EditChoice", "FollowChoice", "MoveChoiceUp", "MoveChoiceDown"}) {
        EXPECT_FALSE(Button(name)->isEnabled()) << name;
    }
    ClickRow(0);
    EXPECT_TRUE(Button("EditChoice")->isEnabled());
    EXPECT_TRUE(Button("MoveChoiceDown")->isEnabled());
    EXPECT_FALSE(Button("MoveChoiceUp")->isEnabled());
    ClickRow(1, Qt::ControlModifier);
    EXPECT_TRUE(Button("RemoveChoice")->isEnabled());
    EXPECT_FALSE(Button("EditChoice")->isEnabled());
    EXPECT_FALSE(Button("FollowChoice")->isEnabled());
    EXPECT_EQ(Button("AddChoice")->toolTip(), QStringLiteral("Adds a choice and its destination if it doesn't exist."));
}

TEST_F(ChoicesPaneTest, MovingReordersTheChoicesAndKeepsTheSelection)
{
    const QStringList before = Rows();
    ClickRow(0);
    Click("MoveChoiceDown");
    EXPECT_EQ(Rows(), (QStringList{before[1], before[0]}));
    EXPECT_EQ(Model().GetStoryGraph().GetChoice(first_).order, 2);
    ASSERT_EQ(Pane().List()->selectedItems().size(), 1);
    EXPECT_EQ(Pane().List()->selectedItems().front()->text(), before[0]);
    EXPECT_FALSE(Button("MoveChoiceDown")->isEnabled());
    Click("MoveChoiceUp");
    EXPECT_EQ(Rows(), before);
    Run(TarnGui::Strings::EditUndo);
    EXPECT_EQ(Model().GetStoryGraph().GetChoice(first_).order, 2);
}

TEST_F(ChoicesPaneTest, FollowSelectsTheDestination)
{
    ClickRow(1);
    Click("FollowChoice");
    EXPECT_EQ(Frame().Selection().GetCurrentSection(), 3U);
    EXPECT_TRUE(Rows().isEmpty());
}

TEST_F(ChoicesPaneTest, RemoveKeepsTheDestinations)
{
    ClickRow(0);
    ClickRow(1, Qt::ControlModifier);
    Click("RemoveChoice");
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_EQ(Model().GetStoryGraph().ChoiceCount(1), 0U);
    EXPECT_TRUE(Model().GetStoryGraph().HasSection(2));
    EXPECT_TRUE(Model().GetStoryGraph().HasSection(3));
}

TEST_F(ChoicesPaneTest, AChoiceToANewNumberCreatesTheSection)
{
    ThenType(QStringLiteral("12"), true);
    Click("AddChoice");
    WaitForScript();
    const TarnViewModel::StoryGraph& graph = Model().GetStoryGraph();
    ASSERT_TRUE(graph.HasSection(12));
    EXPECT_EQ(graph.ChoiceCount(1), 3U);
    EXPECT_EQ(Rows().size(), 3);
    EXPECT_TRUE(Rows().back().startsWith(QStringLiteral("*hidden* ")));
}

TEST_F(ChoicesPaneTest, DestinationsShowTheirNumberAndLabelAndTakeEitherTyped)
{
    script_.Then([](QWidget* dialog) {
        auto* box = dialog->findChild<QComboBox*>(QStringLiteral("Destination"));
        EXPECT_EQ(box->itemText(box->findData(2U)), QStringLiteral("2 \u2013 Forest"));
        qobject_cast<QDialog*>(dialog)->reject();
    });
    Click("AddChoice");
    WaitForScript();

    const TarnViewModel::StoryGraph& graph = Model().GetStoryGraph();
    for (const auto& [typed, destination] : {std::pair{QStringLiteral("river"), 3U}, std::pair{QStringLiteral("2 - Forest"), 2U}}) {
        ThenType(typed);
        Click("AddChoice");
        WaitForScript();
        std::uint32_t last = 0;
        graph.VisitSectionChoices(1, false, [&](const TarnViewModel::Choice& choice) { last = choice.destination; });
        EXPECT_EQ(last, destination) << typed.toStdString();
    }
    EXPECT_EQ(graph.ChoiceCount(1), 4U);
    EXPECT_EQ(graph.SectionCount(), 3U);
}

TEST_F(ChoicesPaneTest, DestinationsThatAreNoSectionNumberKeepTheEditorOpen)
{
    const struct {
        QString typed;
        std::string message;
    } refused[] = {
        {QStringLiteral("north"), "Use a section from the drop down, or enter a number from 1"},
        {QStringLiteral("12abc"), "Use a section from the drop down, or enter a number from 1"},
        {QStringLiteral("-1"), "Use a section from the drop down, or enter a number from 1"},
        {QStringLiteral("0"), "Use a section from the drop down, or enter a number from 1"},
        {QStringLiteral("99999999"), "Section number must be between 1 and 10000"},
    };
    for (const auto& [typed, message] : refused) {
        ThenType(typed);
        script_.ThenAnswer(QMessageBox::Ok);
        ThenCancel();
        Click("AddChoice");
        WaitForScript();
        EXPECT_EQ(script_.Messages().back(), message) << typed.toStdString();
    }
    EXPECT_EQ(Model().GetStoryGraph().ChoiceCount(1), 2U);
    EXPECT_EQ(Model().GetStoryGraph().SectionCount(), 3U);
}

TEST_F(ChoicesPaneTest, EditingChangesTheChoiceInPlace)
{
    script_.Then([](QWidget* dialog) {
        auto* box = dialog->findChild<QComboBox*>(QStringLiteral("Destination"));
        EXPECT_EQ(box->currentData().toUInt(), 2U);
        box->setCurrentIndex(box->findData(3U));
        qobject_cast<QDialog*>(dialog)->accept();
    });
    ClickRow(0);
    QTest::mouseDClick(Pane().List()->viewport(), Qt::LeftButton, {}, Pane().List()->visualItemRect(Pane().List()->item(0)).center());
    WaitForScript();
    EXPECT_EQ(Model().GetStoryGraph().GetChoice(first_).destination, 3U);
    EXPECT_EQ(Model().GetStoryGraph().GetChoice(first_).order, 1);
}

}  // namespace

}  // namespace TestSupport
