// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

namespace TarnGui {

class CFlowchart;

// What a screen reader says of the chart: its name with the selected section, and as its
// description that section's summary and where its choices lead.
class FlowchartAccessible : public QAccessibleWidget {
public:
    explicit FlowchartAccessible(CFlowchart* chart);

    QString text(QAccessible::Text kind) const override;

    // Has Qt make this interface for every chart.
    static void Register();

private:
    const CFlowchart& Chart() const;
};

}  // namespace TarnGui
