// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the Twine story importer, as Twee or as HTML by their first
// character. Every bad input must end in a book that is written and read back the same, or
// in the importer's own errors; anything else (a crash, a sanitizer report, another
// exception) is a fault.
#include "fuzz/RereadCheck.h"
#include "import/ImportException.h"
#include "import/StoryImport.h"
#include "import/TwineFile.h"

#include <boost/property_tree/exceptions.hpp>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const Import::TwineFile file = Import::ReadTwineText(text, "fuzz");
        for (const Import::TwineStory& story : file.stories) {
            Import::ImportWarnings warnings;
            CheckWrittenBookRereads(Import::ImportStory(story, "fuzz", warnings));
        }
    } catch (const Import::ImportException&) {
    } catch (const boost::property_tree::ptree_error&) {
    }
    return 0;
}
