// SPDX-License-Identifier: MIT
#include "export/JsonTextWriter.h"

namespace TarnViewModel {

void JsonTextWriter::StartObject(const char* key)
{
    BeginValue(key);
    text_ += '{';
    levels_.push_back({'}', false});
}

void JsonTextWriter::StartArray(const char* key)
{
    BeginValue(key);
    text_ += '[';
    levels_.push_back({']', false});
}

void JsonTextWriter::EmptyArray(const char* key)
{
    BeginValue(key);
    text_ += "[]";
}

void JsonTextWriter::Member(const char* key, const std::string& utf8Value)
{
    BeginValue(key);
    text_ += '"';
    text_ += JsonEscaped(utf8Value);
    text_ += '"';
}

void JsonTextWriter::End()
{
    const Level level = levels_.back();
    levels_.pop_back();
    text_ += '\n';
    text_.append(4 * levels_.size(), ' ');
    text_ += level.closer;
    if (levels_.empty()) {
        text_ += '\n';
    }
}

void JsonTextWriter::BeginValue(const char* key)
{
    if (levels_.empty()) {
        return;
    }
    text_ += levels_.back().filled ? ",\n" : "\n";
    levels_.back().filled = true;
    text_.append(4 * levels_.size(), ' ');
    if (key != nullptr) {
        text_ += '"';
        text_ += key;
        text_ += "\": ";
    }
}

// Byte by byte: UTF-8 passes unchanged, the usual short escapes where JSON has them, the
// slash escaped, and every other control character as a \u escape.
std::string JsonEscaped(const std::string& utf8)
{
    static const char* const Hex = "0123456789abcdef";
    std::string text;
    text.reserve(utf8.size());
    for (const char character : utf8) {
        const auto byte = static_cast<unsigned char>(character);
        if (byte == 0x20 || byte == 0x21 || (byte >= 0x23 && byte <= 0x2E) || (byte >= 0x30 && byte <= 0x5B) || byte >= 0x5D) {
            text += character;
            continue;
        }
        switch (character) {
        case '\b':
            text += "\\b";
            break;
        case '\f':
            text += "\\f";
            break;
        case '\n':
            text += "\\n";
            break;
        case '\r':
            text += "\\r";
            break;
        case '/':
            text += "\\/";
            break;
        case '"':
            text += "\\\"";
            break;
        case '\\':
            text += "\\\\";
            break;
        default:
            text += "\\u00";
            text += Hex[byte >> 4];
            text += Hex[byte & 0xF];
            break;
        }
    }
    return text;
}

}  // namespace TarnViewModel
