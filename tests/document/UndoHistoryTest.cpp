// SPDX-License-Identifier: MIT
#include "commands/UpdatePropertyCommand.h"
#include "support/BookFixture.h"
#include "support/NotificationRecorder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

using namespace TarnViewModel;
using Events = std::vector<std::string>;
using TestSupport::DocumentSnapshot;

namespace {

class FailingUndo : public ICommand {
public:
    void Execute() override {}
    void Undo() override { throw std::runtime_error("cannot undo"); }
};

using UndoHistory = TestSupport::BookFixture;

}  // namespace

TEST_F(UndoHistory, KeepsTheNewestTwoHundred)
{
    for (int i = 0; i < 201; ++i) {
        model.SetNewPagePerSectionRecorded(i % 2 == 0);
    }
    int undone = 0;
    while (model.CanUndo()) {
        model.Undo();
        ++undone;
    }
    EXPECT_EQ(undone, 200);
    EXPECT_TRUE(model.GetStoryGraph().HasSection(3)) << "the oldest edits fell off";
    EXPECT_TRUE(model.IsModified());
}

TEST_F(UndoHistory, RecordingEmptiesRedoAndEmptyHistoriesDoNothing)
{
    model.Undo();
    EXPECT_TRUE(model.CanRedo());
    model.SetHeaderFont(CommonLib::Font{L"Georgia", 20});
    EXPECT_FALSE(model.CanRedo());

    TarnDataModel fresh;
    fresh.NewBook(L"Untitled", L"");
    TestSupport::NotificationRecorder recorder(fresh);
    const auto before = DocumentSnapshot::Of(fresh);
    fresh.Undo();
    fresh.Redo();
    EXPECT_TRUE(recorder.Take().empty());
    EXPECT_EQ(DocumentSnapshot::Of(fresh), before);
}

TEST_F(UndoHistory, AFailedUndoDropsTheCommandAndSaysSo)
{
    model.RecordCommand(std::make_unique<FailingUndo>());
    TestSupport::NotificationRecorder recorder(model);
    EXPECT_THROW(model.Undo(), std::runtime_error);
    EXPECT_EQ(recorder.Take(), (Events{"UndoRedoChanged 1 0"}));
    EXPECT_FALSE(model.CanRedo());
    model.Undo();
    EXPECT_EQ(Graph().ChoiceCount(1), 1u) << "the edit before it is next";
}

TEST_F(UndoHistory, RandomEditsUndoToTheFirstStateExactly)
{
    std::mt19937 random(20261206);
    auto pick = [&random](std::uint32_t low, std::uint32_t high) {
        return std::uniform_int_distribution<std::uint32_t>(low, high)(random);
    };
    auto anySection = [&] {
        std::vector<Section> sections = Graph().AllSections();
        return sections[pick(0, static_cast<std::uint32_t>(sections.size() - 1))].number;
    };
    auto anyChoice = [&]() -> std::optional<Choice> {
        std::vector<Choice> choices = Graph().AllChoices();
        if (choices.empty()) {
            return std::nullopt;
        }
        return choices[pick(0, static_cast<std::uint32_t>(choices.size() - 1))];
    };

    std::srand(3);
    std::vector<DocumentSnapshot> states{Snapshot()};
    for (int step = 0; step < 150; ++step) {
        const std::uint32_t kind = pick(0, 9);
        const std::optional<Choice> choice = anyChoice();
        if (kind == 0 && !Graph().HasSection(pick(1, 40))) {
            model.CreateSection(Graph().NextFreeSectionNumber(), L"New");
        } else if (kind <= 2) {
            model.AddChoiceTo(anySection(), pick(1, 40), L"Go", pick(0, 3) == 0);
        } else if (kind == 3 && choice) {
            model.EditChoice(choice->id, pick(1, 40), L"Edited", pick(0, 1) == 1);
        } else if (kind == 4 && choice) {
            model.SetChoiceOrder(static_cast<std::int32_t>(pick(1, 3)), choice->id);
        } else if (kind == 5 && choice) {
            model.DeleteChoices({choice->id});
        } else if (kind == 6 && Graph().SectionCount() > 1) {
            model.DeleteSectionAndChoices(anySection());
        } else if (kind == 7) {
            auto command = std::make_unique<UpdatePropertyCommand2Args<unsigned int>>(
                [this](unsigned a, unsigned b) { model.SetSectionNumber(a, b); }, anySection(), pick(1, 45));
            command->Execute();
            model.RecordCommand(std::move(command));
        } else if (kind == 8) {
            model.Shuffle();
        } else {
            const std::uint32_t number = anySection();
            auto command = std::make_unique<UpdatePropertyCommand1Arg<const std::wstring&>>(
                [this, number](const std::wstring& t) { model.SetSectionText(number, t); }, Graph().GetSection(number).text,
                L"Text " + std::to_wstring(step));
            command->Execute();
            model.RecordCommand(std::move(command));
        }
        states.push_back(Snapshot());
    }
    const DocumentSnapshot last = Snapshot();
    std::size_t expected = states.size() - 1;
    while (model.CanUndo() && expected > 0) {
        model.Undo();
        ASSERT_EQ(Snapshot(), states[--expected]) << "after undoing back to step " << expected;
    }
    while (model.CanRedo()) {
        model.Redo();
    }
    EXPECT_EQ(Snapshot(), last);
}

TEST_F(UndoHistory, TheModifiedFlagFollowsTheSavedPointThroughUndoAndRedo)
{
    TestSupport::TempFolder folder;
    model.Save(folder.WidePath("book.brindle"));
    EXPECT_FALSE(model.IsModified());
    model.SetHeaderFont(CommonLib::Font{L"Georgia", 20});
    EXPECT_TRUE(model.IsModified());
    model.Undo();
    EXPECT_FALSE(model.IsModified()) << "back at the saved book";
    model.Redo();
    EXPECT_TRUE(model.IsModified());
    model.Undo();
    model.Undo();
    EXPECT_TRUE(model.IsModified()) << "before the saved book";
    model.Redo();
    EXPECT_FALSE(model.IsModified());

    // A new edit after an undo leaves the saved book on a branch no longer reachable.
    model.Undo();
    model.SetFooterFont(CommonLib::Font{L"Georgia", 9});
    model.Undo();
    EXPECT_TRUE(model.IsModified()) << "the book before the saved one";

    // A change outside any command cannot be undone, so the book stays modified.
    model.Save(folder.WidePath("book.brindle"));
    model.SetHeaderFont(CommonLib::Font{L"Georgia", 22});
    model.SetSectionText(1, L"Typed outside the history");
    model.Undo();
    EXPECT_TRUE(model.IsModified());
}

TEST_F(UndoHistory, ASavedPointFallenOffTheHistoryIsNeverReachedAgain)
{
    TestSupport::TempFolder folder;
    model.Save(folder.WidePath("book.brindle"));
    for (int i = 0; i < 201; ++i) {
        model.SetNewPagePerSectionRecorded(i % 2 == 0);
    }
    while (model.CanUndo()) {
        model.Undo();
        EXPECT_TRUE(model.IsModified());
    }
}

TEST_F(UndoHistory, ARecoveredOrImportedBookStaysModifiedThroughUndo)
{
    BookFileContents contents;
    contents.title = L"Imported";
    Section section;
    section.number = 1;
    contents.graph.AddSection(section);
    model.OpenImported(std::move(contents));
    EXPECT_TRUE(model.IsModified());
    model.SetHeaderFont(CommonLib::Font{L"Georgia", 20});
    model.Undo();
    EXPECT_TRUE(model.IsModified());
}
