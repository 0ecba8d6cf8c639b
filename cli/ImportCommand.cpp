#include "cli/CliCommands.h"
#include "document/TarnDataModel.h"
#include "import/StoryImport.h"
#include "import/TwineFile.h"

#include <filesystem>

namespace BrindleCli {

namespace {

const TarnViewModel::TwineStory& ChosenStory(const TarnViewModel::TwineFile& file, const std::string& name)
{
    if (name.empty() && file.stories.size() == 1) {
        return file.stories.front();
    }
    std::string names;
    for (const TarnViewModel::TwineStory& story : file.stories) {
        if (!name.empty() && story.name == name) {
            return story;
        }
        names += (names.empty() ? "\"" : ", \"") + story.name + "\"";
    }
    throw UsageError(name.empty() ? "the file holds " + std::to_string(file.stories.size()) + " stories, " + names +
                                        "; name one with --story NAME"
                                  : "the file has no story \"" + name + "\", only " + names);
}

}  // namespace

int RunImport(const Options& options, std::ostream& errors)
{
    std::error_code error;
    if (std::filesystem::exists(options.output, error) && !options.force) {
        throw std::runtime_error(options.output + ": the file exists; give --force to replace it");
    }
    const TarnViewModel::TwineFile file = TarnViewModel::ReadTwineFile(options.book);
    std::vector<std::string> warnings = file.warnings;
    TarnViewModel::BookFileContents contents = TarnViewModel::ImportStory(ChosenStory(file, options.story), options.book, warnings);
    for (const std::string& warning : warnings) {
        errors << "brindle: warning: " << warning << '\n';
    }
    TarnViewModel::TarnDataModel model;
    model.OpenImported(std::move(contents));
    model.Save(std::filesystem::path(options.output).wstring());
    return 0;
}

}  // namespace BrindleCli
