// SPDX-License-Identifier: MIT
#include "shell/flowchart/FlowchartAccessible.h"

#include "shell/flowchart/CFlowchart.h"

#include <mutex>

namespace TarnGui {

FlowchartAccessible::FlowchartAccessible(CFlowchart* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}

const CFlowchart& FlowchartAccessible::Chart() const
{
    return *static_cast<const CFlowchart*>(widget());
}

QString FlowchartAccessible::text(QAccessible::Text kind) const
{
    switch (kind) {
    case QAccessible::Name:
        return Chart().Ringed() ? CFlowchart::tr("Flowchart, section %1").arg(*Chart().Ringed()) : CFlowchart::tr("Flowchart");
    case QAccessible::Description:
        return Chart().AccessibleDescription();
    default:
        return QAccessibleWidget::text(kind);
    }
}

void FlowchartAccessible::Register()
{
    static std::once_flag once;
    std::call_once(once, [] {
        QAccessible::installFactory([](const QString& key, QObject* object) -> QAccessibleInterface* {
            auto* chart = qobject_cast<CFlowchart*>(object);
            return key == QLatin1String(CFlowchart::staticMetaObject.className()) && chart != nullptr ? new FlowchartAccessible(chart)
                                                                                                      : nullptr;
        });
    });
}

}  // namespace TarnGui
