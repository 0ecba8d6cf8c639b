// SPDX-License-Identifier: MIT
#include "document/BookFileText.h"

#include "document/BookLimits.h"
#include "document/FileDescriptor.h"
#include "document/XmlNodes.h"

#include <boost/locale/utf.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>

namespace TarnViewModel {

using boost::property_tree::xml_parser::xml_parser_error;

namespace {

[[noreturn]] void RefuseTooLarge(const std::string& fileName)
{
    throw BookLimitException(BRINDLE_TEXT("BookLimits", "Cannot open \"%1\": the file is larger than %2, the most a book may take.")
                                 .Arg(fileName)
                                 .Arg(Megabytes(LargestBookFile)));
}

// What the system says about the failed call, after "read error: ".
std::string ReadError(int error)
{
    return std::string("read error: ") + std::strerror(error);
}

bool StartsUtf16(const std::string& bytes)
{
    if (bytes.size() < 2) {
        return false;
    }
    const auto first = static_cast<unsigned char>(bytes[0]);
    const auto second = static_cast<unsigned char>(bytes[1]);
    // A byte order mark, or the NUL beside the first ASCII character that UTF-16 gives.
    return (first == 0xff && second == 0xfe) || (first == 0xfe && second == 0xff) || (first == 0 && second != 0) ||
           (first != 0 && second == 0);
}

void RefuseAllButRegularFiles(const struct stat& info, const std::string& fileName)
{
    if (!S_ISREG(info.st_mode)) {
        throw xml_parser_error(S_ISDIR(info.st_mode) ? "read error: a folder, not a book"
                                                     : "read error: not a regular file but a pipe or a device",
                               fileName, 0);
    }
}

}  // namespace

// Anything but a plain file is refused before it is opened, since opening some devices does
// something. The file is then opened without waiting and checked again, in case another
// took its place meanwhile, so that a pipe or a device can neither hang the program nor
// feed it without end.
std::string ReadBookFileText(const std::string& fileName)
{
    struct stat info {};
    if (stat(fileName.c_str(), &info) == 0) {
        RefuseAllButRegularFiles(info, fileName);
    }
    const FileDescriptor file(open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0 || fstat(file.Get(), &info) != 0) {
        throw xml_parser_error(ReadError(errno), fileName, 0);
    }
    RefuseAllButRegularFiles(info, fileName);
    if (static_cast<std::uintmax_t>(info.st_size) > LargestBookFile) {
        RefuseTooLarge(fileName);
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, 65536> buffer;
    for (;;) {
        const ssize_t count = read(file.Get(), buffer.data(), buffer.size());
        if (count == 0) {
            break;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw xml_parser_error(ReadError(errno), fileName, 0);
        }
        bytes.append(buffer.data(), static_cast<std::size_t>(count));
        // Also bounds a file that grew after its size was checked.
        if (bytes.size() > LargestBookFile) {
            RefuseTooLarge(fileName);
        }
    }
    CheckUtf8(bytes, fileName);
    return bytes;
}

void CheckUtf8(const std::string& bytes, const std::string& fileName)
{
    if (StartsUtf16(bytes)) {
        throw xml_parser_error("read error: the file is UTF-16, not UTF-8", fileName, 0);
    }
    const char* const start = bytes.data();
    const char* position = start;
    const char* const end = position + bytes.size();
    while (position != end) {
        if (static_cast<unsigned char>(*position) < 0x80) {
            ++position;
            continue;
        }
        const char* const character = position;
        const auto code = boost::locale::utf::utf_traits<char>::decode(position, end);
        if (code == boost::locale::utf::illegal || code == boost::locale::utf::incomplete) {
            const auto offset = static_cast<std::size_t>(character - start);
            std::ostringstream message;
            message << "read error: the file is not UTF-8: byte 0x" << std::hex << std::uppercase
                    << static_cast<unsigned>(static_cast<unsigned char>(*character))
                    << (code == boost::locale::utf::incomplete ? " begins a character that the file cuts short"
                                                               : " is not part of a UTF-8 character");
            throw xml_parser_error(message.str(), fileName, LineAt(bytes, offset));
        }
    }
}

}  // namespace TarnViewModel
