// SPDX-License-Identifier: MIT
#pragma once

#include "document/TarnDataModel.h"
#include "support/DocumentSnapshot.h"

#include <gtest/gtest.h>

#include <functional>

namespace TestSupport {

// A new book with sections 1 to 3 where 1 offers choices to 2 and 3.
class BookFixture : public ::testing::Test {
protected:
    BookFixture()
    {
        model.NewBook(L"Untitled", L"");
        toTwo = model.AddChoiceTo(1, 2, L"Left", false);
        toThree = model.AddChoiceTo(1, 3, L"Right", false);
    }

    const TarnViewModel::StoryGraph& Graph() const { return model.GetStoryGraph(); }
    DocumentSnapshot Snapshot() const { return DocumentSnapshot::Of(model); }

    // Runs the edit, then checks that Undo gives back the state before it and Redo the
    // state after it.
    void ExpectUndoable(const std::function<void()>& edit)
    {
        const DocumentSnapshot before = Snapshot();
        edit();
        const DocumentSnapshot after = Snapshot();
        EXPECT_NE(after, before) << "the edit changed nothing";
        EXPECT_TRUE(model.IsModified());
        model.Undo();
        EXPECT_EQ(Snapshot(), before);
        model.Redo();
        EXPECT_EQ(Snapshot(), after);
        model.Undo();
        EXPECT_EQ(Snapshot(), before);
    }

    TarnViewModel::TarnDataModel model;
    TarnViewModel::Uuid toTwo;
    TarnViewModel::Uuid toThree;
};

}  // namespace TestSupport
