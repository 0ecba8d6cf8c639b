#include "shell/mainframe/CMainFrame.h"

#include "document/TarnDataModel.h"
#include "shell/dialogs/StatisticsDlg.h"
#include "shell/support/ErrorBoundary.h"

#include <QInputDialog>

#include <limits>

namespace TarnGui {

void CMainFrame::OnGoToSection()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        bool accepted = false;
        const QString typed = QInputDialog::getText(this, QStringLiteral("Go to Section"), QStringLiteral("Section number:"),
                                                    QLineEdit::Normal, QString(), &accepted);
        if (!accepted) {
            return;
        }
        // Whatever is not a number from 1 to the highest is refused as the document refuses it.
        bool isNumber = false;
        const qulonglong number = typed.trimmed().toULongLong(&isNumber);
        model_.GoToSection(!isNumber ? 0
                                     : static_cast<std::uint32_t>(std::min<qulonglong>(
                                           number, TarnViewModel::TarnDataModel::HighestNumber + 1ULL)));
    });
}

void CMainFrame::OnBookStatistics()
{
    RunGuarded(this, [this] {
        CommitTypedText();
        StatisticsDlg statistics(model_.GetStoryGraph(), this);
        statistics.exec();
    });
}

}  // namespace TarnGui
