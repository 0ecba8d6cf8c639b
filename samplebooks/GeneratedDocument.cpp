// SPDX-License-Identifier: MIT
#include "samplebooks/GeneratedDocument.h"

namespace SampleBooks {

std::unique_ptr<TarnViewModel::TarnDataModel> MakeDocument(const GeneratedBook& book)
{
    auto model = std::make_unique<TarnViewModel::TarnDataModel>();
    model->NewBook(L"Untitled", L"");
    for (const auto& section : book.sections) {
        if (section.number != 1) {
            model->AddSection(section);
        } else {
            model->SetSectionText(1, section.text);
        }
    }
    for (const auto& choice : book.choices) {
        model->AddChoice(choice);
    }
    return model;
}

}  // namespace SampleBooks
