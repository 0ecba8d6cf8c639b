#include "import/TwineFile.h"

#include "document/BookFileText.h"
#include "import/ImportException.h"
#include "import/TweeReader.h"
#include "import/TwineHtmlReader.h"

namespace TarnViewModel {

TwineFile ReadTwineFile(const std::string& fileName)
{
    return ReadTwineText(ReadBookFileText(fileName), fileName);
}

namespace {

// The text without a byte-order mark, its lines ended by LF whether they were ended by
// CR LF, LF or, as old Mac files have them, CR alone.
std::string Normalised(const std::string& text)
{
    const std::size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    std::string normal;
    normal.reserve(text.size() - start);
    for (std::size_t index = start; index < text.size(); ++index) {
        if (text[index] != '\r') {
            normal += text[index];
        } else if (index + 1 == text.size() || text[index + 1] != '\n') {
            normal += '\n';
        }
    }
    return normal;
}

}  // namespace

TwineFile ReadTwineText(const std::string& original, const std::string& fileName)
{
    CheckUtf8(original, fileName);
    const std::string text = Normalised(original);
    TwineFile file;
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
                              html ? "there is no Twine story in it (no <tw-storydata> element)"
                                   : "there is no Twee passage in it (no line starting with \"::\")");
    }
    return file;
}

}  // namespace TarnViewModel
