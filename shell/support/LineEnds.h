// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace TarnGui {

// The document keeps CR LF between lines; Qt's text boxes keep LF.
inline QString ToWidgetLineEnds(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

inline QString ToDocumentLineEnds(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

}  // namespace TarnGui
