// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QWidget>

#include <boost/property_tree/detail/file_parser_error.hpp>

#include <exception>
#include <utility>

namespace TarnGui {

// Shows an error in a message box captioned with the application title.
void ShowErrorMessage(QWidget* parent, const QString& message);

// What a file that could not be parsed says to the author: its name, the line, and the
// parser's own words last.
QString ParseErrorMessage(const boost::property_tree::file_parser_error& error);

// The message of a failure carried from another thread.
QString FailureMessage(std::exception_ptr failure);

// Runs a user command, catching whatever it throws so that no exception reaches Qt's event
// loop; the message is shown to the user. True when the command ran to its end.
template <class Command>
bool RunGuarded(QWidget* parent, Command&& command)
{
    try {
        std::forward<Command>(command)();
        return true;
    } catch (const boost::property_tree::file_parser_error& error) {
        ShowErrorMessage(parent, ParseErrorMessage(error));
    } catch (const std::exception& error) {
        ShowErrorMessage(parent, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowErrorMessage(parent, QCoreApplication::translate("TarnGui::ErrorBoundary", "An unexpected error occurred."));
    }
    return false;
}

}  // namespace TarnGui
