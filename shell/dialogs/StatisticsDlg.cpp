// SPDX-License-Identifier: MIT
#include "shell/dialogs/StatisticsDlg.h"

#include "analysis/BookStats.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>

namespace TarnGui {

namespace {

QString Count(std::uint64_t count)
{
    return QLocale().toString(static_cast<qulonglong>(count));
}

QString Path(const std::optional<std::uint32_t>& choices)
{
    if (!choices) {
        return QCoreApplication::translate("TarnGui::StatisticsDlg", "no ending is reached from section 1");
    }
    const int count = static_cast<int>(*choices);
    return QCoreApplication::translate("TarnGui::StatisticsDlg", "%Ln choice(s)", nullptr, count);
}

}  // namespace

StatisticsDlg::StatisticsDlg(const TarnViewModel::BookSnapshot& book, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Book Statistics"));
    setObjectName(QStringLiteral("BookStatistics"));
    const Analysis::BookStats stats = Analysis::CountBook(book);
    const std::uint64_t minutes = Analysis::ReadingMinutes(stats);

    auto* layout = new QFormLayout(this);
    const auto row = [&](const QString& name, const QString& label, const QString& value) {
        auto* shown = new QLabel(value, this);
        shown->setObjectName(name);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addRow(label, shown);
    };
    row(QStringLiteral("Sections"), tr("Sections:"), Count(stats.sections));
    row(QStringLiteral("Choices"), tr("Choices:"), Count(stats.choices));
    row(QStringLiteral("Hidden choices"), tr("Hidden choices:"), Count(stats.hiddenChoices));
    row(QStringLiteral("Words"), tr("Words:"), Count(stats.words));
    row(QStringLiteral("Reading time"), tr("Reading time:"),
        tr("about %Ln minute(s), at 200 words a minute", nullptr, static_cast<int>(minutes)));
    row(QStringLiteral("Endings"), tr("Endings:"), Count(stats.endings));
    row(QStringLiteral("Shortest path"), tr("Shortest path:"), Path(stats.shortestPath));
    row(QStringLiteral("Longest path"), tr("Longest path:"),
        Path(stats.longestPath) + (stats.loopsIgnored && stats.longestPath ? tr(", leaving out loops") : QString()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

}  // namespace TarnGui
