// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/ISectionView.h"

#include <QDockWidget>

namespace TarnViewModel {
class TarnDataModel;
}

namespace TarnGui {

class PropertyGrid;

// The selected section's number, summary, shiftable flag and colour, each edited as one
// undoable command.
class CSectionPropertiesPane : public QDockWidget, public TarnViewModel::ISectionPropertiesView {
    Q_OBJECT
public:
    enum Property { Number = 0, Summary = 1, Shiftable = 2, BackgroundColour = 3 };

    CSectionPropertiesPane(TarnViewModel::TarnDataModel& model, QWidget* parent);

    PropertyGrid* Grid() const { return grid_; }
    // Opens the summary for editing with the characters [start, start + length) selected.
    void SelectInSummary(std::size_t start, std::size_t length);

    void EnableProperties(bool enable) override;
    void ShowSectionNumber(std::uint32_t number) override;
    void ShowSummary(const std::wstring& summary) override;
    void ShowShiftable(bool shiftable) override;
    void ShowSectionColour(const CommonLib::ColourUtilities::RGBColour& colour) override;
    void ClearProperties() override;

private:
    void ChangeProperty(int id, const QVariant& value);
    void ChangeNumber(const QString& typed);

    TarnViewModel::TarnDataModel& model_;
    PropertyGrid* grid_;
    std::uint32_t shown_ = 0;
};

}  // namespace TarnGui
