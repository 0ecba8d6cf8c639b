// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IBookPropertiesView.h"

#include <QDockWidget>

#include <functional>
#include <map>

namespace TarnViewModel {
class TarnDataModel;
}

namespace TarnGui {

class PropertyGrid;

// The book's title, author, language, footer, fonts, page setting and choice format, each edited as one
// undoable command.
class CBookPropertiesPane : public QDockWidget, public TarnViewModel::IBookPropertiesView {
    Q_OBJECT
public:
    enum Property {
        Title = 0,
        Footer = 1,
        MainFont = 2,
        HeaderFont = 3,
        FooterFont = 4,
        NewPagePerSection = 5,
        ChoiceFormatName = 6,
        ChoiceFormat = 7,
        Author = 8,
        Language = 9,
        Identifier = 10
    };

    CBookPropertiesPane(TarnViewModel::TarnDataModel& model, QWidget* parent);

    PropertyGrid* Grid() const { return grid_; }

    void ShowTitle(const std::wstring& title) override;
    void ShowDetails(const TarnViewModel::BookDetails& details) override;
    void ShowFooter(const std::wstring& footer) override;
    void ClearProperties() override;
    void ShowMainFont(const CommonLib::Font& font) override;
    void ShowHeaderFont(const CommonLib::Font& font) override;
    void ShowFooterFont(const CommonLib::Font& font) override;
    void ShowNewPagePerSection(bool newPage) override;
    void AddChoiceTemplateOption(const TarnViewModel::ChoiceTemplate& choiceTemplate) override;
    void ShowChoiceFormat(const std::wstring& name, const std::wstring& format, bool editable) override;

private:
    void ChangeProperty(int id, const QVariant& value);
    using TextSetter = std::function<void(const std::wstring&)>;
    void ChangeText(const std::wstring& old, const std::wstring& typed, const TextSetter& setter);
    void ChangeFont(Property property, const CommonLib::Font& font);
    // The document's font for the one the user chose: its family and its size in points.
    CommonLib::Font ChosenFont(const QFont& font) const;

    TarnViewModel::TarnDataModel& model_;
    PropertyGrid* grid_;
    static QString ShownTemplateName(const std::wstring& name);

    // The templates by the names shown.
    std::map<std::wstring, TarnViewModel::ChoiceTemplate> templates_;
};

}  // namespace TarnGui
