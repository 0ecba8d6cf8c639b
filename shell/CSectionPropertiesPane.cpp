#include "shell/CSectionPropertiesPane.h"

#include "shell/PropertyForm.h"
#include "shell/QtText.h"
#include "shell/StringTable.h"

namespace TarnGui {

CSectionPropertiesPane::CSectionPropertiesPane(QWidget* parent) : QDockWidget(LoadString(Strings::SectionCaption), parent)
{
    setObjectName(QStringLiteral("SectionPropertiesPane"));
    auto* content = new QWidget(this);
    content->setFocusPolicy(Qt::StrongFocus);
    auto* form = new QFormLayout(content);
    number_ = AddPropertyRow(form, QStringLiteral("Number"));
    summary_ = AddPropertyRow(form, QStringLiteral("Summary"));
    shiftable_ = AddPropertyRow(form, QStringLiteral("Shiftable"));
    colour_ = AddPropertyRow(form, QStringLiteral("Colour"));
    setWidget(content);
    ClearProperties();
}

void CSectionPropertiesPane::EnableProperties(bool enable)
{
    widget()->setEnabled(enable);
}

void CSectionPropertiesPane::ShowSectionNumber(std::uint32_t number)
{
    number_->setText(QString::number(number));
}

void CSectionPropertiesPane::ShowSummary(const std::wstring& summary)
{
    summary_->setText(ToQString(summary));
}

void CSectionPropertiesPane::ShowShiftable(bool shiftable)
{
    shiftable_->setText(YesNo(shiftable));
}

void CSectionPropertiesPane::ShowSectionColour(const CommonLib::ColourUtilities::RGBColour& colour)
{
    colour_->setText(ToQString(CommonLib::ColourUtilities::ToString(colour)));
}

void CSectionPropertiesPane::ClearProperties()
{
    for (QLabel* value : {number_, summary_, shiftable_, colour_}) {
        value->clear();
    }
    EnableProperties(false);
}

}  // namespace TarnGui
