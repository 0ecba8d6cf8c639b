// SPDX-License-Identifier: MIT
#include "shell/MainWindowFixture.h"
#include "shell/panes/CChoicesPane.h"
#include "shell/spelling/SpellingService.h"
#include "shell/support/StringTable.h"
#include "spelling/UserDictionary.h"
#include "support/TempFolder.h"

#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextLayout>

namespace TestSupport {

namespace {

// The shell's tests install one dictionary, en_GB, of "the", "dragon", "sleeps", "knight",
// "knight's", "gate" and "open".
class SpellingTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Model().SetLanguage(L"en-GB");
        WaitForDictionary();
    }
    void WaitForDictionary()
    {
        Frame().Spelling().FinishLoading();
        ASSERT_TRUE(QTest::qWaitFor([this] { return Frame().Spelling().Checker() != nullptr; }));
    }
    QPlainTextEdit* Editor() { return Frame().SectionView()->TextBox(); }
    // Types any characters, as an input method would, one key press each.
    static void Type(QWidget* box, const QString& text)
    {
        box->setFocus();
        for (const char32_t character : text.toUcs4()) {
            const QString key = QString::fromUcs4(&character, 1);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
            QApplication::sendEvent(box, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, key);
            QApplication::sendEvent(box, &release);
        }
    }
    // The underlined words of the box's text, as the box draws them.
    static QStringList Underlined(QPlainTextEdit* box)
    {
        QApplication::processEvents();
        QStringList words;
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
                if (range.format.underlineStyle() == QTextCharFormat::WaveUnderline) {
                    words << block.text().mid(range.start, range.length);
                }
            }
        }
        return words;
    }
    // Right-clicks in the box at the text position, and returns the menu that opens.
    static QMenu* RightClick(QPlainTextEdit* box, int position)
    {
        QTextCursor cursor(box->document());
        cursor.setPosition(position);
        const QPoint point = box->cursorRect(cursor).center() + QPoint(1, 0);
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, box->viewport()->mapToGlobal(point));
        QApplication::sendEvent(box->viewport(), &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    static QStringList Entries(QMenu* menu)
    {
        QStringList texts;
        for (QAction* action : menu->actions()) {
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return texts;
    }
    static QAction* Entry(QMenu* menu, const QString& text)
    {
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                return action;
            }
        }
        return nullptr;
    }
};

TEST_F(SpellingTest, MisspelledWordsAreUnderlinedAndCorrectedFromTheRightClickMenu)
{
    Frame().Selection().SetCurrentSection(1);
    Type(Editor(), QStringLiteral("The \U0001F409 dragn sleeps; the knight\u2019s 3rd gate-open, Grimsby."));
    ASSERT_TRUE(QTest::qWaitFor([this] { return Underlined(Editor()).size() == 2; }));
    EXPECT_EQ(Underlined(Editor()), (QStringList{QStringLiteral("dragn"), QStringLiteral("Grimsby")}));

    QMenu* menu = RightClick(Editor(), Editor()->toPlainText().indexOf(QStringLiteral("dragn")) + 2);
    ASSERT_NE(menu, nullptr);
    const QStringList entries = Entries(menu);
    ASSERT_GE(entries.size(), 7);
    EXPECT_EQ(entries.front(), QStringLiteral("dragon"));
    EXPECT_TRUE(entries.contains(QStringLiteral("Ignore")));
    EXPECT_TRUE(entries.contains(QStringLiteral("Add to dictionary")));
    // The editor's own commands follow.
    const QStringList editorMenu{QStringLiteral("&Undo"), QStringLiteral("&Redo"),  QStringLiteral("-"), QStringLiteral("Cu&t"),
                                 QStringLiteral("&Copy"), QStringLiteral("&Paste"), QStringLiteral("-"), QStringLiteral("Select &All")};
    EXPECT_EQ(entries.mid(entries.size() - editorMenu.size()), editorMenu);
    menu->actions().front()->trigger();
    menu->close();
    ASSERT_TRUE(QTest::qWaitFor([this] { return Underlined(Editor()).size() == 1; }));
    Editor()->clearFocus();
    EXPECT_EQ(Model().GetStoryGraph().GetSection(1).text, L"The \U0001F409 dragon sleeps; the knight\u2019s 3rd gate-open, Grimsby.");

    // A correct word has the editor's menu alone.
    QMenu* plain = RightClick(Editor(), 1);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(Entries(plain), editorMenu);
    plain->close();
}

TEST_F(SpellingTest, MarkingWordsLeavesTheBookAsItWas)
{
    script_.ThenAnswer(QMessageBox::No);
    Frame().OnOpenSampleBook();
    WaitForDictionary();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Underlined(Editor()).isEmpty(); }));
    EXPECT_FALSE(Model().IsModified());
    EXPECT_FALSE(Frame().Action(TarnGui::Strings::EditUndo)->isEnabled());
}

TEST_F(SpellingTest, IgnoredWordsLastTheSessionAndAddedOnesAreKeptInTheUsersDictionary)
{
    Frame().Selection().SetCurrentSection(1);
    TypeIntoSection(QStringLiteral("Grimsby Tarnholm"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return Underlined(Editor()).size() == 2; }));

    QMenu* menu = RightClick(Editor(), 3);
    ASSERT_NE(menu, nullptr);
    Entry(menu, QStringLiteral("Add to dictionary"))->trigger();
    menu->close();
    menu = RightClick(Editor(), 10);
    ASSERT_NE(menu, nullptr);
    Entry(menu, QStringLiteral("Ignore"))->trigger();
    menu->close();
    EXPECT_TRUE(Underlined(Editor()).isEmpty());
    const Spelling::UserDictionary words(Spelling::UserDictionary::DefaultFile());
    EXPECT_EQ(words.Words(), std::vector<std::wstring>{L"Grimsby"});
    std::filesystem::remove(words.File());
}

TEST_F(SpellingTest, SwitchedOffNothingIsMarkedAndTheChoiceIsRemembered)
{
    Frame().Selection().SetCurrentSection(1);
    TypeIntoSection(QStringLiteral("dragn"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Underlined(Editor()).isEmpty(); }));
    QAction* check = Frame().Action(TarnGui::Strings::CheckSpelling);
    ASSERT_TRUE(check->isChecked());
    check->trigger();
    EXPECT_TRUE(Underlined(Editor()).isEmpty());
    EXPECT_EQ(Frame().Spelling().Checker(), nullptr);

    // A new window starts as the last one was left.
    app_.reset();
    app_ = std::make_unique<TarnGui::CTarnGuiApp>();
    ASSERT_TRUE(app_->InitInstance({QStringLiteral("brindle-studio")}, false));
    EXPECT_FALSE(Frame().Action(TarnGui::Strings::CheckSpelling)->isChecked());
    Frame().Action(TarnGui::Strings::CheckSpelling)->trigger();
    WaitForDictionary();
}

TEST_F(SpellingTest, TheChoiceEditorsTextIsCheckedToo)
{
    Frame().Selection().SetCurrentSection(1);
    QStringList underlined;
    script_.Then([&underlined](QWidget* dialog) {
        auto* text = dialog->findChild<QPlainTextEdit*>(QStringLiteral("ChoiceText"));
        QTest::keyClicks(text, QStringLiteral("Open the gaet"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Underlined(text).isEmpty(); }));
        underlined = Underlined(text);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    QTest::mouseClick(Frame().ChoicesPane()->findChild<QPushButton*>(QStringLiteral("AddChoice")), Qt::LeftButton);
    WaitForScript();
    EXPECT_EQ(underlined, QStringList{QStringLiteral("gaet")});
}

TEST_F(SpellingTest, ALanguageWithoutADictionaryIsSaidOnceAndLeftUnchecked)
{
    Frame().Selection().SetCurrentSection(1);
    TypeIntoSection(QStringLiteral("dragn"));
    Model().SetLanguage(L"tlh");
    Frame().Spelling().FinishLoading();
    const QString notice = QStringLiteral("No spelling dictionary for the language \"tlh\" is installed, so spelling is not "
                                          "checked. Install a Hunspell dictionary for it, such as one of Debian's hunspell packages.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Frame().statusBar()->currentMessage() == notice; }));
    EXPECT_TRUE(Underlined(Editor()).isEmpty());
    Frame().statusBar()->clearMessage();
    Model().SetLanguage(L"en-GB");
    WaitForDictionary();
    Model().SetLanguage(L"tlh");
    Frame().Spelling().FinishLoading();
    QApplication::processEvents();
    EXPECT_NE(Frame().statusBar()->currentMessage(), notice);
}

TEST_F(SpellingTest, OnlyTheParagraphsInViewAreCheckedUntilTheyAreScrolledTo)
{
    QStringList paragraphs;
    for (int index = 0; index < 400; ++index) {
        paragraphs << QStringLiteral("The dragn %1 sleeps.").arg(index);
    }
    Frame().Selection().SetCurrentSection(1);
    Model().SetSectionText(1, paragraphs.join(QStringLiteral("\r\n")).toStdWString());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Underlined(Editor()).isEmpty(); }));
    const qsizetype checked = Underlined(Editor()).size();
    EXPECT_LT(checked, 80);
    Editor()->verticalScrollBar()->setValue(Editor()->verticalScrollBar()->maximum());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Underlined(Editor()).size() > checked; }));
    EXPECT_TRUE(Editor()->document()->lastBlock().layout()->formats().size() == 1);
}

}  // namespace

}  // namespace TestSupport
