// SPDX-License-Identifier: MIT
#include "commands/UpdatePropertyCommand.h"
#include "graph/TarnDataModelException.h"
#include "support/BookFixture.h"
#include "support/ExpectMessage.h"

#include <gtest/gtest.h>

using namespace TarnViewModel;
using CommonLib::Font;
using TestSupport::BookFixture;
using TestSupport::DocumentSnapshot;
using TestSupport::ExpectThrowWithMessage;

using EditingCommands = BookFixture;

TEST_F(EditingCommands, EveryEditUndoesAndRedoesExactly)
{
    ExpectUndoable([&] { model.CreateSection(12000, L"Far"); });
    ExpectUndoable([&] { model.AddChoiceTo(2, 7, L"Jump", true); });
    ExpectUndoable([&] { model.AddChoiceTo(2, 3, L"Walk", false); });
    ExpectUndoable([&] { model.EditChoice(toTwo, 9, L"Swim", true); });
    ExpectUndoable([&] { model.EditChoice(toTwo, 3, L"Left again", false); });
    ExpectUndoable([&] { model.SetChoiceOrder(1, toThree); });
    ExpectUndoable([&] { model.DeleteChoices({toTwo, toThree}); });
    ExpectUndoable([&] { model.DeleteSectionAndChoices(1); });
    ExpectUndoable([&] { model.DeleteSectionAndChoices(3); });
    ExpectUndoable([&] { model.SetMainFont(Font{L"Georgia", 12}); });
    ExpectUndoable([&] { model.SetHeaderFont(Font{L"Georgia", 40}); });
    ExpectUndoable([&] { model.SetFooterFont(Font{L"Georgia", 6}); });
    ExpectUndoable([&] { model.SetSectionShiftableRecorded(2, false); });
    ExpectUndoable([&] { model.SetNewPagePerSectionRecorded(true); });
}

TEST_F(EditingCommands, PropertyCommandsBoundToTheSetters)
{
    auto record = [&](std::unique_ptr<ICommand> command) {
        command->Execute();
        model.RecordCommand(std::move(command));
    };
    ExpectUndoable([&] {
        record(std::make_unique<UpdatePropertyCommand<const std::wstring&>>([&](const std::wstring& t) { model.SetTitle(t); },
                                                                            model.GetTitle(), L"The Caverns"));
    });
    ExpectUndoable([&] {
        record(std::make_unique<UpdatePropertyCommand1Arg<const std::wstring&>>([&](const std::wstring& t) { model.SetSectionText(2, t); },
                                                                                L"", L"A dark room.\r\nA door."));
    });
    ExpectUndoable([&] {
        record(std::make_unique<UpdatePropertyCommand1Arg<const std::wstring&>>([&](const std::wstring& f) { model.SetChoiceFormat(f); },
                                                                                model.GetChoiceFormat(), L"{{text}} ({{destination}})"));
    });
    ExpectUndoable([&] {
        record(std::make_unique<UpdatePropertyCommand1Arg<CommonLib::ColourUtilities::RGBColour>>(
            [&](CommonLib::ColourUtilities::RGBColour c) { model.SetSectionBackgroundColour(3, c); },
            CommonLib::ColourUtilities::RGBColour{}, CommonLib::ColourUtilities::RGBColour{10, 20, 30}));
    });
    ExpectUndoable([&] {
        record(std::make_unique<UpdatePropertyCommand2Args<unsigned int>>([&](unsigned a, unsigned b) { model.SetSectionNumber(a, b); }, 3u,
                                                                          7u));
    });
    ExpectUndoable([&] {
        record(std::make_unique<UpdatePropertyCommand2Args<unsigned int>>([&](unsigned a, unsigned b) { model.SetSectionNumber(a, b); }, 2u,
                                                                          3u));
    });
}

TEST_F(EditingCommands, AddingAChoiceToAMissingSectionCreatesIt)
{
    const Uuid id = model.AddChoiceTo(1, 7, L"Descend", false);
    ASSERT_TRUE(Graph().HasSection(7));
    EXPECT_EQ(Graph().GetSection(7).summary, L"Descend");
    EXPECT_EQ(Graph().GetChoice(id).order, 3);
    model.Undo();
    EXPECT_FALSE(Graph().HasSection(7));
    EXPECT_THROW(Graph().GetChoice(id), TarnDataModelException);

    model.CreateSection(12000, L"");
    EXPECT_TRUE(Graph().HasSection(10000));
    const Uuid capped = model.AddChoiceTo(1, 99999999, L"Far away", false);
    EXPECT_EQ(Graph().GetChoice(capped).destination, 10000u);
}

TEST_F(EditingCommands, DeletingASectionRestoresEnteringChoicesAtTheirOrders)
{
    const Uuid middle = model.AddChoiceTo(1, 3, L"Middle", false);
    const Uuid last = model.AddChoiceTo(1, 2, L"Last", false);
    model.AddChoiceTo(2, 3, L"From two", false);
    model.AddChoiceTo(3, 3, L"Loop", false);
    const DocumentSnapshot before = Snapshot();
    model.DeleteSectionAndChoices(3);
    EXPECT_EQ(Graph().GetChoice(last).order, 2) << "the choices of section 1 close up";
    EXPECT_EQ(Graph().ChoiceCount(2), 0u);
    model.Undo();
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Graph().GetChoice(middle).order, 3);
}

TEST_F(EditingCommands, FailuresLeaveDocumentHistoriesAndFlagAlone)
{
    model.SetTitle(L"Saved state");
    const DocumentSnapshot before = Snapshot();
    const bool couldUndo = model.CanUndo();
    const bool modified = model.IsModified();
    const std::string outOfRange = "Section number must be between 1 and 10000";

    ExpectThrowWithMessage<TarnDataModelException>([&] { model.CreateSection(2, L""); }, "Section with this number already exists");
    ExpectThrowWithMessage<TarnDataModelException>([&] { model.CreateSection(0, L""); }, outOfRange);
    ExpectThrowWithMessage<TarnDataModelException>([&] { model.AddChoiceTo(9, 2, L"", false); },
                                                   "Section cannot be visited - it does not exist");
    ExpectThrowWithMessage<TarnDataModelException>([&] { model.AddChoiceTo(1, 0, L"", false); }, outOfRange);
    ExpectThrowWithMessage<TarnDataModelException>([&] { model.EditChoice(NewId(), 2, L"", false); }, "Choice does not exist");
    ExpectThrowWithMessage<TarnDataModelException>([&] { model.EditChoice(toTwo, 0, L"", false); }, outOfRange);
    ExpectThrowWithMessage<TarnDataModelException>([&] { model.SetChoiceOrder(1, NewId()); }, "Choice does not exist");
    ExpectThrowWithMessage<TarnDataModelException>([&] { model.DeleteChoices({toTwo, NewId()}); }, "Choice does not exist");
    ExpectThrowWithMessage<TarnDataModelException>(
        [&] {
            model.DeleteChoices({toTwo, toThree, toTwo});
        },
        "Choice is listed more than once");
    ExpectThrowWithMessage<TarnDataModelException>([&] { model.DeleteSectionAndChoices(9); },
                                                   "Section cannot be visited - it does not exist");
    ExpectThrowWithMessage<TarnDataModelException>([&] { model.SetSectionShiftableRecorded(9, true); }, "Section does not exist");
    ExpectThrowWithMessage<TarnDataModelException>([&] { model.SetSectionText(9, L"x"); }, "Section does not exist");
    ExpectThrowWithMessage<TarnDataModelException>([&] { model.DeleteSection(Graph().GetSection(2)); },
                                                   "Section cannot be deleted while choices lead from or into it");
    ExpectThrowWithMessage<std::runtime_error>([&] { model.GetFont(static_cast<CommonLib::FontType>(7)); }, "Resource not in map");

    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(model.CanUndo(), couldUndo);
    EXPECT_FALSE(model.CanRedo());
    EXPECT_EQ(model.IsModified(), modified);
    model.Undo();
    EXPECT_EQ(Graph().ChoiceCount(1), 1u) << "the last recorded edit is still the one undone";
}
