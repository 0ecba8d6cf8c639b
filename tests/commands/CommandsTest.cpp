// SPDX-License-Identifier: MIT
#include "commands/BulkCommand.h"
#include "commands/ChoiceCommands.h"
#include "commands/CompositeCommand.h"
#include "commands/RenumberSectionsCommand.h"
#include "commands/SectionCommands.h"
#include "commands/UpdatePropertyCommand.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

using namespace TarnViewModel;
using testing::InSequence;
using testing::Throw;

namespace {

class MockTarget : public ICommandTarget {
public:
    MOCK_METHOD(void, AddSection, (const Section&), (override));
    MOCK_METHOD(void, DeleteSection, (const Section&), (override));
    MOCK_METHOD(void, AddChoice, (const Choice&), (override));
    MOCK_METHOD(void, DeleteChoice, (const Choice&, ChoiceDeleteCause), (override));
    MOCK_METHOD(void, UpdateChoice, (const Choice&, const Choice&), (override));
    MOCK_METHOD(void, RenumberSections, (const Numbering&), (override));
    MOCK_METHOD(void, BeginBulkChange, (), (override));
    MOCK_METHOD(void, EndBulkChange, (), (override));
};

// Records Execute and Undo calls by name, and fails where told to.
class ScriptedCommand : public ICommand {
public:
    ScriptedCommand(std::string name, std::vector<std::string>& log, bool failExecute = false)
        : name_(std::move(name)), log_(log), failExecute_(failExecute)
    {}
    void Execute() override
    {
        if (failExecute_) {
            throw std::runtime_error("refused");
        }
        log_.push_back("do " + name_);
    }
    void Undo() override { log_.push_back("undo " + name_); }

private:
    std::string name_;
    std::vector<std::string>& log_;
    bool failExecute_;
};

}  // namespace

TEST(Commands, StructuralCommandsCallTheTargetBothWays)
{
    MockTarget target;
    Section section;
    section.number = 4;
    Choice before, after;
    after.id = before.id;
    after.text = L"Climb";
    Numbering old{{section.id, 4}}, shuffled{{section.id, 9}};

    InSequence order;
    EXPECT_CALL(target, AddSection(section));
    EXPECT_CALL(target, DeleteSection(section));
    EXPECT_CALL(target, DeleteSection(section));
    EXPECT_CALL(target, AddSection(section));
    EXPECT_CALL(target, AddChoice(before));
    EXPECT_CALL(target, DeleteChoice(before, ChoiceDeleteCause::AddUndone));
    EXPECT_CALL(target, DeleteChoice(before, ChoiceDeleteCause::Deleted));
    EXPECT_CALL(target, AddChoice(before));
    EXPECT_CALL(target, UpdateChoice(before, after));
    EXPECT_CALL(target, UpdateChoice(after, before));
    EXPECT_CALL(target, RenumberSections(shuffled));
    EXPECT_CALL(target, RenumberSections(old));

    std::vector<std::unique_ptr<ICommand>> commands;
    commands.push_back(std::make_unique<AddSectionCommand>(target, section));
    commands.push_back(std::make_unique<DeleteSectionCommand>(target, section));
    commands.push_back(std::make_unique<AddChoiceCommand>(target, before));
    commands.push_back(std::make_unique<DeleteChoiceCommand>(target, before, ChoiceDeleteCause::Deleted));
    commands.push_back(std::make_unique<UpdateChoiceCommand>(target, before, after));
    commands.push_back(std::make_unique<RenumberSectionsCommand>(target, old, shuffled));
    for (auto& command : commands) {
        command->Execute();
        command->Undo();
    }
}

TEST(Commands, PropertyCommandsCallTheSetterWithNewThenOldValue)
{
    std::vector<std::wstring> texts;
    UpdatePropertyCommand1Arg<const std::wstring&> text([&](const std::wstring& t) { texts.push_back(t); }, L"old", L"new");
    text.Execute();
    text.Undo();
    text.Execute();
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"new", L"old", L"new"}));

    std::vector<std::pair<unsigned, unsigned>> numbers;
    UpdatePropertyCommand2Args<unsigned int> number([&](unsigned a, unsigned b) { numbers.emplace_back(a, b); }, 3, 7);
    number.Execute();
    number.Undo();
    EXPECT_EQ(numbers, (std::vector<std::pair<unsigned, unsigned>>{{3, 7}, {7, 3}}));
}

TEST(Commands, CompositeRunsForwardAndUndoesBackward)
{
    std::vector<std::string> log;
    CompositeCommand composite;
    EXPECT_TRUE(composite.IsEmpty());
    composite.Execute();
    composite.Append(std::make_unique<ScriptedCommand>("a", log));
    composite.Append(std::make_unique<ScriptedCommand>("b", log));
    composite.Execute();
    composite.Undo();
    EXPECT_EQ(log, (std::vector<std::string>{"do a", "do b", "undo b", "undo a"}));
}

TEST(Commands, FailingChildRollsBackTheChildrenAlreadyRun)
{
    std::vector<std::string> log;
    CompositeCommand composite;
    composite.Append(std::make_unique<ScriptedCommand>("a", log));
    composite.Append(std::make_unique<ScriptedCommand>("b", log));
    composite.Append(std::make_unique<ScriptedCommand>("c", log, true));
    EXPECT_THROW(composite.Execute(), std::runtime_error);
    EXPECT_EQ(log, (std::vector<std::string>{"do a", "do b", "undo b", "undo a"}));

    log.clear();
    CompositeCommand built;
    built.ExecuteAndAppend(std::make_unique<ScriptedCommand>("a", log));
    EXPECT_THROW(built.ExecuteAndAppend(std::make_unique<ScriptedCommand>("b", log, true)), std::runtime_error);
    EXPECT_EQ(log, (std::vector<std::string>{"do a", "undo a"}));
}

TEST(Commands, ABulkCommandBracketsBothWaysAndClosesTheBracketWhenAStepFails)
{
    MockTarget target;
    std::vector<std::string> log;
    auto steps = std::make_unique<CompositeCommand>();
    steps->Append(std::make_unique<ScriptedCommand>("a", log));
    steps->Append(std::make_unique<ScriptedCommand>("b", log));
    BulkCommand bulk(target, std::move(steps));
    {
        InSequence order;
        EXPECT_CALL(target, BeginBulkChange());
        EXPECT_CALL(target, EndBulkChange());
        EXPECT_CALL(target, BeginBulkChange());
        EXPECT_CALL(target, EndBulkChange());
    }
    bulk.Execute();
    bulk.Undo();
    EXPECT_EQ(log, (std::vector<std::string>{"do a", "do b", "undo b", "undo a"}));

    auto failing = std::make_unique<CompositeCommand>();
    failing->Append(std::make_unique<ScriptedCommand>("c", log, true));
    BulkCommand refused(target, std::move(failing));
    EXPECT_CALL(target, BeginBulkChange());
    EXPECT_CALL(target, EndBulkChange());
    EXPECT_THROW(refused.Execute(), std::runtime_error);
}
