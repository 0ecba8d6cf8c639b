// SPDX-License-Identifier: MIT
#include "document/BookFileReader.h"
#include "shell/MainWindowFixture.h"
#include "shell/panes/CChoicesPane.h"
#include "shell/panes/CFindReplacePane.h"
#include "shell/panes/CPlayPane.h"
#include "shell/panes/CSectionPropertiesPane.h"
#include "shell/panes/PropertyGrid.h"

#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// An author who never touches the mouse: every step below is a key pressed where the focus is.
class KeyboardWalkTest : public TestSupport::MainWindowFixture {
protected:
    static QWidget* Focus() { return QApplication::focusWidget(); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::activePopupWidget() != nullptr ? QApplication::activePopupWidget() : Focus();
        QTest::keyClick(target != nullptr ? target : &Frame(), key, modifiers);
    }
    void Type(const QString& text) { QTest::keyClicks(Focus(), text); }
    // Presses F6 until the focus is in the widget, as many times as there are places to go.
    bool CycleTo(const QWidget* area)
    {
        for (int step = 0; step < 12 && !(Focus() == area || area->isAncestorOf(Focus())); ++step) {
            Press(Qt::Key_F6);
        }
        return Focus() == area || area->isAncestorOf(Focus());
    }
    bool TabTo(const std::function<bool(QWidget*)>& wanted)
    {
        for (int step = 0; step < 20 && !wanted(Focus()); ++step) {
            Press(Qt::Key_Tab);
        }
        return wanted(Focus());
    }
    // Answers the modal dialog the next key opens by typing into it.
    void ThenType(std::function<void(QWidget* dialog)> keys)
    {
        script_.Then([keys = std::move(keys)](QWidget* dialog) {
            dialog->activateWindow();
            QApplication::setActiveWindow(dialog);
            keys(dialog);
        });
    }
};

TEST_F(KeyboardWalkTest, ABookIsWrittenRenumberedSearchedPlayedAndSavedWithTheKeysAlone)
{
    QWidget* text = Frame().SectionView()->TextBox();
    ASSERT_TRUE(CycleTo(text));
    Type(QStringLiteral("At the gate."));

    // Book > Add Section, through the menu's letters.
    Press(Qt::Key_B, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    Press(Qt::Key_A);
    ASSERT_EQ(Frame().Selection().GetCurrentSection(), 2u);
    ASSERT_EQ(Focus(), text);
    Type(QStringLiteral("In the hall."));

    // A choice from section 2 to a new section 3, from the choices pane's Add button.
    ASSERT_TRUE(CycleTo(Frame().ChoicesPane()));
    ASSERT_TRUE(TabTo([](QWidget* widget) { return widget != nullptr && widget->objectName() == u"AddChoice"; }));
    ThenType([](QWidget* dialog) {
        QTest::keyClicks(dialog->focusWidget(), QStringLiteral("Go on"));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(dialog->focusWidget(), QStringLiteral("3"));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    Press(Qt::Key_Space);
    WaitForScript();
    ASSERT_TRUE(Model().GetStoryGraph().HasSection(3));
    ASSERT_EQ(Model().GetStoryGraph().ChoiceCount(2), 1u);

    // Section 3 becomes 10 in the section's properties; the choice follows.
    QApplication::setActiveWindow(&Frame());
    ThenType([](QWidget* dialog) {
        QTest::keyClicks(dialog->focusWidget(), QStringLiteral("3"));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    Press(Qt::Key_G, Qt::ControlModifier);
    WaitForScript();
    ASSERT_EQ(Frame().Selection().GetCurrentSection(), 3u);
    QApplication::setActiveWindow(&Frame());
    ASSERT_TRUE(CycleTo(Frame().SectionPropertiesPane()));
    Press(Qt::Key_Home);
    Press(Qt::Key_Down);
    Press(Qt::Key_F2);
    Press(Qt::Key_A, Qt::ControlModifier);
    Type(QStringLiteral("10"));
    Press(Qt::Key_Return);
    // The view commits an edit ended with Enter from its event loop.
    QApplication::processEvents();
    ASSERT_TRUE(Model().GetStoryGraph().HasSection(10));
    ASSERT_FALSE(Model().GetStoryGraph().HasSection(3));

    // Find "hall", and the next match is shown in its section.
    Press(Qt::Key_F, Qt::ControlModifier);
    Type(QStringLiteral("hall"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return Frame().FindReplacePane()->Summary()->text().contains(u'1'); }, 5000));
    Press(Qt::Key_F3);
    EXPECT_EQ(Frame().Selection().GetCurrentSection(), 2u);

    // Play from here, and take the choice.
    Press(Qt::Key_F5);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Frame().PlayPane()->Heading()->text() == u"2"; }, 5000));
    ASSERT_TRUE(CycleTo(Frame().PlayPane()));
    ASSERT_TRUE(TabTo([](QWidget* widget) {
        auto* button = qobject_cast<QPushButton*>(widget);
        return button != nullptr && button->text().contains(QStringLiteral("Go on"));
    }));
    Press(Qt::Key_Space);
    EXPECT_EQ(Frame().PlayPane()->Heading()->text(), QStringLiteral("10"));

    // Save, naming the file with the keys.
    const QString path = PathOf("walked.brindle");
    ThenType([path](QWidget* dialog) {
        QTest::keyClick(dialog->focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(dialog->focusWidget(), path);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    Press(Qt::Key_S, Qt::ControlModifier);
    WaitForScript();
    WaitForBookJobs();
    const TarnViewModel::BookFileContents saved = TarnViewModel::ReadBookFile(path.toStdString());
    EXPECT_EQ(saved.graph.SectionCount(), 3u);
    EXPECT_EQ(saved.graph.GetSection(1).text, L"At the gate.");
    EXPECT_EQ(saved.graph.GetSection(2).text, L"In the hall.");
    EXPECT_EQ(saved.graph.ChoiceCount(2), 1u);
    EXPECT_TRUE(saved.graph.HasSection(10));
}

}  // namespace
