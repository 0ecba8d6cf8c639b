// SPDX-License-Identifier: MIT
#include "document/BookFileValues.h"

#include <charconv>

namespace TarnViewModel {

namespace {

bool IsSpace(wchar_t character)
{
    return character == L' ' || (character >= L'\t' && character <= L'\r');
}

// The text without surrounding whitespace, or nothing when a character that no value
// holds is left.
std::optional<std::string> Trimmed(const std::wstring& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsSpace(text[first])) {
        ++first;
    }
    while (last > first && IsSpace(text[last - 1])) {
        --last;
    }
    std::string narrow;
    narrow.reserve(last - first);
    for (std::size_t index = first; index < last; ++index) {
        if (text[index] < 0x21 || text[index] > 0x7e) {
            return std::nullopt;
        }
        narrow += static_cast<char>(text[index]);
    }
    return narrow;
}

// A decimal number with surrounding whitespace and an optional sign, as stream extraction
// in the classic locale accepts it; anything else after the number makes it unreadable.
template <class Value>
std::optional<Value> ReadInteger(const std::wstring& text)
{
    const auto narrow = Trimmed(text);
    if (!narrow) {
        return std::nullopt;
    }
    const char* first = narrow->data();
    const char* const last = first + narrow->size();
    if (first != last && *first == '+') {
        ++first;
        if (first != last && *first == '-') {
            return std::nullopt;
        }
    }
    Value value{};
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint32_t> HexDigit(wchar_t digit)
{
    if (digit >= L'0' && digit <= L'9') {
        return digit - L'0';
    }
    if (digit >= L'a' && digit <= L'f') {
        return digit - L'a' + 10;
    }
    if (digit >= L'A' && digit <= L'F') {
        return digit - L'A' + 10;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::uint32_t> ReadUnsigned(const std::wstring& text)
{
    return ReadInteger<std::uint32_t>(text);
}

std::optional<std::int32_t> ReadSigned(const std::wstring& text)
{
    return ReadInteger<std::int32_t>(text);
}

std::optional<bool> ReadBoolean(const std::wstring& text)
{
    if (const auto digit = ReadInteger<long>(text); digit && (*digit == 0 || *digit == 1)) {
        return *digit == 1;
    }
    const auto word = Trimmed(text);
    if (word == "true" || word == "false") {
        return word == "true";
    }
    return std::nullopt;
}

std::optional<CommonLib::ColourUtilities::RGBColour> ReadColour(const std::wstring& text)
{
    if (text.size() != 7 || text[0] != L'#') {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    // Reading stops at the first character that is not a hexadecimal digit.
    for (std::size_t index = 1; index < text.size(); ++index) {
        const auto digit = HexDigit(text[index]);
        if (!digit) {
            break;
        }
        value = value * 16 + *digit;
    }
    return CommonLib::ColourUtilities::RGBColour{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                                                 static_cast<std::uint8_t>(value)};
}

std::wstring BooleanText(bool value)
{
    return value ? L"true" : L"false";
}

}  // namespace TarnViewModel
