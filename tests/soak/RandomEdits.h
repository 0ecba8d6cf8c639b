// SPDX-License-Identifier: MIT
#pragma once

#include "commands/UpdatePropertyCommand.h"
#include "document/TarnDataModel.h"
#include "shell/mainframe/CMainFrame.h"
#include "shell/support/StringTable.h"

#include <QAction>

#include <random>
#include <vector>

namespace TestSupport {

// Edits a book at random as an author would, every kind of edit there is: through the
// window's commands where the window has one, otherwise as its panes record them.
class RandomEdits {
public:
    RandomEdits(TarnGui::CMainFrame& frame, TarnViewModel::TarnDataModel& model, unsigned seed)
        : frame_(frame), model_(model), random_(seed)
    {}

    void Edit()
    {
        const int kind = Pick(100);
        if (kind < 8) {
            Run(TarnGui::Strings::AddSection);
        } else if (kind < 12 && model_.GetStoryGraph().SectionCount() > 10) {
            frame_.Selection().SetCurrentSection(AnySection());
            Run(TarnGui::Strings::RemoveSection);
        } else if (kind < 16) {
            Renumber();
        } else if (kind < 17) {
            Run(TarnGui::Strings::ShuffleSections);
        } else if (kind < 32) {
            SetText();
        } else if (kind < 40) {
            SetSummary();
        } else if (kind < 52) {
            AddChoice();
        } else if (kind < 60) {
            ChangeChoice();
        } else if (kind < 64) {
            model_.SetSectionShiftableRecorded(AnySection(), Pick(2) == 0);
        } else if (kind < 66) {
            model_.SetNewPagePerSectionRecorded(Pick(2) == 0);
        } else if (kind < 68) {
            model_.SetMainFont(CommonLib::Font{L"Serif " + std::to_wstring(Pick(5)), 8 + static_cast<std::int32_t>(Pick(10))});
        } else if (kind < 85) {
            Run(TarnGui::Strings::EditUndo);
        } else {
            Run(TarnGui::Strings::EditRedo);
        }
    }

private:
    std::uint32_t Pick(std::uint32_t count) { return std::uniform_int_distribution<std::uint32_t>(0, count - 1)(random_); }
    void Run(unsigned command)
    {
        QAction* action = frame_.Action(command);
        if (action->isEnabled()) {
            action->trigger();
        }
    }
    std::uint32_t AnySection()
    {
        std::vector<std::uint32_t> numbers;
        model_.GetStoryGraph().VisitSections([&numbers](const TarnViewModel::Section& section) { numbers.push_back(section.number); });
        return numbers[Pick(static_cast<std::uint32_t>(numbers.size()))];
    }
    std::wstring Words()
    {
        static const std::wstring words[] = {L"torch", L"caf\u00e9", L"door", L"\u2603", L"dragon", L"\r\n", L"<gold>", L"&", L"stairs"};
        std::wstring text;
        for (std::uint32_t count = Pick(12); count > 0; --count) {
            text += words[Pick(9)] + L" ";
        }
        return text;
    }
    void Renumber()
    {
        const std::uint32_t from = AnySection();
        const std::uint32_t to = 1 + Pick(static_cast<std::uint32_t>(model_.GetStoryGraph().SectionCount()) + 20);
        if (model_.GetStoryGraph().HasSection(to)) {
            return;
        }
        auto command = std::make_unique<TarnViewModel::UpdatePropertyCommand2Args<unsigned int>>(
            [this](unsigned int a, unsigned int b) { model_.SetSectionNumber(a, b); }, from, to);
        command->Execute();
        model_.RecordCommand(std::move(command));
    }
    template <class Setter>
    void RecordText(std::uint32_t number, const std::wstring& old, Setter setter)
    {
        auto command = std::make_unique<TarnViewModel::UpdatePropertyCommand1Arg<const std::wstring&>>(
            [setter, number](const std::wstring& value) { setter(number, value); }, old, Words());
        command->Execute();
        model_.RecordCommand(std::move(command));
    }
    void SetText()
    {
        const std::uint32_t number = AnySection();
        RecordText(number, model_.GetStoryGraph().GetSection(number).text,
                   [this](std::uint32_t section, const std::wstring& text) { model_.SetSectionText(section, text); });
    }
    void SetSummary()
    {
        const std::uint32_t number = AnySection();
        RecordText(number, model_.GetStoryGraph().GetSection(number).summary,
                   [this](std::uint32_t section, const std::wstring& text) { model_.SetSectionSummary(section, text); });
    }
    void AddChoice()
    {
        const auto count = static_cast<std::uint32_t>(model_.GetStoryGraph().SectionCount());
        model_.AddChoiceTo(AnySection(), 1 + Pick(count + 3), Words(), Pick(5) == 0);
    }
    void ChangeChoice()
    {
        std::vector<TarnViewModel::Choice> choices;
        model_.GetStoryGraph().VisitSectionChoices(AnySection(), true,
                                                   [&choices](const TarnViewModel::Choice& choice) { choices.push_back(choice); });
        if (choices.empty()) {
            return;
        }
        const TarnViewModel::Choice& choice = choices[Pick(static_cast<std::uint32_t>(choices.size()))];
        switch (Pick(3)) {
        case 0:
            model_.EditChoice(choice.id, choice.destination, Words(), !choice.hidden);
            break;
        case 1:
            model_.SetChoiceOrder(static_cast<std::int32_t>(Pick(4)), choice.id);
            break;
        default:
            model_.DeleteChoices({choice.id});
            break;
        }
    }

    TarnGui::CMainFrame& frame_;
    TarnViewModel::TarnDataModel& model_;
    std::mt19937 random_;
};

}  // namespace TestSupport
