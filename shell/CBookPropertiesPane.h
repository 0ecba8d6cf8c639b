#pragma once

#include "controllers/IBookPropertiesView.h"

#include <QDockWidget>

class QLabel;

namespace TarnGui {

// The book's title, footer, fonts, page setting and choice format.
class CBookPropertiesPane : public QDockWidget, public TarnViewModel::IBookPropertiesView {
    Q_OBJECT
public:
    explicit CBookPropertiesPane(QWidget* parent);

    void ShowTitle(const std::wstring& title) override;
    void ShowFooter(const std::wstring& footer) override;
    void ClearProperties() override;
    void ShowMainFont(const CommonLib::Font& font) override;
    void ShowHeaderFont(const CommonLib::Font& font) override;
    void ShowFooterFont(const CommonLib::Font& font) override;
    void ShowNewPagePerSection(bool newPage) override;
    void AddChoiceTemplateOption(const TarnViewModel::ChoiceTemplate& choiceTemplate) override;
    void ShowChoiceFormat(const std::wstring& name, const std::wstring& format, bool editable) override;

private:
    QLabel* title_;
    QLabel* footer_;
    QLabel* mainFont_;
    QLabel* headerFont_;
    QLabel* footerFont_;
    QLabel* newPage_;
    QLabel* choiceFormat_;
};

}  // namespace TarnGui
