// SPDX-License-Identifier: MIT
#include "controllers/PlayController.h"
#include "DeferredSteps.h"
#include "document/TarnDataModel.h"
#include "graph/TarnDataModelException.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace TarnViewModel;

struct PlayView : IPlayView, TestSupport::DeferredSteps {
    void ShowPage(const PlayPage& shown) override { page = shown; }
    void ShowPath(const std::vector<std::uint32_t>& sections, std::size_t step) override
    {
        path = sections;
        current = step;
    }
    void EnableSteps(bool canBack, bool canForward) override
    {
        back = canBack;
        forward = canForward;
    }
    void RunSoon(std::function<void()> step) override { steps.push_back(std::move(step)); }

    PlayPage page;
    std::vector<std::uint32_t> path;
    std::size_t current = 0;
    bool back = false;
    bool forward = false;
};

// 1 -> 2 -> 3 -> 1 goes round; 3 -> 4 ends; 2 has a hidden way to 4.
class PlayControllerTest : public testing::Test {
protected:
    void SetUp() override
    {
        model.NewBook(L"Play", L"");
        model.SetSectionText(1, L"The gate.");
        for (std::uint32_t number = 2; number <= 4; ++number) {
            model.CreateSection(number, L"");
            model.SetSectionText(number, L"Section " + std::to_wstring(number) + L".");
        }
        toHall = model.AddChoiceTo(1, 2, L"Open the gate", false);
        secret = model.AddChoiceTo(2, 4, L"Lift the stone", true);
        toCellar = model.AddChoiceTo(2, 3, L"Go down", false);
        back = model.AddChoiceTo(3, 1, L"Climb out", false);
        toEnd = model.AddChoiceTo(3, 4, L"Sleep", false);
    }
    std::vector<std::wstring> ChoiceTexts() const
    {
        std::vector<std::wstring> texts;
        for (const PlayChoice& choice : view.page.choices) {
            texts.push_back(choice.text + (choice.hidden ? L" (hidden)" : L""));
        }
        return texts;
    }

    TarnDataModel model;
    PlayView view;
    PlayController play{model, &view};
    Uuid toHall{}, secret{}, toCellar{}, back{}, toEnd{};
};

TEST_F(PlayControllerTest, BackAndForwardRetraceAPathThatGoesRoundALoop)
{
    play.PlayFromStart();
    EXPECT_EQ(view.page.section, 1u);
    EXPECT_EQ(view.page.text, L"The gate.");
    EXPECT_EQ(ChoiceTexts(), (std::vector<std::wstring>{L"Open the gate, turn to 2"}));
    for (const Uuid& choice : {toHall, toCellar, back, toHall}) {
        play.Follow(choice);
    }
    EXPECT_EQ(view.path, (std::vector<std::uint32_t>{1, 2, 3, 1, 2}));
    EXPECT_EQ(view.current, 4u);
    EXPECT_TRUE(view.back);
    EXPECT_FALSE(view.forward);

    play.Back();
    play.Back();
    EXPECT_EQ(view.page.section, 3u);
    EXPECT_TRUE(view.forward);
    play.Forward();
    EXPECT_EQ(view.page.section, 1u);
    EXPECT_EQ(view.current, 3u);

    // A new choice from an earlier step drops the steps ahead of it.
    play.GoToStep(2);
    play.Follow(toEnd);
    EXPECT_EQ(view.path, (std::vector<std::uint32_t>{1, 2, 3, 4}));
    EXPECT_TRUE(view.page.choices.empty());
    play.Restart();
    EXPECT_EQ(view.current, 0u);
    EXPECT_FALSE(view.back);
    EXPECT_FALSE(view.forward) << "a new reading kept the old one's way forward";
    EXPECT_EQ(view.path, (std::vector<std::uint32_t>{1}));
}

TEST_F(PlayControllerTest, HiddenChoicesComeAfterTheOthersAndCanBeFollowed)
{
    play.PlayFrom(2);
    EXPECT_EQ(ChoiceTexts(), (std::vector<std::wstring>{L"Go down, turn to 3", L"Lift the stone, turn to 4 (hidden)"}));
    play.Follow(secret);
    EXPECT_EQ(view.page.section, 4u);
    EXPECT_THROW(play.Follow(toHall), TarnDataModelException);
    EXPECT_THROW(play.PlayFrom(9), TarnDataModelException);
    EXPECT_EQ(view.path, (std::vector<std::uint32_t>{2, 4}));
}

TEST_F(PlayControllerTest, EditsUnderTheReaderShowAndARemovedSectionEndsThePath)
{
    play.PlayFromStart();
    play.Follow(toHall);
    play.Follow(toCellar);
    model.SetSectionText(3, L"A damp cellar.");
    model.SetChoiceFormat(L"{{text}} ({{destination}})");
    view.RunSteps();
    EXPECT_EQ(view.page.text, L"A damp cellar.");
    EXPECT_EQ(view.page.choices.front().text, L"Climb out (1)");

    model.SetSectionNumber(2, 7);
    view.RunSteps();
    EXPECT_EQ(view.path, (std::vector<std::uint32_t>{1, 7, 3}));

    model.DeleteSectionAndChoices(3);
    view.RunSteps();
    EXPECT_EQ(view.path, (std::vector<std::uint32_t>{1, 7}));
    EXPECT_EQ(view.page.section, 7u);
    EXPECT_EQ(view.page.note, L"Section 3 was removed from the book, so the path ends before it.");
    EXPECT_FALSE(view.forward);

    // Undone, the section is there to follow again.
    model.Undo();
    view.RunSteps();
    EXPECT_EQ(view.path, (std::vector<std::uint32_t>{1, 7}));
    play.Follow(toCellar);
    EXPECT_EQ(view.page.text, L"A damp cellar.");
    EXPECT_TRUE(view.page.note.empty());
}

TEST_F(PlayControllerTest, AHiddenPaneCatchesUpOnceItShowsAndAnotherBookStartsAfresh)
{
    play.PlayFromStart();
    play.Follow(toHall);
    play.SetShown(false);
    const std::size_t shownPages = view.steps.size();
    model.SetSectionNumber(2, 9);
    model.SetMainFont({L"Georgia", 14});
    EXPECT_EQ(view.steps.size(), shownPages);
    EXPECT_EQ(view.path, (std::vector<std::uint32_t>{1, 2}));

    play.SetShown(true);
    view.RunSteps();
    EXPECT_EQ(view.path, (std::vector<std::uint32_t>{1, 9}));
    EXPECT_EQ(view.page.font, (CommonLib::Font{L"Georgia", 14}));

    model.NewBook(L"Another", L"");
    view.RunSteps();
    EXPECT_TRUE(view.path.empty());
    EXPECT_EQ(view.page.section, 0u);
    EXPECT_TRUE(view.page.note.empty());
}

// Sections 5 and 7, and 12 made for a choice that leads there.
TEST(PlayController, ABookWithoutSectionOneStartsFromItsLowest)
{
    TarnDataModel model;
    PlayView view;
    PlayController play(model, &view);
    play.PlayFromStart();
    EXPECT_EQ(view.page.section, 0u);

    model.Load((TestSupport::TestData() / "merged-and-dangling.brindle").wstring());
    play.PlayFromStart();
    EXPECT_EQ(view.page.section, 5u);
    const auto toSlot =
        std::find_if(view.page.choices.begin(), view.page.choices.end(), [](const PlayChoice& choice) { return choice.destination == 12; });
    ASSERT_NE(toSlot, view.page.choices.end());
    play.Follow(toSlot->id);
    EXPECT_EQ(view.path, (std::vector<std::uint32_t>{5, 12}));
}

}  // namespace
