// SPDX-License-Identifier: MIT
#include "translation/Translated.h"

#include <QCoreApplication>

namespace Translation {

QString Translated(const Messages::Message& message)
{
    const std::optional<long long> count = message.CountOf();
    QString pattern = QCoreApplication::translate(message.Context(), message.Source(), nullptr, count ? static_cast<int>(*count) : -1);
    if (count && pattern == QLatin1String(message.Source())) {
        pattern = QString::fromStdString(Messages::EnglishPlural(message.Source(), *count));
    }
    std::vector<std::string> arguments;
    for (const Messages::Message::Argument& argument : message.Arguments()) {
        arguments.push_back(argument.message ? Translated(*argument.message).toStdString() : argument.text);
    }
    // Qt has filled in %n already; the count is passed again only for a text it left alone.
    return QString::fromStdString(Messages::FillArguments(pattern.toStdString(), arguments, count));
}

}  // namespace Translation
