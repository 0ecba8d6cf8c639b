// SPDX-License-Identifier: MIT
#include "cli/CliCommands.h"
#include "document/NativePath.h"
#include "document/TarnDataModel.h"
#include "import/StoryImport.h"
#include "import/TwineFile.h"
#include "messages/Translator.h"

#include <boost/algorithm/string/case_conv.hpp>

#include <filesystem>
#include <vector>

namespace BrindleCli {

namespace {

bool SameIfid(std::string a, std::string b)
{
    boost::algorithm::to_upper(a);
    boost::algorithm::to_upper(b);
    return !a.empty() && a == b;
}

// The story named by --story, by its name or its IFID; two stories of one name are told
// apart only by their IFIDs.
const Import::TwineStory& ChosenStory(const Import::TwineFile& file, const std::string& chosen)
{
    if (chosen.empty() && file.stories.size() == 1) {
        return file.stories.front();
    }
    std::vector<const Import::TwineStory*> matches;
    std::string names;
    for (const Import::TwineStory& story : file.stories) {
        if (!chosen.empty() && (story.name == chosen || SameIfid(story.ifid, chosen))) {
            matches.push_back(&story);
        }
        names += (names.empty() ? "\"" : ", \"") + story.name + "\"";
    }
    if (matches.size() == 1) {
        return *matches.front();
    }
    if (matches.size() > 1) {
        std::string ifids;
        for (const Import::TwineStory* story : matches) {
            ifids += (ifids.empty() ? "" : ", ") +
                     (story->ifid.empty() ? Messages::Translated(BRINDLE_TEXT("BrindleCli", "(none)")) : story->ifid);
        }
        throw UsageError(BRINDLE_TEXT("BrindleCli", "the file holds %1 stories named \"%2\"; name one by its IFID: %3")
                             .Arg(matches.size())
                             .Arg(chosen)
                             .Arg(ifids));
    }
    throw UsageError(chosen.empty()
                         ? BRINDLE_TEXT("BrindleCli", "the file holds %1 stories, %2; name one with --story NAME or --story IFID")
                               .Arg(file.stories.size())
                               .Arg(names)
                         : BRINDLE_TEXT("BrindleCli", "the file has no story \"%1\", only %2").Arg(chosen).Arg(names));
}

}  // namespace

int RunImport(const Options& options, std::ostream& errors)
{
    std::error_code error;
    if (std::filesystem::exists(options.output, error) && !options.force) {
        throw Messages::MessageError(BRINDLE_TEXT("BrindleCli", "%1: the file exists; give --force to replace it").Arg(options.output));
    }
    if (std::filesystem::equivalent(options.output, options.book, error)) {
        throw Messages::MessageError(
            BRINDLE_TEXT("BrindleCli", "%1: the book would replace the story it is made from; name another file").Arg(options.output));
    }
    const Import::TwineFile file = Import::ReadTwineFile(options.book);
    Import::ImportWarnings warnings = file.warnings;
    TarnViewModel::BookFileContents contents = Import::ImportStory(ChosenStory(file, options.story), options.book, warnings);
    for (const Messages::Message& warning : warnings) {
        errors << "brindle: " << Messages::Translated(BRINDLE_TEXT("BrindleCli", "warning: %1").Arg(warning)) << '\n';
    }
    TarnViewModel::TarnDataModel model;
    model.OpenImported(std::move(contents));
    model.Save(TarnViewModel::WidePath(options.output));
    return 0;
}

}  // namespace BrindleCli
