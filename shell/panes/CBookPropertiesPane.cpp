// SPDX-License-Identifier: MIT
#include "shell/panes/CBookPropertiesPane.h"

#include "commands/UpdatePropertyCommand.h"
#include "document/TarnDataModel.h"
#include "drawing/QtText.h"
#include "drawing/UnexpectedValueException.h"
#include "shell/panes/PropertyGrid.h"
#include "shell/support/ErrorBoundary.h"
#include "shell/support/StringTable.h"

#include <QFont>
#include <QTreeWidget>

#include <boost/uuid/uuid_io.hpp>

#include <cmath>

namespace TarnGui {

namespace {

QFont ShownFont(const CommonLib::Font& font)
{
    QFont shown(Drawing::ToQString(font.faceName));
    if (font.size > 0) {
        shown.setPointSize(font.size);
    }
    return shown;
}

}  // namespace

CBookPropertiesPane::CBookPropertiesPane(TarnViewModel::TarnDataModel& model, QWidget* parent)
    : QDockWidget(LoadString(Strings::GamebookCaption), parent), model_(model), grid_(new PropertyGrid(this))
{
    setObjectName(QStringLiteral("BookPropertiesPane"));
    grid_->Tree()->setAccessibleName(windowTitle());
    grid_->AddGroup(LoadString(Strings::BookDetails));
    grid_->AddProperty(Title, PropertyKind::Text, LoadString(Strings::BookTitle), LoadString(Strings::BookTitleInfo));
    grid_->AddProperty(Author, PropertyKind::Text, LoadString(Strings::BookAuthor), LoadString(Strings::BookAuthorInfo));
    grid_->AddProperty(Language, PropertyKind::Text, LoadString(Strings::BookLanguage), LoadString(Strings::BookLanguageInfo));
    grid_->AddProperty(Identifier, PropertyKind::Text, LoadString(Strings::BookIdentifier), LoadString(Strings::BookIdentifierInfo));
    grid_->SetEditable(Identifier, false);
    grid_->AddProperty(Footer, PropertyKind::Text, LoadString(Strings::BookFooter), LoadString(Strings::BookFooterInfo));
    grid_->AddGroup(LoadString(Strings::BookStyles));
    grid_->AddProperty(MainFont, PropertyKind::Font, LoadString(Strings::MainFont), LoadString(Strings::MainFontInfo));
    grid_->AddProperty(HeaderFont, PropertyKind::Font, LoadString(Strings::HeaderFont), LoadString(Strings::HeaderFontInfo));
    grid_->AddProperty(FooterFont, PropertyKind::Font, LoadString(Strings::FooterFont), LoadString(Strings::FooterFontInfo));
    grid_->AddGroup(LoadString(Strings::BookLayout));
    grid_->AddProperty(NewPagePerSection, PropertyKind::Boolean, LoadString(Strings::NewPagePerSection),
                       LoadString(Strings::NewPagePerSectionInfo));
    grid_->AddGroup(LoadString(Strings::ChoiceFormatGroup));
    grid_->AddProperty(ChoiceFormatName, PropertyKind::List, LoadString(Strings::ChoiceFormatName),
                       LoadString(Strings::ChoiceFormatNameInfo));
    grid_->AddProperty(ChoiceFormat, PropertyKind::Text, LoadString(Strings::ChoiceFormat), LoadString(Strings::ChoiceFormatInfo));
    setWidget(grid_);
    connect(grid_, &PropertyGrid::PropertyChanged, this, [this](int id, const QVariant& value) {
        if (!RunGuarded(this, [&] { ChangeProperty(id, value); })) {
            // A refused language gives way to the book's own.
            ShowDetails(model_.GetDetails());
        }
    });
}

void CBookPropertiesPane::ShowTitle(const std::wstring& title)
{
    grid_->SetValue(Title, Drawing::ToQString(title));
}

void CBookPropertiesPane::ShowDetails(const TarnViewModel::BookDetails& details)
{
    grid_->SetValue(Author, Drawing::ToQString(details.author));
    grid_->SetValue(Language, Drawing::ToQString(details.language));
    grid_->SetValue(Identifier, QString::fromStdString(boost::uuids::to_string(details.identifier)));
}

void CBookPropertiesPane::ShowFooter(const std::wstring& footer)
{
    grid_->SetValue(Footer, Drawing::ToQString(footer));
}

// The book announces its fonts before it announces the reset, so they stay as shown.
void CBookPropertiesPane::ClearProperties()
{
    for (const Property property : {Title, Author, Language, Identifier, Footer, NewPagePerSection, ChoiceFormatName, ChoiceFormat}) {
        grid_->ClearValue(property);
    }
    grid_->ClearOptions(ChoiceFormatName);
    templates_.clear();
}

void CBookPropertiesPane::ShowMainFont(const CommonLib::Font& font)
{
    grid_->SetValue(MainFont, ShownFont(font));
}

void CBookPropertiesPane::ShowHeaderFont(const CommonLib::Font& font)
{
    grid_->SetValue(HeaderFont, ShownFont(font));
}

void CBookPropertiesPane::ShowFooterFont(const CommonLib::Font& font)
{
    grid_->SetValue(FooterFont, ShownFont(font));
}

void CBookPropertiesPane::ShowNewPagePerSection(bool newPage)
{
    grid_->SetValue(NewPagePerSection, newPage);
}

// A predefined template's name as the author reads it; the book keeps it in English.
QString CBookPropertiesPane::ShownTemplateName(const std::wstring& name)
{
    static const char* const predefined[] = {QT_TR_NOOP("dash"), QT_TR_NOOP("turn to"), QT_TR_NOOP("parenthesis"), QT_TR_NOOP("squares"),
                                             QT_TR_NOOP("custom")};
    const QString plain = Drawing::ToQString(name);
    for (const char* known : predefined) {
        if (plain == QLatin1String(known)) {
            return tr(known);
        }
    }
    return plain;
}

void CBookPropertiesPane::AddChoiceTemplateOption(const TarnViewModel::ChoiceTemplate& choiceTemplate)
{
    const QString shown = ShownTemplateName(choiceTemplate.name);
    if (templates_.emplace(Drawing::ToWString(shown), choiceTemplate).second) {
        grid_->AddOption(ChoiceFormatName, shown);
    }
}

void CBookPropertiesPane::ShowChoiceFormat(const std::wstring& name, const std::wstring& format, bool editable)
{
    grid_->SetValue(ChoiceFormatName, ShownTemplateName(name));
    grid_->SetValue(ChoiceFormat, Drawing::ToQString(format));
    grid_->SetEditable(ChoiceFormat, editable);
}

void CBookPropertiesPane::ChangeProperty(int id, const QVariant& value)
{
    const auto setTitle = [this](const std::wstring& text) { model_.SetTitle(text); };
    const auto setAuthor = [this](const std::wstring& text) { model_.SetAuthor(text); };
    const auto setLanguage = [this](const std::wstring& text) { model_.SetLanguage(text); };
    const auto setFooter = [this](const std::wstring& text) { model_.SetFooter(text); };
    const auto setFormat = [this](const std::wstring& text) { model_.SetChoiceFormat(text); };
    switch (id) {
    case Title:
        ChangeText(model_.GetTitle(), Drawing::ToWString(value.toString()), setTitle);
        return;
    case Author:
        ChangeText(model_.GetDetails().author, Drawing::ToWString(value.toString()), setAuthor);
        return;
    case Language:
        ChangeText(model_.GetDetails().language, Drawing::ToWString(value.toString()), setLanguage);
        return;
    case Footer:
        ChangeText(model_.GetFooter(), Drawing::ToWString(value.toString()), setFooter);
        return;
    case MainFont:
    case HeaderFont:
    case FooterFont:
        ChangeFont(static_cast<Property>(id), ChosenFont(value.value<QFont>()));
        return;
    case NewPagePerSection:
        if (value.toBool() != model_.GetNewPagePerSection()) {
            model_.SetNewPagePerSectionRecorded(value.toBool());
        }
        return;
    case ChoiceFormatName: {
        const auto found = templates_.find(Drawing::ToWString(value.toString()));
        if (found != templates_.end()) {
            ChangeText(model_.GetChoiceFormat(), found->second.format, setFormat);
        }
        return;
    }
    case ChoiceFormat:
        ChangeText(model_.GetChoiceFormat(), Drawing::ToWString(value.toString()), setFormat);
        return;
    default:
        throw Drawing::UnexpectedValueException(BRINDLE_TEXT("PropertyGrid", "Don't know what to do with this property"));
    }
}

void CBookPropertiesPane::ChangeText(const std::wstring& old, const std::wstring& typed, const TextSetter& setter)
{
    if (typed == old) {
        return;
    }
    auto command = std::make_unique<TarnViewModel::UpdatePropertyCommand<const std::wstring&>>(setter, old, typed);
    command->Execute();
    model_.RecordCommand(std::move(command));
}

void CBookPropertiesPane::ChangeFont(Property property, const CommonLib::Font& font)
{
    switch (property) {
    case MainFont:
        if (font != model_.GetFont(CommonLib::FontType::MainBook)) {
            model_.SetMainFont(font);
        }
        return;
    case HeaderFont:
        if (font != model_.GetFont(CommonLib::FontType::Header)) {
            model_.SetHeaderFont(font);
        }
        return;
    default:
        if (font != model_.GetFont(CommonLib::FontType::Footer)) {
            model_.SetFooterFont(font);
        }
        return;
    }
}

CommonLib::Font CBookPropertiesPane::ChosenFont(const QFont& font) const
{
    const int points = font.pointSize() > 0 ? font.pointSize() : static_cast<int>(std::lround(font.pixelSize() * 72.0 / logicalDpiY()));
    return {Drawing::ToWString(font.family()), points};
}

}  // namespace TarnGui
