// SPDX-License-Identifier: MIT
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"
#include "shell/MainWindowFixture.h"
#include "shell/support/StringTable.h"
#include "support/ProgramOutput.h"

#include <QTest>

namespace {

using TestSupport::ReadBytes;

// Saves and exports run on a worker from a snapshot, while the author goes on writing.
class BookJobsWindowTest : public TestSupport::MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        const std::wstring generated = folder_.WidePath("generated.brindle");
        SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(400))->Save(generated);
        Model().Load(generated);
        Model().SetSectionText(1, L"Before the save");
    }
};

TEST_F(BookJobsWindowTest, AnEditMadeWhileTheBookIsSavedIsKeptAndLeftUnsaved)
{
    const QString book = PathOf("book.brindle");
    Frame().StartSave({book.toStdWString(), false});
    Model().SetSectionText(1, L"Typed during the save");
    WaitForBookJobs();
    const std::string written = ReadBytes(book.toStdString());
    EXPECT_NE(written.find("Before the save"), std::string::npos);
    EXPECT_EQ(written.find("Typed during the save"), std::string::npos);
    EXPECT_EQ(Model().GetStoryGraph().GetSection(1).text, L"Typed during the save");
    EXPECT_EQ(QString::fromStdWString(Model().GetFilePath()), book);
    EXPECT_TRUE(Model().IsModified());
    EXPECT_FALSE(Model().ChangedOnDisk());
}

TEST_F(BookJobsWindowTest, AnExportWrittenWhileTheAuthorEditsHoldsTheBookAsAskedFor)
{
    const QString text = PathOf("book.txt");
    script_.ThenAnswer(QMessageBox::No);
    Frame().StartExport(text, 1);
    Model().SetSectionText(1, L"Typed during the export");
    WaitForBookJobs();
    WaitForScript();
    EXPECT_EQ(script_.Messages(), std::vector<std::string>{"Do you want to open your exported book?"});
    const std::string written = ReadBytes(text.toStdString());
    EXPECT_NE(written.find("Before the save"), std::string::npos);
    EXPECT_EQ(written.find("Typed during the export"), std::string::npos);
}

// Only a file the author chose joins the recent files, as it did when saving held the window.
TEST_F(BookJobsWindowTest, ASaveToTheBooksOwnFileLeavesTheRecentFilesAlone)
{
    const QString book = PathOf("book.brindle");
    Model().Save(book.toStdWString());
    Model().SetSectionText(1, L"Changed");
    Run(TarnGui::Strings::FileSave);
    EXPECT_FALSE(Model().IsModified());
    EXPECT_EQ(RecentEntry(book), nullptr);
}

// Closing waits for the save under way, which leaves nothing to ask about.
TEST_F(BookJobsWindowTest, ClosingDuringASaveWaitsForItAndAsksNothing)
{
    const QString book = PathOf("book.brindle");
    Frame().StartSave({book.toStdWString(), false});
    EXPECT_TRUE(Frame().close());
    EXPECT_TRUE(script_.Messages().empty());
    EXPECT_NE(ReadBytes(book.toStdString()).find("Before the save"), std::string::npos);
    EXPECT_FALSE(Model().IsModified());
}

// The export goes on with the book as it was asked for while another book takes the window's
// place, and its outcome reaches the window that is still there.
TEST_F(BookJobsWindowTest, NewAndOpenWhileExportsRunLeaveTheExportsWhole)
{
    const QString generated = QString::fromStdWString(Model().GetFilePath());
    const QString first = PathOf("first.txt");
    script_.ThenAnswer(QMessageBox::No);
    script_.ThenAnswer(QMessageBox::No);
    Frame().StartExport(first, 1);
    Run(TarnGui::Strings::FileNew);
    WaitForScript();
    EXPECT_EQ(script_.Messages(),
              (std::vector<std::string>{"Save changes to " + generated.toStdString() + "?", "Do you want to open your exported book?"}));
    EXPECT_EQ(Model().GetStoryGraph().SectionCount(), 1u);
    EXPECT_NE(ReadBytes(first.toStdString()).find("Before the save"), std::string::npos);

    const QString second = PathOf("second.txt");
    script_.ThenAnswer(QMessageBox::No);
    Frame().StartExport(second, 1);
    Frame().OpenFile(generated);
    WaitForBookJobs();
    WaitForScript();
    EXPECT_EQ(Model().GetStoryGraph().SectionCount(), 400u);
    EXPECT_FALSE(Model().IsModified());
    EXPECT_EQ(ReadBytes(second.toStdString()).find("Before the save"), std::string::npos);
}

}  // namespace
