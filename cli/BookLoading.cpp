#include "cli/BookLoading.h"

#include "cli/CliCommands.h"
#include "document/BookFileReader.h"
#include "document/TarnDataModel.h"

#include <filesystem>
#include <memory>

namespace BrindleCli {

namespace {

// Runs the reading step, giving its failure the file's name.
template <class Step>
auto Reading(const std::string& path, Step step)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throw BookUnreadable(path + ": is a folder, not a book");
    }
    try {
        return step();
    } catch (const std::exception& failure) {
        throw BookUnreadable(path + ": " + failure.what());
    }
}

}  // namespace

const TarnViewModel::BookFileContents& ReadBook(const std::string& path)
{
    static std::unique_ptr<TarnViewModel::BookFileContents> contents;
    contents = Reading(path, [&] {
        if (!std::filesystem::exists(path)) {
            throw std::runtime_error("Cannot open file");
        }
        return std::make_unique<TarnViewModel::BookFileContents>(TarnViewModel::ReadBookFile(path));
    });
    return *contents;
}

void LoadBookInto(TarnViewModel::TarnDataModel& model, const std::string& path)
{
    Reading(path, [&] { model.Load(std::filesystem::path(path).wstring()); });
}

const TarnViewModel::TarnDataModel& LoadBook(const std::string& path)
{
    static TarnViewModel::TarnDataModel model;
    LoadBookInto(model, path);
    return model;
}

}  // namespace BrindleCli
