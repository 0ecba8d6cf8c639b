#pragma once

#include "document/ChoiceTemplates.h"
#include "document/TarnDataModel.h"

#include <memory>

namespace TestSupport {

// The book behind the hand-written expected exports: a gap in the numbering, a hidden
// choice, a section without choices, one with only a hidden choice, a loop, line breaks
// in texts and in a choice, markup and Rich Text control characters, an accented letter
// and a character outside the Basic Multilingual Plane.
inline std::unique_ptr<TarnViewModel::TarnDataModel> MakeExportBook()
{
    auto model = std::make_unique<TarnViewModel::TarnDataModel>();
    model->NewBook(L"Caf\u00e9 <Quest> & {Co}/1", L"The End\r\nby A & B");
    model->SetChoiceFormat(TarnViewModel::TurnToFormat);
    model->CreateSection(3, L"");
    model->CreateSection(5, L"");
    model->SetSectionText(1, L"Start \"here\".\r\nA dragon \U0001F409 waits\\");
    model->SetSectionText(3, L"Dead end.\r\n\r\nNo way on.");
    model->AddChoiceTo(1, 3, L"Go <b>north</b>", false);
    model->AddChoiceTo(1, 5, L"Secret", true);
    model->AddChoiceTo(1, 1, L"Wait\r\nlonger", false);
    model->AddChoiceTo(5, 1, L"Back", true);
    return model;
}

// A book without any section.
inline std::unique_ptr<TarnViewModel::TarnDataModel> MakeEmptyBook(const std::wstring& footer)
{
    auto model = std::make_unique<TarnViewModel::TarnDataModel>();
    model->NewBook(L"Empty", footer);
    model->DeleteSectionAndChoices(1);
    return model;
}

}  // namespace TestSupport
