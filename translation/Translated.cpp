// SPDX-License-Identifier: MIT
#include "translation/Translated.h"

#include <QCoreApplication>
#include <QTranslator>

#include <functional>

namespace Translation {

namespace {

using Lookup = std::function<QString(const char* context, const char* source, int count)>;

QString TranslatedBy(const Messages::Message& message, const Lookup& lookup)
{
    const std::optional<long long> count = message.CountOf();
    QString pattern = lookup(message.Context(), message.Source(), count ? static_cast<int>(*count) : -1);
    if (pattern.isEmpty()) {
        pattern = QString::fromUtf8(message.Source());
    }
    if (count && pattern == QLatin1String(message.Source())) {
        pattern = QString::fromStdString(Messages::EnglishPlural(message.Source(), *count));
    }
    std::vector<std::string> arguments;
    for (const Messages::Message::Argument& argument : message.Arguments()) {
        arguments.push_back(argument.message ? TranslatedBy(*argument.message, lookup).toStdString() : argument.text);
    }
    // Qt has filled in %n already; the count is passed again only for a text it left alone.
    return QString::fromStdString(Messages::FillArguments(pattern.toStdString(), arguments, count));
}

}  // namespace

QString Translated(const Messages::Message& message)
{
    return TranslatedBy(message, [](const char* context, const char* source, int count) {
        return QCoreApplication::translate(context, source, nullptr, count);
    });
}

QString Translated(const Messages::Message& message, const QTranslator& translator)
{
    return TranslatedBy(message, [&translator](const char* context, const char* source, int count) {
        return translator.translate(context, source, nullptr, count);
    });
}

}  // namespace Translation
