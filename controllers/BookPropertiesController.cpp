// SPDX-License-Identifier: MIT
#include "controllers/BookPropertiesController.h"

#include "document/TarnDataModel.h"

namespace TarnViewModel {

BookPropertiesController::BookPropertiesController(TarnDataModel& model, IBookPropertiesView* view) : model_(model), view_(view)
{
    using CommonLib::FontType;
    connections_.emplace_back(model_.ConnectBookReset([this] { view_->ClearProperties(); }));
    connections_.emplace_back(model_.ConnectBookLoaded([this](const std::vector<Section>&, const std::vector<Choice>&) {
        const std::wstring& format = model_.GetChoiceFormat();
        ShowChoiceFormat(ChoiceTemplate{model_.GetChoiceTemplateName(format), format});
    }));
    connections_.emplace_back(model_.ConnectTitleChanged([this](const std::wstring& title) { view_->ShowTitle(title); }));
    connections_.emplace_back(model_.ConnectDetailsChanged([this](const BookDetails& details) { view_->ShowDetails(details); }));
    connections_.emplace_back(model_.ConnectFooterChanged([this](const std::wstring& footer) { view_->ShowFooter(footer); }));
    connections_.emplace_back(model_.ConnectNewPagePerSectionChanged([this](bool newPage) { view_->ShowNewPagePerSection(newPage); }));
    connections_.emplace_back(model_.ConnectFontChanged([this](const CommonLib::Font& font, FontType type) {
        switch (type) {
        case FontType::MainBook:
            view_->ShowMainFont(font);
            break;
        case FontType::Header:
            view_->ShowHeaderFont(font);
            break;
        case FontType::Footer:
            view_->ShowFooterFont(font);
            break;
        default:
            break;
        }
    }));
    connections_.emplace_back(model_.ConnectChoiceTemplateAdded(
        [this](const ChoiceTemplate& choiceTemplate) { view_->AddChoiceTemplateOption(choiceTemplate); }));
    connections_.emplace_back(
        model_.ConnectChoiceFormatChanged([this](const ChoiceTemplate& choiceTemplate) { ShowChoiceFormat(choiceTemplate); }));
}

void BookPropertiesController::ShowChoiceFormat(const ChoiceTemplate& choiceTemplate)
{
    view_->ShowChoiceFormat(choiceTemplate.name, choiceTemplate.format, choiceTemplate.name == L"custom");
}

}  // namespace TarnViewModel
