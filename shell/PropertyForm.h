#pragma once

#include <QFormLayout>
#include <QLabel>
#include <QWidget>

namespace TarnGui {

// A value row of a property pane's form.
inline QLabel* AddPropertyRow(QFormLayout* form, const QString& name)
{
    auto* value = new QLabel(form->parentWidget());
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setWordWrap(true);
    form->addRow(name, value);
    return value;
}

inline QString YesNo(bool value)
{
    return value ? QStringLiteral("Yes") : QStringLiteral("No");
}

}  // namespace TarnGui
