// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"
#include "shell/dialogs/CChoiceEditorDlg.h"
#include "shell/dialogs/ExportTypeDlg.h"
#include "shell/dialogs/PdfPageSetupDlg.h"
#include "shell/dialogs/RecoveryDialog.h"

#include <QAbstractButton>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>

#include <gmock/gmock.h>

#include <map>

namespace {

// The letter after a single "&", which Alt and the letter press; none for a text without.
QChar Mnemonic(const QString& text)
{
    for (qsizetype at = 0; at + 1 < text.size(); ++at) {
        if (text[at] == u'&') {
            if (text[at + 1] != u'&') {
                return text[at + 1].toLower();
            }
            ++at;
        }
    }
    return {};
}

// The texts in one place that share a mnemonic, as "a: &Open / &Add".
class MnemonicClashes {
public:
    void Add(const QString& text)
    {
        if (const QChar letter = Mnemonic(text); !letter.isNull()) {
            texts_[letter].append(text);
        }
    }
    std::vector<std::string> Clashes(const QString& where) const
    {
        std::vector<std::string> clashes;
        for (const auto& [letter, texts] : texts_) {
            if (texts.size() > 1) {
                clashes.push_back((where + QStringLiteral(": ") + texts.join(QStringLiteral(" / "))).toStdString());
            }
        }
        return clashes;
    }

private:
    std::map<QChar, QStringList> texts_;
};

void AddButtons(MnemonicClashes& clashes, const QWidget& widget)
{
    for (const QAbstractButton* button : widget.findChildren<QAbstractButton*>()) {
        clashes.Add(button->text());
    }
    for (const QLabel* label : widget.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            clashes.Add(label->text());
        }
    }
}

// The window in each language the program speaks: no two commands in one menu, one dialog,
// or the window's menu bar and panes answer the same Alt and letter.
class MnemonicsTest : public TestSupport::MainWindowFixture, public testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        translator_ = std::make_unique<QTranslator>();
        ASSERT_TRUE(translator_->load(QStringLiteral(":/i18n/brindle_%1.qm").arg(QString::fromLatin1(GetParam()))));
        QCoreApplication::installTranslator(translator_.get());
        MainWindowFixture::SetUp();
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        QCoreApplication::removeTranslator(translator_.get());
    }
    void Collect(const QString& where, const MnemonicClashes& clashes)
    {
        const std::vector<std::string> found = clashes.Clashes(where);
        clashes_.insert(clashes_.end(), found.begin(), found.end());
    }

    std::unique_ptr<QTranslator> translator_;
    std::vector<std::string> clashes_;
};

TEST_P(MnemonicsTest, NoTwoCommandsInOnePlaceShareTheirMnemonic)
{
    MnemonicClashes window;
    for (const QAction* menu : Frame().menuBar()->actions()) {
        window.Add(menu->text());
    }
    for (const QDockWidget* dock : Frame().findChildren<QDockWidget*>()) {
        AddButtons(window, *dock);
    }
    Collect(QStringLiteral("main window"), window);
    for (const QMenu* menu : Frame().findChildren<QMenu*>()) {
        // The panes menu is filled as it opens.
        emit const_cast<QMenu*>(menu)->aboutToShow();
        MnemonicClashes inMenu;
        for (const QAction* action : menu->actions()) {
            inMenu.Add(action->text());
        }
        Collect(menu->title(), inMenu);
    }
    TarnGui::CChoiceEditorDlg choice({{1, L""}}, 1, L"", false, &Frame());
    TarnGui::ExportTypeDlg exportType(&Frame());
    TarnGui::PdfPageSetupDlg pages(&Frame());
    TarnGui::RecoveryDialog recovery({}, &Frame());
    for (const QDialog* dialog : std::initializer_list<const QDialog*>{&choice, &exportType, &pages, &recovery}) {
        MnemonicClashes inDialog;
        AddButtons(inDialog, *dialog);
        Collect(dialog->windowTitle(), inDialog);
    }
    EXPECT_THAT(clashes_, testing::IsEmpty());
    // The window was read in its language, and the menus and the panes were all there.
    EXPECT_EQ(Frame().menuBar()->actions().front()->text(), QCoreApplication::translate("TarnGui::CMainFrame", "&File"));
    EXPECT_GE(Frame().findChildren<QMenu*>().size(), 6);
    EXPECT_GE(Frame().findChildren<QDockWidget*>().size(), 9);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, MnemonicsTest, testing::Values("en", "de", "fr", "es", "it"),
                         [](const testing::TestParamInfo<const char*>& language) { return std::string(language.param); });

}  // namespace
