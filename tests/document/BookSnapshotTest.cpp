// SPDX-License-Identifier: MIT
#include "document/BookSnapshot.h"
#include "document/BookFileReader.h"
#include "document/BookFileWriter.h"
#include "document/TarnDataModel.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace TarnViewModel;
using TestSupport::TempFolder;

std::vector<Choice> ChoicesOf(const StoryGraph& graph, std::uint32_t number, bool descending)
{
    std::vector<Choice> choices;
    graph.VisitSectionChoices(number, descending, [&choices](const Choice& choice) { choices.push_back(choice); });
    return choices;
}

std::vector<Choice> ChoicesOf(const BookSnapshot& book, std::uint32_t number, bool descending)
{
    std::vector<Choice> choices;
    book.VisitSectionChoices(number, descending, [&choices](const Choice& choice) { choices.push_back(choice); });
    return choices;
}

// Every export reads the snapshot instead of the graph, so it must answer as the graph does,
// gaps in the numbering and hidden choices included.
TEST(BookSnapshot, AnswersEveryQuestionAsTheBooksGraphDoes)
{
    const auto model = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(400));
    model->DeleteSectionAndChoices(7);
    model->AddChoiceTo(1, 3, L"Hidden way", true);
    const StoryGraph& graph = model->GetStoryGraph();
    const SharedBook book = model->Snapshot();
    ASSERT_EQ(book->SectionCount(), graph.SectionCount());
    EXPECT_EQ(book->FirstSectionNumber(), graph.FirstSectionNumber());
    EXPECT_EQ(book->LastSectionNumber(), graph.LastSectionNumber());
    for (std::uint32_t number = 0; number <= graph.LastSectionNumber() + 2; ++number) {
        ASSERT_EQ(book->HasSection(number), graph.HasSection(number)) << number;
        if (!graph.HasSection(number)) {
            EXPECT_THROW(book->GetSection(number), std::out_of_range);
            continue;
        }
        EXPECT_EQ(book->GetSection(number), graph.GetSection(number));
        EXPECT_EQ(book->ChoiceCount(number), graph.ChoiceCount(number));
        EXPECT_EQ(book->HasChoices(number, false), graph.HasChoices(number, false)) << number;
        EXPECT_EQ(book->HasChoices(number, true), graph.HasChoices(number, true)) << number;
        EXPECT_EQ(ChoicesOf(*book, number, false), ChoicesOf(graph, number, false)) << number;
        EXPECT_EQ(ChoicesOf(*book, number, true), ChoicesOf(graph, number, true)) << number;
    }
    std::vector<std::uint32_t> visited;
    book->VisitSections([&visited](const Section& section) { visited.push_back(section.number); });
    EXPECT_TRUE(std::is_sorted(visited.begin(), visited.end()));
    EXPECT_EQ(visited.size(), graph.SectionCount());
}

// A save or an export that runs while the author goes on writing writes the book as it was
// asked for.
TEST(BookSnapshot, KeepsTheBookAsItWasWhenTaken)
{
    const auto model = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(400));
    const SharedBook before = model->Snapshot();
    const std::string text = BookFileText(*before);
    model->SetSectionText(1, L"Rewritten");
    model->SetTitle(L"Another title");
    model->DeleteSectionAndChoices(2);
    EXPECT_EQ(BookFileText(*before), text);
    EXPECT_NE(BookFileText(*model), text);
    EXPECT_EQ(before->GetSection(2).number, 2u);

    // The next snapshot shares only the sections no edit touched, however they were edited.
    const SharedBook after = model->Snapshot();
    model->SetSectionText(3, L"Written");
    model->SetSectionText(4, L"Twice");
    model->SetSectionText(4, after->GetSection(4).text);
    model->SetSectionShiftable(5, !after->GetSection(5).shiftable);
    const SharedBook latest = model->Snapshot();
    EXPECT_EQ(&latest->GetSection(6), &after->GetSection(6));
    EXPECT_EQ(&latest->GetSection(4), &after->GetSection(4));
    EXPECT_NE(&latest->GetSection(3), &after->GetSection(3));
    EXPECT_NE(&latest->GetSection(5), &after->GetSection(5));
    EXPECT_EQ(after->GetSection(3).text, before->GetSection(3).text);
    EXPECT_EQ(latest->GetSection(3).text, L"Written");
    EXPECT_EQ(BookFileText(*latest), BookFileText(*model));
}

// The check, a search and autosave all ask for the book after one change; they share one
// copy, and no change of any kind is missed by the next.
TEST(BookSnapshot, OneServesEveryReaderUntilTheBookChanges)
{
    const auto model = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(40));
    EXPECT_EQ(model->Snapshot(), model->Snapshot());
    const std::vector<std::function<void()>> changes{
        [&] { model->SetSectionText(1, L"Rewritten"); },
        [&] { model->SetSectionSummary(2, L"Summed up"); },
        [&] { model->SetTitle(L"Another title"); },
        [&] { model->SetAuthor(L"Someone"); },
        [&] { model->SetLanguage(L"de"); },
        [&] { model->SetFooter(L"Page"); },
        [&] { model->SetChoiceFormat(L"{{text}}: {{destination}}"); },
        [&] {
            model->SetMainFont({L"Serif", 14});
        },
        [&] { model->SetNewPagePerSectionRecorded(true); },
        [&] { model->AddChoiceTo(3, 4, L"Onwards", false); },
        [&] { model->Undo(); },
        [&] { model->Redo(); },
        [&] { model->DeleteSectionAndChoices(5); },
        [&] { model->Undo(); },
        [&] { model->NewBook(L"New", L""); },
    };
    for (std::size_t change = 0; change < changes.size(); ++change) {
        const SharedBook before = model->Snapshot();
        changes[change]();
        const SharedBook after = model->Snapshot();
        EXPECT_NE(after, before) << change;
        EXPECT_EQ(BookFileText(*after), BookFileText(*model)) << change;
    }
}

TEST(BookSnapshot, OfAFileOpensAsTheDocumentOpensIt)
{
    TempFolder folder;
    const auto model = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(400));
    model->SetMainFont(CommonLib::Font{L"Georgia", 12});
    model->SetFooterFont(CommonLib::Font{L"Courier", 9});
    const std::wstring path = folder.WidePath("book.brindle");
    model->Save(path);
    TarnDataModel opened;
    opened.Load(path);
    const SharedBook read = BookSnapshot::Of(ReadBookFile(folder.Path("book.brindle").string()));
    EXPECT_EQ(BookFileText(*read), BookFileText(opened));
    EXPECT_EQ(read->GetFonts(), opened.Snapshot()->GetFonts());
}

class SavedSnapshotTest : public testing::Test {
protected:
    SavedSnapshotTest() { model_.NewBook(L"Book", L""); }

    // As the window saves: the snapshot written on a worker while the author goes on.
    void SaveOnWorker(const std::function<void()>& meanwhile)
    {
        const SharedBook book = model_.Snapshot();
        meanwhile();
        model_.MarkSnapshotSaved(*book, path_, WriteBook(*book, path_));
    }

    TempFolder folder_;
    const std::wstring path_ = folder_.WidePath("book.brindle");
    TarnDataModel model_;
};

TEST_F(SavedSnapshotTest, AnEditMadeDuringTheSaveStaysUnsavedAndUndoingItShowsTheSavedBook)
{
    model_.AddChoiceTo(1, 2, L"On", false);
    SaveOnWorker([this] { model_.AddChoiceTo(2, 3, L"Further", false); });
    EXPECT_EQ(model_.GetFilePath(), path_);
    EXPECT_TRUE(model_.IsModified());
    EXPECT_FALSE(model_.ChangedOnDisk());
    TarnDataModel saved;
    saved.Load(path_);
    EXPECT_EQ(saved.GetStoryGraph().ChoiceCount(2), 0u) << "the file holds the book as it was asked for";
    model_.Undo();
    EXPECT_FALSE(model_.IsModified());
    model_.Redo();
    EXPECT_TRUE(model_.IsModified());
}

TEST_F(SavedSnapshotTest, AChangeOutsideAnyCommandMadeDuringTheSaveStaysUnsaved)
{
    model_.AddChoiceTo(1, 2, L"On", false);
    SaveOnWorker([this] { model_.SetSectionText(1, L"Typed meanwhile"); });
    EXPECT_TRUE(model_.IsModified());
}

TEST_F(SavedSnapshotTest, ASaveWithNoEditMeanwhileLeavesTheBookSaved)
{
    model_.AddChoiceTo(1, 2, L"On", false);
    SaveOnWorker([] {});
    EXPECT_FALSE(model_.IsModified());
}

// The author opened another book while the first was being saved: the new book is neither
// marked saved nor moved to the first one's file.
TEST_F(SavedSnapshotTest, ASaveThatEndsAfterAnotherBookOpenedLeavesThatBookAlone)
{
    model_.AddChoiceTo(1, 2, L"On", false);
    SaveOnWorker([this] {
        model_.NewBook(L"Second", L"");
        model_.AddChoiceTo(1, 2, L"Elsewhere", false);
    });
    EXPECT_TRUE(model_.GetFilePath().empty());
    EXPECT_TRUE(model_.IsModified());
}

}  // namespace
