#include "document/BookFileText.h"

#include <boost/locale/utf.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace TarnViewModel {

using boost::property_tree::xml_parser::xml_parser_error;

namespace {

const std::string TooLarge = "file is larger than 32 MiB";

// Closes the descriptor however the reading ends.
struct OpenFile {
    explicit OpenFile(const std::string& fileName) : descriptor(open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile()
    {
        if (descriptor >= 0) {
            close(descriptor);
        }
    }
    const int descriptor;
};

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

// The file is opened without waiting and checked before anything is read, so that a pipe or
// a device given as a book can neither hang the program nor feed it without end.
std::string ReadBookFileText(const std::string& fileName)
{
    const OpenFile file(fileName);
    struct stat info {};
    if (file.descriptor < 0 || fstat(file.descriptor, &info) != 0) {
        throw xml_parser_error("read error", fileName, 0);
    }
    if (!S_ISREG(info.st_mode)) {
        throw xml_parser_error(S_ISDIR(info.st_mode) ? "read error: a folder, not a book" : "read error: not a regular file but a pipe or a device",
                               fileName, 0);
    }
    if (static_cast<std::uintmax_t>(info.st_size) > LargestBookFile) {
        throw xml_parser_error(TooLarge, fileName, 0);
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, 65536> buffer;
    for (;;) {
        const ssize_t count = read(file.descriptor, buffer.data(), buffer.size());
        if (count == 0) {
            break;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw xml_parser_error("read error", fileName, 0);
        }
        bytes.append(buffer.data(), static_cast<std::size_t>(count));
        // Also bounds a file that grew after its size was checked.
        if (bytes.size() > LargestBookFile) {
            throw xml_parser_error(TooLarge, fileName, 0);
        }
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
