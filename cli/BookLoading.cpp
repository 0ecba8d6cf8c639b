// SPDX-License-Identifier: MIT
#include "cli/BookLoading.h"

#include "cli/CliCommands.h"
#include "document/BookFileReader.h"
#include "document/FileHandlingException.h"

#include <filesystem>
#include <memory>

namespace BrindleCli {

namespace {

// Runs the reading step; the reader's messages already name the file and the line.
template <class Step>
auto Reading(Step step)
{
    try {
        return step();
    } catch (const Messages::MessageError& failure) {
        throw BookUnreadable(failure.Said());
    } catch (const std::exception& failure) {
        throw BookUnreadable(Messages::Verbatim(failure.what()));
    }
}

}  // namespace

const TarnViewModel::BookFileContents& ReadBook(const std::string& path)
{
    static std::unique_ptr<TarnViewModel::BookFileContents> contents;
    contents = Reading([&] {
        std::error_code error;
        if (!std::filesystem::exists(path, error)) {
            throw TarnViewModel::FileHandlingException::NothingAt(path);
        }
        return std::make_unique<TarnViewModel::BookFileContents>(TarnViewModel::ReadBookFile(path));
    });
    return *contents;
}

}  // namespace BrindleCli
