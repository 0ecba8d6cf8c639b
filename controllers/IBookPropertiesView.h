// SPDX-License-Identifier: MIT
#pragma once

#include "document/BookDetails.h"
#include "document/ChoiceTemplate.h"
#include "document/Font.h"

#include <string>

namespace TarnViewModel {

// The book properties pane.
class IBookPropertiesView {
public:
    virtual ~IBookPropertiesView() = default;
    virtual void ShowTitle(const std::wstring& title) = 0;
    virtual void ShowDetails(const BookDetails& details) = 0;
    virtual void ShowFooter(const std::wstring& footer) = 0;
    virtual void ClearProperties() = 0;
    virtual void ShowMainFont(const CommonLib::Font& font) = 0;
    virtual void ShowHeaderFont(const CommonLib::Font& font) = 0;
    virtual void ShowFooterFont(const CommonLib::Font& font) = 0;
    virtual void ShowNewPagePerSection(bool newPage) = 0;
    virtual void AddChoiceTemplateOption(const ChoiceTemplate& choiceTemplate) = 0;
    virtual void ShowChoiceFormat(const std::wstring& name, const std::wstring& format, bool editable) = 0;
};

}  // namespace TarnViewModel
