#pragma once

#include "controllers/ISectionView.h"

#include <QDockWidget>

class QLabel;

namespace TarnGui {

// The selected section's number, summary, shiftable flag and colour.
class CSectionPropertiesPane : public QDockWidget, public TarnViewModel::ISectionPropertiesView {
    Q_OBJECT
public:
    explicit CSectionPropertiesPane(QWidget* parent);

    void EnableProperties(bool enable) override;
    void ShowSectionNumber(std::uint32_t number) override;
    void ShowSummary(const std::wstring& summary) override;
    void ShowShiftable(bool shiftable) override;
    void ShowSectionColour(const CommonLib::ColourUtilities::RGBColour& colour) override;
    void ClearProperties() override;

private:
    QLabel* number_;
    QLabel* summary_;
    QLabel* shiftable_;
    QLabel* colour_;
};

}  // namespace TarnGui
