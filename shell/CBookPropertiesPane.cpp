#include "shell/CBookPropertiesPane.h"

#include "shell/PropertyForm.h"
#include "shell/QtText.h"
#include "shell/StringTable.h"

namespace TarnGui {

namespace {

QString FontText(const CommonLib::Font& font)
{
    return QStringLiteral("%1, %2").arg(ToQString(font.faceName)).arg(font.size);
}

}  // namespace

CBookPropertiesPane::CBookPropertiesPane(QWidget* parent) : QDockWidget(LoadString(Strings::GamebookCaption), parent)
{
    setObjectName(QStringLiteral("BookPropertiesPane"));
    auto* content = new QWidget(this);
    content->setFocusPolicy(Qt::StrongFocus);
    auto* form = new QFormLayout(content);
    title_ = AddPropertyRow(form, QStringLiteral("Title"));
    footer_ = AddPropertyRow(form, QStringLiteral("Footer"));
    mainFont_ = AddPropertyRow(form, QStringLiteral("Main font"));
    headerFont_ = AddPropertyRow(form, QStringLiteral("Header font"));
    footerFont_ = AddPropertyRow(form, QStringLiteral("Footer font"));
    newPage_ = AddPropertyRow(form, QStringLiteral("New page per section"));
    choiceFormat_ = AddPropertyRow(form, QStringLiteral("Choice format"));
    setWidget(content);
}

void CBookPropertiesPane::ShowTitle(const std::wstring& title)
{
    title_->setText(ToQString(title));
}

void CBookPropertiesPane::ShowFooter(const std::wstring& footer)
{
    footer_->setText(ToQString(footer));
}

void CBookPropertiesPane::ClearProperties()
{
    for (QLabel* value : {title_, footer_, mainFont_, headerFont_, footerFont_, newPage_, choiceFormat_}) {
        value->clear();
    }
}

void CBookPropertiesPane::ShowMainFont(const CommonLib::Font& font)
{
    mainFont_->setText(FontText(font));
}

void CBookPropertiesPane::ShowHeaderFont(const CommonLib::Font& font)
{
    headerFont_->setText(FontText(font));
}

void CBookPropertiesPane::ShowFooterFont(const CommonLib::Font& font)
{
    footerFont_->setText(FontText(font));
}

void CBookPropertiesPane::ShowNewPagePerSection(bool newPage)
{
    newPage_->setText(YesNo(newPage));
}

void CBookPropertiesPane::AddChoiceTemplateOption(const TarnViewModel::ChoiceTemplate&) {}

void CBookPropertiesPane::ShowChoiceFormat(const std::wstring& name, const std::wstring& format, bool)
{
    choiceFormat_->setText(QStringLiteral("%1: %2").arg(ToQString(name), ToQString(format)));
}

}  // namespace TarnGui
