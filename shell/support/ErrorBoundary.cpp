// SPDX-License-Identifier: MIT
#include "shell/support/ErrorBoundary.h"

#include "shell/support/StringTable.h"

#include "messages/MessageError.h"
#include "translation/Translated.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace TarnGui {

void ShowErrorMessage(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, LoadString(Strings::ApplicationTitle), message);
}

QString ParseErrorMessage(const boost::property_tree::file_parser_error& error)
{
    return QCoreApplication::translate("TarnGui::ErrorBoundary",
                                       "Cannot open \"%1\", line %2: it is not a book this program can read, or it has been "
                                       "damaged (%3).")
        .arg(QString::fromLocal8Bit(error.filename()), QString::number(error.line()), QString::fromLocal8Bit(error.message()));
}

QString FailureMessage(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const Messages::MessageError& error) {
        return Translation::Translated(error.Said());
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    } catch (...) {
        return QCoreApplication::translate("TarnGui::ErrorBoundary", "An unexpected error occurred.");
    }
}

}  // namespace TarnGui
