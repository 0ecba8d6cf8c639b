// SPDX-License-Identifier: MIT
#include "support/BookFixture.h"
#include "support/NotificationRecorder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace TarnViewModel;
using Events = std::vector<std::string>;

namespace {

// Twenty sections in a chain with a few fixed ones.
class Shuffling : public TestSupport::BookFixture {
protected:
    Shuffling()
    {
        for (std::uint32_t n = 3; n < 20; ++n) {
            model.AddChoiceTo(n, n + 1, L"On", false);
        }
        model.SetSectionShiftableRecorded(20, false);
        model.SetSectionShiftableRecorded(10, false);
        std::srand(11);
    }

    Numbering NumbersById() const { return Graph().CurrentNumbering(); }
};

}  // namespace

TEST_F(Shuffling, FixedSectionsStayAndChoicesFollowTheirSections)
{
    const auto before = Graph();
    model.Shuffle();
    EXPECT_EQ(Graph().GetSection(1).id, before.GetSection(1).id);
    EXPECT_EQ(Graph().GetSection(10).id, before.GetSection(10).id);
    EXPECT_EQ(Graph().GetSection(20).id, before.GetSection(20).id);
    EXPECT_NE(Graph().CurrentNumbering(), before.CurrentNumbering());
    for (const Choice& old : before.AllChoices()) {
        const Choice& now = Graph().GetChoice(old.id);
        EXPECT_EQ(Graph().GetSection(now.source).id, before.GetSection(old.source).id);
        EXPECT_EQ(Graph().GetSection(now.destination).id, before.GetSection(old.destination).id);
        EXPECT_EQ(now.order, old.order);
    }
}

TEST_F(Shuffling, KeepsTheBestOfTenScores)
{
    const std::uint32_t unshuffled = Graph().ScoreNumbering();
    model.Shuffle();
    EXPECT_GT(Graph().ScoreNumbering(), unshuffled);

    model.Undo();
    std::srand(11);
    StoryGraph copy = Graph();
    std::uint32_t best = 0;
    for (int pass = 0; pass < 10; ++pass) {
        copy.Shuffle();
        best = std::max(best, copy.ScoreNumbering());
    }
    std::srand(11);
    model.Shuffle();
    EXPECT_EQ(Graph().ScoreNumbering(), best) << "the same passes, the best one kept";
}

TEST_F(Shuffling, IsOneUndoStepAnnouncedAsOneRenumbering)
{
    TestSupport::NotificationRecorder recorder(model);
    const auto numbers = NumbersById();
    const auto before = Snapshot();
    model.Shuffle();
    const auto after = Snapshot();
    std::size_t moved = 0;
    for (const auto& [id, number] : NumbersById()) {
        moved += numbers.at(id) != number ? 1 : 0;
    }
    ASSERT_GT(moved, 0u);
    const std::string renumbered = "SectionsRenumbered " + std::to_string(moved);
    EXPECT_EQ(recorder.Take(), (Events{"UndoRedoChanged 1 0", renumbered}));
    model.Undo();
    EXPECT_EQ(recorder.Take(), (Events{
                                   renumbered,
                                   "UndoRedoChanged 1 1",
                               }));
    EXPECT_EQ(Snapshot(), before);
    model.Redo();
    EXPECT_EQ(Snapshot(), after);
}

TEST_F(Shuffling, IsModifiedByTheTimeItsUndoStepIsAnnounced)
{
    TestSupport::TempFolder folder;
    model.Save(folder.WidePath("book.brindle"));
    std::vector<bool> modified;
    const boost::signals2::scoped_connection watch =
        model.ConnectUndoRedoChanged([&](bool, bool) { modified.push_back(model.IsModified()); });
    model.Shuffle();
    EXPECT_EQ(modified, std::vector<bool>{true});
}

TEST(ShuffleSingle, NothingToMoveChangesNothing)
{
    TarnDataModel model;
    model.NewBook(L"Untitled", L"");
    const auto before = model.GetStoryGraph().CurrentNumbering();
    model.Shuffle();
    EXPECT_EQ(model.GetStoryGraph().CurrentNumbering(), before);
    EXPECT_FALSE(model.IsModified()) << "the flag is left as it was";
    EXPECT_TRUE(model.CanUndo()) << "still one undo step";
    EXPECT_TRUE(model.GetStoryGraph().HasSection(1));
}
