// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the book file reader. Every bad input must end in one of the
// reader's own errors, and every book read must be written and read back the same;
// anything else (a crash, a sanitizer report, another exception) is a fault.
#include "document/BookFileReader.h"
#include "document/BookFileText.h"
#include "fuzz/RereadCheck.h"

#include <boost/property_tree/exceptions.hpp>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    try {
        TarnViewModel::CheckUtf8(text, "fuzz.brindle");
        CheckWrittenBookRereads(TarnViewModel::ReadBookText(text, "fuzz.brindle"));
    } catch (const boost::property_tree::ptree_error&) {
    }
    return 0;
}
