// SPDX-License-Identifier: MIT
#include "controllers/FindReplaceController.h"
#include "DeferredSteps.h"
#include "controllers/SectionSelection.h"
#include "document/BookLimits.h"
#include "document/TarnDataModel.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"
#include "support/GraphSnapshot.h"
#include "support/NearlyFullBook.h"

#include <gtest/gtest.h>

namespace {

using namespace TarnViewModel;

struct FindView : IFindReplaceView, TestSupport::DeferredSteps {
    void ShowMatches(const std::vector<FoundMatch>& found) override
    {
        shown = found;
        ++lists;
    }
    void ShowCurrentMatch(std::optional<std::size_t> index) override { current = index; }
    void RevealMatch(const Search::BookMatch& match) override { revealed = match; }
    void ShowReplaced(std::size_t count) override { replaced = count; }
    void RunSoon(std::function<void()> step) override { steps.push_back(std::move(step)); }

    std::vector<FoundMatch> shown;
    int lists = 0;
    std::optional<std::size_t> current;
    std::optional<Search::BookMatch> revealed;
    std::optional<std::size_t> replaced;
};

TestSupport::GraphSnapshot ContentsOf(const TarnDataModel& model)
{
    return TestSupport::GraphSnapshot::Of(model.GetStoryGraph());
}

class FindReplaceControllerTest : public testing::Test {
protected:
    void SetUp() override
    {
        model.NewBook(L"Find", L"");
        model.SetSectionText(1, L"The key.\r\nAnother key \U0001F511 key.");
        model.SetSectionSummary(1, L"Key room");
        model.CreateSection(2, L"Hall");
        model.SetSectionText(2, L"A key\r\nunder the key mat");
        choice = model.AddChoiceTo(1, 2, L"Take the key", false);
        model.CreateSection(3, L"Cellar");
        model.SetSectionText(3, L"Dark.");
    }
    std::vector<std::wstring> Found()
    {
        view.RunSteps();
        std::vector<std::wstring> found;
        for (const FoundMatch& match : view.shown) {
            found.push_back(std::to_wstring(match.match.section) + L":" + match.snippet.matched);
        }
        return found;
    }

    TarnDataModel model;

    SectionSelection selection{model};
    FindView view;
    FindReplaceController controller{model, selection, &view};
    Uuid choice{};
};

TEST_F(FindReplaceControllerTest, TheListFollowsThePatternAndTheBook)
{
    controller.Search(L"key", {.wholeWord = true});
    EXPECT_EQ(Found(), (std::vector<std::wstring>{L"1:key", L"1:key", L"1:key", L"1:Key", L"1:key", L"2:key", L"2:key"}));

    model.SetSectionText(3, L"A key.");
    EXPECT_EQ(Found().back(), L"3:key");
    model.DeleteChoices({choice});
    EXPECT_EQ(Found().size(), 7u);

    EXPECT_THROW(controller.Search(L"(key", {.regularExpression = true}), Search::SearchPatternError);
    EXPECT_EQ(Found().size(), 7u);
    controller.Search(L"", {});
    EXPECT_TRUE(Found().empty());
    model.SetSectionText(3, L"key");
    EXPECT_TRUE(Found().empty());
}

TEST_F(FindReplaceControllerTest, ABigBookIsSearchedAPartAtATimeAndOnlyTheLastPatternIsListed)
{
    const auto book = SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(1000));
    FindView bigView;
    SectionSelection bigSelection(*book);
    FindReplaceController big(*book, bigSelection, &bigView);
    big.Search(L"door", {});
    big.Search(L"the", {.wholeWord = true});
    std::size_t turns = 0;
    while (!bigView.steps.empty()) {
        EXPECT_EQ(bigView.lists, 0);
        const auto step = std::move(bigView.steps.front());
        bigView.steps.erase(bigView.steps.begin());
        step();
        ++turns;
    }
    // A turn to copy the book, then the parts.
    EXPECT_EQ(turns, 1 + (1000 + FindReplaceController::SectionsPerStep - 1) / FindReplaceController::SectionsPerStep);
    EXPECT_EQ(bigView.lists, 1);
    const std::vector<Search::BookMatch> all = Search::FindInBook(*book->Snapshot(), Search::SearchPattern(L"the", {.wholeWord = true}));
    ASSERT_EQ(bigView.shown.size(), all.size());
    EXPECT_GT(all.size(), 1000u);
    for (std::size_t index = 0; index < all.size(); ++index) {
        EXPECT_EQ(Search::StartOf(bigView.shown[index].match), Search::StartOf(all[index]));
    }
}

TEST_F(FindReplaceControllerTest, APatternTooCostlyForTheBookEndsTheSearchWithItsError)
{
    model.SetSectionText(3, std::wstring(20000, L'a'));
    controller.Search(L"(a|aa)*(b|c)*d", {.regularExpression = true});
    EXPECT_THROW(view.RunSteps(), Search::SearchPatternError);
    EXPECT_FALSE(controller.Searching());
    EXPECT_NO_THROW(controller.FindNext());
    controller.Search(L"Dark", {});
    model.SetSectionText(3, L"Dark.");
    EXPECT_EQ(Found(), (std::vector<std::wstring>{L"3:Dark"}));
}

TEST_F(FindReplaceControllerTest, AHiddenListIsSearchedOnlyOnceItShowsOrAMatchIsAskedFor)
{
    controller.Search(L"key", {.wholeWord = true});
    EXPECT_EQ(Found().size(), 7u);
    const int lists = view.lists;
    controller.SetShown(false);
    model.SetSectionText(3, L"A key.");
    view.RunSteps();
    EXPECT_EQ(view.lists, lists);
    controller.SetShown(true);
    EXPECT_EQ(Found().size(), 8u);

    controller.SetShown(false);
    model.SetSectionText(3, L"A key, a key.");
    selection.SetCurrentSection(3);
    controller.FindNext();
    EXPECT_EQ(view.shown.size(), 9u);
    EXPECT_EQ(view.revealed->section, 3u);
}

TEST_F(FindReplaceControllerTest, FindNextAndPreviousGoRoundFromTheCurrentSection)
{
    controller.Search(L"key", {.wholeWord = true});
    selection.SetCurrentSection(2);
    controller.FindNext();
    EXPECT_EQ(view.current, 5u);
    EXPECT_EQ(selection.GetCurrentSection(), 2u);
    ASSERT_TRUE(view.revealed);
    EXPECT_EQ(view.revealed->range, (Search::TextMatch{2, 3}));
    controller.FindNext();
    controller.FindNext();
    EXPECT_EQ(view.current, 0u);
    EXPECT_EQ(selection.GetCurrentSection(), 1u);
    controller.FindPrevious();
    EXPECT_EQ(view.current, 6u);

    controller.GoToMatch(4);
    EXPECT_EQ(view.revealed->field, Search::SearchField::ChoiceText);
    EXPECT_EQ(view.revealed->choice, choice);
    // An edit elsewhere keeps the current match.
    model.SetSectionText(3, L"Still dark.");
    Found();
    EXPECT_EQ(view.current, 4u);
}

TEST_F(FindReplaceControllerTest, ReplaceOneTakesTheCurrentMatchAndMovesOn)
{
    controller.Search(L"key", {.wholeWord = true});
    controller.ReplaceCurrent(L"lock");
    EXPECT_EQ(view.current, 0u);
    EXPECT_EQ(model.GetStoryGraph().GetSection(1).text, L"The key.\r\nAnother key \U0001F511 key.");
    controller.ReplaceCurrent(L"lock");
    EXPECT_EQ(model.GetStoryGraph().GetSection(1).text, L"The lock.\r\nAnother key \U0001F511 key.");
    EXPECT_EQ(view.current, 0u);
    EXPECT_EQ(view.revealed->range, (Search::TextMatch{19, 3}));
    EXPECT_EQ(view.replaced, 1u);
    controller.FindNext();
    controller.ReplaceCurrent(L"");
    EXPECT_EQ(model.GetStoryGraph().GetSection(1).text, L"The lock.\r\nAnother key \U0001F511 .");
    model.Undo();
    model.Undo();
    EXPECT_EQ(model.GetStoryGraph().GetSection(1).text, L"The key.\r\nAnother key \U0001F511 key.");
}

TEST_F(FindReplaceControllerTest, ReplaceAllIsOneStepThatUndoGivesBackExactly)
{
    const TestSupport::GraphSnapshot before = ContentsOf(model);
    controller.Search(LR"re((\w+) (key))re", {.regularExpression = true});
    EXPECT_EQ(controller.ReplaceAll(L"$2 $1"), 5u);
    EXPECT_EQ(view.replaced, 5u);
    const StoryGraph& graph = model.GetStoryGraph();
    EXPECT_EQ(graph.GetSection(1).text, L"key The.\r\nkey Another \U0001F511 key.");
    EXPECT_EQ(graph.GetSection(2).text, L"key A\r\nunder key the mat");
    EXPECT_EQ(graph.GetChoice(choice).text, L"Take key the");
    EXPECT_EQ(graph.GetSection(1).summary, L"Key room");
    const TestSupport::GraphSnapshot after = ContentsOf(model);

    model.Undo();
    EXPECT_EQ(ContentsOf(model), before);
    EXPECT_EQ(Found().size(), 5u);
    model.Redo();
    EXPECT_EQ(ContentsOf(model), after);
    model.Undo();
    EXPECT_EQ(ContentsOf(model), before);
}

TEST_F(FindReplaceControllerTest, ReplacingAcrossLineBreaksNeverSplitsThemAndMayEmptyAText)
{
    controller.Search(LR"re(\s)re", {.regularExpression = true});
    controller.ReplaceAll(L"_");
    EXPECT_EQ(model.GetStoryGraph().GetSection(2).text, L"A_key\r\nunder_the_key_mat");
    model.Undo();
    controller.Search(LR"re(\s+)re", {.regularExpression = true});
    controller.ReplaceAll(L"_");
    EXPECT_EQ(model.GetStoryGraph().GetSection(2).text, L"A_key_under_the_key_mat");
    EXPECT_EQ(model.GetStoryGraph().GetSection(1).text, L"The_key._Another_key_\U0001F511_key.");

    controller.Search(L".+", {.regularExpression = true});
    controller.ReplaceAll(L"");
    EXPECT_EQ(model.GetStoryGraph().GetSection(3).text, L"");
    EXPECT_EQ(model.GetStoryGraph().GetChoice(choice).text, L"");
    EXPECT_TRUE(Found().empty());

    controller.Search(L"", {});
    EXPECT_EQ(controller.ReplaceAll(L"x"), 0u);
    EXPECT_EQ(view.replaced, 0u);
}

// Replace All is measured before it changes anything: one that would take the book past the
// largest it may be is refused whole, and one that runs away is stopped before it is made.
TEST_F(FindReplaceControllerTest, ReplaceAllPastTheLargestBookChangesNothing)
{
    TestSupport::FillToNearlyFull(model, 3);
    const TestSupport::GraphSnapshot before = ContentsOf(model);
    const bool couldUndo = model.CanUndo();
    const auto expectRefused = [&](const std::wstring& replacement) {
        controller.Search(L"key", {});
        try {
            controller.ReplaceAll(replacement);
            ADD_FAILURE() << "replaced";
        } catch (const BookLimitException& error) {
            EXPECT_STREQ(error.what(), "This change would make the book take more than the 64 MB a book may take. Nothing was changed.");
        }
        EXPECT_EQ(ContentsOf(model), before);
        EXPECT_EQ(model.CanUndo(), couldUndo);
    };
    // Each "<" is written as four bytes, which only the measure of the whole change finds.
    expectRefused(std::wstring(100, L'<'));
    expectRefused(std::wstring(1'000'000, L'k'));
    controller.Search(L"key", {});
    EXPECT_EQ(controller.ReplaceAll(L"door"), 7u);
}

}  // namespace
