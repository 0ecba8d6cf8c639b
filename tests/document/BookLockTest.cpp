// SPDX-License-Identifier: MIT
#include "document/BookLock.h"
#include "document/TarnDataModel.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>

namespace {

using namespace TarnViewModel;
using TestSupport::ReadBytes;
using TestSupport::TempFolder;
using TestSupport::WriteBytes;

std::string HostName()
{
    std::array<char, 256> name{};
    gethostname(name.data(), name.size() - 1);
    return name.data();
}

// A process number that no running program has.
pid_t EndedProcess()
{
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
}

TEST(BookLock, TheLockNamesTheUserAndGoesWithTheBook)
{
    TempFolder folder;
    const std::string book = folder.Path("b.brindle").string();
    {
        BookLock lock;
        lock.Hold(book);
        const std::string text = ReadBytes(folder.Path(".~lock.b.brindle#"));
        EXPECT_NE(text.find("," + HostName() + "," + std::to_string(getpid()) + ",Brindle Story Studio,"), std::string::npos) << text;
        EXPECT_FALSE(BookLockedBy(book)) << "the program warned about its own lock";
        lock.Hold(folder.Path("other.brindle").string());
        EXPECT_FALSE(std::filesystem::exists(folder.Path(".~lock.b.brindle#")));
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.Root()));
}

TEST(BookLock, OnlyLocksOfLiveProgramsOrOtherComputersCount)
{
    TempFolder folder;
    const std::string book = folder.Path("b.brindle").string();
    const auto lockFile = folder.Path(".~lock.b.brindle#");

    WriteBytes(lockFile, "ann," + HostName() + "," + std::to_string(getppid()) + ",Brindle Story Studio,2026-12-01 10:00\n");
    const auto live = BookLockedBy(book);
    ASSERT_TRUE(live);
    EXPECT_EQ(live->user, "ann");
    EXPECT_EQ(live->since, "2026-12-01 10:00");

    WriteBytes(lockFile, "ann," + HostName() + "," + std::to_string(EndedProcess()) + ",Brindle Story Studio,2026-12-01 10:00\n");
    EXPECT_FALSE(BookLockedBy(book)) << "a stale lock counted";

    WriteBytes(lockFile, "bob,elsewhere.example,1,Brindle Story Studio,2026-12-01 10:00\n");
    ASSERT_TRUE(BookLockedBy(book));
    EXPECT_EQ(BookLockedBy(book)->host, "elsewhere.example");

    WriteBytes(lockFile, "garbage");
    EXPECT_FALSE(BookLockedBy(book));
}

// The author said "Open anyway" to a book another program holds, then closes it.
TEST(BookLock, ALockHeldByAnotherRunningProgramOutlivesASecondOpening)
{
    TempFolder folder;
    const std::string book = folder.Path("b.brindle").string();
    const auto lockFile = folder.Path(".~lock.b.brindle#");
    const std::string first = "ann," + HostName() + "," + std::to_string(getppid()) + ",Brindle Story Studio,2026-12-01 10:00\n";
    WriteBytes(lockFile, first);
    {
        BookLock second;
        second.Hold(book);
        EXPECT_EQ(ReadBytes(lockFile), first);
    }
    EXPECT_EQ(ReadBytes(lockFile), first) << "the second program took the first one's lock with it";

    // A lock that another program wrote over this one's is that program's to remove.
    std::filesystem::remove(lockFile);
    BookLock mine;
    mine.Hold(book);
    WriteBytes(lockFile, first);
    mine.Release();
    EXPECT_EQ(ReadBytes(lockFile), first);
}

TEST(BookLock, ALinkInPlaceOfTheLockIsNotFollowed)
{
    TempFolder folder;
    TempFolder outside;
    WriteBytes(outside.Path("precious"), "keep");
    std::filesystem::create_symlink(outside.Path("precious"), folder.Path(".~lock.b.brindle#"));
    BookLock lock;
    lock.Hold(folder.Path("b.brindle").string());
    EXPECT_EQ(ReadBytes(outside.Path("precious")), "keep");
}

TEST(BookLock, TheBookKnowsWhenItsFileWasChangedByAnotherProgram)
{
    TempFolder folder;
    TarnDataModel model;
    model.NewBook(L"Book", L"");
    EXPECT_FALSE(model.ChangedOnDisk());
    model.Save(folder.WidePath("b.brindle"));
    EXPECT_FALSE(model.ChangedOnDisk());
    WriteBytes(folder.Path("b.brindle"), "<book><title>Theirs</title></book>");
    EXPECT_TRUE(model.ChangedOnDisk());
    model.Load(folder.WidePath("b.brindle"));
    EXPECT_FALSE(model.ChangedOnDisk());
    model.Save(folder.WidePath("b.brindle"));
    EXPECT_FALSE(model.ChangedOnDisk());
    std::filesystem::remove(folder.Path("b.brindle"));
    EXPECT_FALSE(model.ChangedOnDisk()) << "a removed file has nothing to lose";
}

}  // namespace
