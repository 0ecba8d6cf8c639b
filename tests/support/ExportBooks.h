// SPDX-License-Identifier: MIT
#pragma once

#include "document/ChoiceTemplates.h"
#include "document/TarnDataModel.h"

#include <memory>

namespace TestSupport {

// The book behind the hand-written expected exports: a gap in the numbering, a hidden
// choice, a section without choices, one with only a hidden choice, a loop, line breaks
// in texts and in a choice, a choice without a text, markup and Rich Text control characters, an accented letter
// and a character outside the Basic Multilingual Plane.
inline std::unique_ptr<TarnViewModel::TarnDataModel> MakeExportBook()
{
    auto model = std::make_unique<TarnViewModel::TarnDataModel>();
    model->NewBook(L"Caf\u00e9 <Quest> & {Co}/1", L"The End\r\nby A & B");
    model->SetChoiceFormat(TarnViewModel::TurnToFormat);
    model->SetAuthor(L"Ann \"A\" <Smith> & Co");
    model->SetLanguage(L"en-GB");
    model->CreateSection(3, L"");
    model->CreateSection(5, L"");
    model->SetSectionText(1, L"Start \"here\".\r\nA dragon \U0001F409 waits\\");
    model->SetSectionText(3, L"Dead end.\r\n\r\nNo way on.");
    model->AddChoiceTo(1, 3, L"Go <b>north</b>", false);
    model->AddChoiceTo(1, 5, L"Secret", true);
    model->AddChoiceTo(1, 1, L"Wait\r\nlonger", false);
    model->AddChoiceTo(5, 1, L"Back", true);
    model->AddChoiceTo(1, 5, L"", false);
    return model;
}

// Texts that ChoiceScript would read as commands, options, indentation, substitutions or
// markup, and choices without a text.
inline std::unique_ptr<TarnViewModel::TarnDataModel> MakeHostileChoiceScriptBook()
{
    auto model = std::make_unique<TarnViewModel::TarnDataModel>();
    model->NewBook(L"Hostile", L"");
    model->SetChoiceFormat(TarnViewModel::TurnToFormat);
    model->CreateSection(2, L"");
    model->CreateSection(3, L"");
    model->SetSectionText(1, L"*finish\r\n  *goto 99\r\n\t#not an option\r\n"
                             L"Pay ${gold} or $!{name} or $!!{x} and @{flag yes|no}.\r\n"
                             L"[b]bold[/b] [i]it[/i] line[n/]break, $5, @home, [url] and [x].\r\n   \r\n*ending");
    model->SetSectionText(3, L"The end.");
    model->AddChoiceTo(1, 2, L"", false);
    model->AddChoiceTo(1, 3, L"  ${x} #hash *star", false);
    model->AddChoiceTo(1, 2, L"# [b]Secret", true);
    model->AddChoiceTo(2, 3, L"\t", false);
    return model;
}

// The book behind the hand-written Twee: the export book, and a section whose text reads
// like headers and links and ends in blank lines, with a summary and a choice text no link
// can hold.
inline std::unique_ptr<TarnViewModel::TarnDataModel> MakeTweeBook()
{
    auto model = MakeExportBook();
    model->CreateSection(7, L"");
    model->SetSectionText(7, L":: Not a header\r\n\\:: escaped\r\n[[not a link]]\r\n\r\n");
    model->SetSectionSummary(7, L"Say \"hi\"\r\nthen go");
    model->AddChoiceTo(7, 3, L"a]]b->c", false);
    model->AddChoiceTo(7, 1, L"", true);
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
