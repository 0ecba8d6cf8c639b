// SPDX-License-Identifier: MIT
#include "shell/dialogs/StatisticsDlg.h"

#include "analysis/BookStats.h"

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
        return QStringLiteral("no ending is reached from section 1");
    }
    return *choices == 1 ? QStringLiteral("1 choice") : QStringLiteral("%1 choices").arg(Count(*choices));
}

}  // namespace

StatisticsDlg::StatisticsDlg(const TarnViewModel::BookSnapshot& book, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Book Statistics"));
    setObjectName(QStringLiteral("BookStatistics"));
    const Analysis::BookStats stats = Analysis::CountBook(book);
    const std::uint64_t minutes = Analysis::ReadingMinutes(stats);

    auto* layout = new QFormLayout(this);
    const auto row = [&](const QString& name, const QString& value) {
        auto* shown = new QLabel(value, this);
        shown->setObjectName(name);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addRow(name + QLatin1Char(':'), shown);
    };
    row(QStringLiteral("Sections"), Count(stats.sections));
    row(QStringLiteral("Choices"), Count(stats.choices));
    row(QStringLiteral("Hidden choices"), Count(stats.hiddenChoices));
    row(QStringLiteral("Words"), Count(stats.words));
    row(QStringLiteral("Reading time"), minutes == 1 ? QStringLiteral("about 1 minute, at 200 words a minute")
                                                     : QStringLiteral("about %1 minutes, at 200 words a minute").arg(Count(minutes)));
    row(QStringLiteral("Endings"), Count(stats.endings));
    row(QStringLiteral("Shortest path"), Path(stats.shortestPath));
    row(QStringLiteral("Longest path"),
        Path(stats.longestPath) + (stats.loopsIgnored && stats.longestPath ? QStringLiteral(", leaving out loops") : QString()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

}  // namespace TarnGui
