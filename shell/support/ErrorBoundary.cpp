#include "shell/support/ErrorBoundary.h"

#include "shell/support/StringTable.h"

#include <QMessageBox>

namespace TarnGui {

void ShowErrorMessage(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, LoadString(Strings::ApplicationTitle), message);
}

}  // namespace TarnGui
