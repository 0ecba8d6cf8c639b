#include "document/BookFileText.h"

#include <boost/locale/utf.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace TarnViewModel {

using boost::property_tree::xml_parser::xml_parser_error;

namespace {

const std::string TooLarge = "file is larger than 32 MiB";

// The file's size as far as it is known before reading.
std::size_t CheckedSize(const std::string& fileName)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(fileName, error);
    if (error) {
        return 0;
    }
    if (size > LargestBookFile) {
        throw xml_parser_error(TooLarge, fileName, 0);
    }
    return static_cast<std::size_t>(size);
}

std::size_t LineAt(const std::string& text, std::size_t position)
{
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
}

// The position just after the first occurrence of the terminator at or after start.
std::size_t After(const std::string& text, std::size_t start, const char* terminator)
{
    const std::size_t found = text.find(terminator, start);
    return found == std::string::npos ? text.size() : found + std::char_traits<char>::length(terminator);
}

// The position just after the tag's closing '>', skipping quoted attribute values.
std::size_t AfterTag(const std::string& text, std::size_t start, bool& selfClosing)
{
    char quote = 0;
    for (std::size_t position = start; position < text.size(); ++position) {
        const char character = text[position];
        if (quote != 0) {
            quote = character == quote ? 0 : quote;
        } else if (character == '"' || character == '\'') {
            quote = character;
        } else if (character == '>') {
            selfClosing = position > start && text[position - 1] == '/';
            return position + 1;
        }
    }
    selfClosing = false;
    return text.size();
}

}  // namespace

std::string ReadBookFileText(const std::string& fileName)
{
    const std::size_t size = CheckedSize(fileName);
    std::ifstream stream(fileName, std::ios::binary);
    std::string bytes;
    bytes.reserve(size);
    std::array<char, 65536> buffer;
    while (stream) {
        stream.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        bytes.append(buffer.data(), static_cast<std::size_t>(stream.gcount()));
        // Also bounds a file that grew after its size was checked.
        if (bytes.size() > LargestBookFile) {
            throw xml_parser_error(TooLarge, fileName, 0);
        }
    }
    if (stream.bad() || !stream.eof()) {
        throw xml_parser_error("read error", fileName, 0);
    }
    CheckUtf8(bytes, fileName);
    return bytes;
}

void CheckUtf8(const std::string& bytes, const std::string& fileName)
{
    const char* position = bytes.data();
    const char* const end = position + bytes.size();
    while (position != end) {
        if (static_cast<unsigned char>(*position) < 0x80) {
            ++position;
            continue;
        }
        const auto code = boost::locale::utf::utf_traits<char>::decode(position, end);
        if (code == boost::locale::utf::illegal || code == boost::locale::utf::incomplete) {
            throw xml_parser_error("read error", fileName, 0);
        }
    }
}

void CheckNesting(const std::string& text, const std::string& fileName)
{
    std::size_t depth = 0;
    std::size_t position = text.find('<');
    while (position != std::string::npos) {
        const std::string_view rest = std::string_view(text).substr(position + 1);
        if (rest.starts_with("!--")) {
            position = After(text, position + 4, "-->");
        } else if (rest.starts_with("![CDATA[")) {
            position = After(text, position + 9, "]]>");
        } else if (rest.starts_with("!") || rest.starts_with("?")) {
            position = After(text, position, ">");
        } else if (rest.starts_with("/")) {
            depth -= depth > 0 ? 1 : 0;
            position = After(text, position, ">");
        } else {
            bool selfClosing = false;
            const std::size_t start = position;
            position = AfterTag(text, position + 1, selfClosing);
            if (!selfClosing && ++depth > DeepestNesting) {
                throw xml_parser_error("elements are nested more than 64 levels deep", fileName, LineAt(text, start));
            }
        }
        position = text.find('<', position);
    }
}

}  // namespace TarnViewModel
