// SPDX-License-Identifier: MIT
#include "import/TwineFile.h"

#include "document/BookFileText.h"
#include "import/ImportException.h"
#include "import/TweeReader.h"
#include "import/TwineHtmlReader.h"

namespace Import {

using namespace TarnViewModel;

TwineFile ReadTwineFile(const std::string& fileName)
{
    return ReadTwineText(ReadBookFileText(fileName), fileName);
}

namespace {

// The text without a byte-order mark, its lines ended by LF whether they were ended by
// CR LF, LF or, as old Mac files have them, CR alone. Characters that no book can hold
// (control characters but tab and line ends, U+FFFE and U+FFFF) become U+FFFD, with a
// warning that names the first.
std::string Normalised(const std::string& text, const std::string& fileName, ImportWarnings& warnings)
{
    static const std::string Replacement = "\xEF\xBF\xBD";
    const std::size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    std::string normal;
    normal.reserve(text.size() - start);
    std::size_t replaced = 0;
    std::size_t firstLine = 0;
    std::size_t line = 1;
    for (std::size_t index = start; index < text.size(); ++index) {
        const auto byte = static_cast<unsigned char>(text[index]);
        const bool nonCharacter = byte == 0xEF && text.compare(index, 2, "\xEF\xBF") == 0 && index + 2 < text.size() &&
                                  (text[index + 2] == '\xBE' || text[index + 2] == '\xBF');
        if ((byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || nonCharacter) {
            firstLine = replaced++ == 0 ? line : firstLine;
            normal += Replacement;
            index += nonCharacter ? 2 : 0;
        } else if (byte != '\r') {
            normal += text[index];
        } else if (index + 1 == text.size() || text[index + 1] != '\n') {
            normal += '\n';
        }
        line += byte == '\n' || (byte == '\r' && (index + 1 == text.size() || text[index + 1] != '\n')) ? 1 : 0;
    }
    if (replaced > 0) {
        warnings.push_back(
            AtLine(fileName, firstLine,
                   BRINDLE_COUNTED_TEXT("Import", "%n characters that no book can hold, such as NUL, are each replaced by U+FFFD")
                       .Count(static_cast<long long>(replaced))));
    }
    return normal;
}

}  // namespace

TwineFile ReadTwineText(const std::string& original, const std::string& fileName)
{
    CheckUtf8(original, fileName);
    TwineFile file;
    const std::string text = Normalised(original, fileName, file.warnings);
    const std::size_t firstTag = text.find_first_not_of(" \t\n");
    const bool html = firstTag != std::string::npos && text[firstTag] == '<';
    if (html) {
        file.stories = ReadTwineHtml(text, fileName, file.warnings);
    } else {
        TwineStory story = ReadTwee(text, fileName, file.warnings);
        if (!story.passages.empty() || !story.name.empty()) {
            file.stories.push_back(std::move(story));
        }
    }
    if (file.stories.empty()) {
        throw ImportException(fileName, 0,
                              html ? BRINDLE_TEXT("Import", "there is no Twine story in it (no <tw-storydata> element)")
                                   : BRINDLE_TEXT("Import", "there is no Twee passage in it (no line starting with \"::\")"));
    }
    return file;
}

}  // namespace Import
