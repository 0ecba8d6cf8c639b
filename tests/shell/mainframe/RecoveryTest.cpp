// SPDX-License-Identifier: MIT
#include "document/RecoveryFiles.h"
#include "shell/MainWindowFixture.h"
#include "shell/dialogs/RecoveryDialog.h"
#include "shell/mainframe/BookAutosave.h"
#include "shell/support/StringTable.h"

#include <QListWidget>
#include <QPushButton>

namespace {

using namespace TarnGui;
using TarnViewModel::RecoveryFolder;

class RecoveryTest : public TestSupport::MainWindowFixture {
protected:
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        std::filesystem::remove_all(RecoveryFolder());
    }
    // The book files in the recovery folder, whichever session they belong to.
    static int CopiesOnDisk()
    {
        int copies = 0;
        std::error_code error;
        for (std::filesystem::directory_iterator entry(RecoveryFolder(), error), end; !error && entry != end; entry.increment(error)) {
            copies += entry->path().extension() == ".brindle" ? 1 : 0;
        }
        return copies;
    }
    // A copy left by a program that ended without closing the book.
    static void LeaveCopy(const std::wstring& title, const std::wstring& bookPath, int minutesAgo)
    {
        TarnViewModel::TarnDataModel book;
        book.NewBook(title, L"");
        book.SetSectionText(1, L"Recovered text");
        TarnViewModel::RecoverySession session;
        session.Write(*book.Snapshot(), bookPath, std::chrono::system_clock::now() - std::chrono::minutes(minutesAgo));
    }
    void ThenPress(const char* button, int row = 0)
    {
        script_.Then([button, row](QWidget* dialog) {
            ASSERT_NE(qobject_cast<RecoveryDialog*>(dialog), nullptr) << dialog->windowTitle().toStdString();
            dialog->findChild<QListWidget*>()->setCurrentRow(row);
            dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
    }
};

TEST_F(RecoveryTest, UnsavedWorkIsCopiedAndTheCopyGoesWithASave)
{
    TypeIntoSection(QStringLiteral("Unsaved words"));
    Frame().FlowchartPane()->setFocus();
    Frame().Autosave().Tick();
    Frame().Autosave().Finish();
    EXPECT_EQ(CopiesOnDisk(), 1);

    script_.ThenChooseFile(PathOf("saved.brindle"));
    Run(Strings::FileSaveAs);
    WaitForScript();
    Frame().Autosave().Finish();
    EXPECT_EQ(CopiesOnDisk(), 0);
}

// The author types and never leaves the text; the program is then killed.
TEST_F(RecoveryTest, WordsStillInTheEditorAreInTheCopy)
{
    TypeIntoSection(QStringLiteral("Words typed, the editor never left"));
    ASSERT_TRUE(Frame().SectionView()->TextBox()->hasFocus());
    Frame().Autosave().Tick();
    Frame().Autosave().Finish();
    ASSERT_EQ(CopiesOnDisk(), 1);
    std::filesystem::path copy;
    for (const auto& entry : std::filesystem::directory_iterator(RecoveryFolder())) {
        if (entry.path().extension() == ".brindle") {
            copy = entry.path();
        }
    }
    TarnViewModel::TarnDataModel book;
    book.Load(copy.wstring());
    EXPECT_EQ(book.GetStoryGraph().GetSection(1).text, L"Words typed, the editor never left");
    EXPECT_TRUE(Frame().SectionView()->TextBox()->hasFocus());
}

TEST_F(RecoveryTest, ACopyLeftBehindIsRestoredAsTheModifiedBookAtItsOwnPath)
{
    const QString path = PathOf("lost.brindle");
    LeaveCopy(L"Lost book", path.toStdWString(), 5);
    ThenPress("restore");
    Frame().Autosave().OfferRecovery();
    WaitForScript();
    EXPECT_EQ(Model().GetTitle(), L"Lost book");
    EXPECT_EQ(Model().GetStoryGraph().GetSection(1).text, L"Recovered text");
    EXPECT_EQ(Model().GetFilePath(), path.toStdWString());
    EXPECT_TRUE(Model().IsModified());
    EXPECT_TRUE(Frame().windowTitle().startsWith(QStringLiteral("lost.brindle*"))) << Frame().windowTitle().toStdString();
    // Only this session's own copy is left, and Save writes where the author expects.
    EXPECT_EQ(CopiesOnDisk(), 1);
    EXPECT_TRUE(TarnViewModel::FindRecoveryCopies().empty());
    Run(Strings::FileSave);
    Frame().Autosave().Finish();
    EXPECT_TRUE(std::filesystem::exists(path.toStdString()));
    EXPECT_EQ(CopiesOnDisk(), 0);
}

// A double-click on the book after a crash starts the program with the book's path.
TEST_F(RecoveryTest, StartingWithTheBooksPathAfterACrashKeepsTheRestoredWork)
{
    const QString path = PathOf("crashed.brindle");
    {
        TarnViewModel::TarnDataModel saved;
        saved.NewBook(L"As last saved", L"");
        saved.Save(path.toStdWString());
    }
    LeaveCopy(L"Lost book", path.toStdWString(), 5);
    app_.reset();
    ThenPress("restore");
    app_ = std::make_unique<TarnGui::CTarnGuiApp>();
    ASSERT_TRUE(app_->InitInstance({QStringLiteral("brindle-studio"), path}, false));
    WaitForScript();
    EXPECT_EQ(Model().GetTitle(), L"Lost book");
    EXPECT_EQ(Model().GetFilePath(), path.toStdWString());
    EXPECT_TRUE(Model().IsModified());
    Frame().Autosave().Finish();
    EXPECT_EQ(CopiesOnDisk(), 1) << "the restored work has no copy until it is saved";
}

TEST_F(RecoveryTest, SeveralCopiesAreListedAndEachCanBeDiscardedOrLeftForLater)
{
    LeaveCopy(L"Oldest", L"/books/a.brindle", 30);
    LeaveCopy(L"Newest", L"", 1);
    LeaveCopy(L"Middle", L"/books/b.brindle", 10);
    script_.Then([](QWidget* dialog) {
        auto* list = dialog->findChild<QListWidget*>();
        ASSERT_EQ(list->count(), 3);
        EXPECT_TRUE(list->item(0)->text().startsWith(QStringLiteral("Newest\na book never saved")));
        EXPECT_TRUE(list->item(2)->text().startsWith(QStringLiteral("Oldest\n/books/a.brindle")));
        list->setCurrentRow(1);
        dialog->findChild<QPushButton*>(QStringLiteral("discard"))->click();
    });
    ThenPress("later");
    Frame().Autosave().OfferRecovery();
    WaitForScript();
    std::vector<std::string> titles;
    for (const auto& copy : TarnViewModel::FindRecoveryCopies()) {
        titles.push_back(copy.title);
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"Newest", "Oldest"}));
    EXPECT_EQ(Model().GetTitle(), L"Untitled");
}

}  // namespace
