// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>

namespace Drawing {

// The document's wide strings hold one code point per character; Qt holds UTF-16.
inline QString ToQString(const std::wstring& text)
{
    return QString::fromStdWString(text);
}

inline std::wstring ToWString(const QString& text)
{
    return text.toStdWString();
}

}  // namespace Drawing
