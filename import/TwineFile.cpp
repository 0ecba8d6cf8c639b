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

TwineFile ReadTwineText(const std::string& text, const std::string& fileName)
{
    CheckUtf8(text, fileName);
    TwineFile file;
    const std::size_t firstTag = text.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
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
