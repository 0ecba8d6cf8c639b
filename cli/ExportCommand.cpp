#include "cli/BookLoading.h"
#include "cli/CliCommands.h"
#include "document/TarnDataModel.h"
#include "export/ExportFile.h"
#include "export/ExporterSelection.h"
#include "export/MultiPageExport.h"

#include <filesystem>
#include <map>

namespace BrindleCli {

namespace {

// The formats by the one-based index of the desktop program's file type list.
const std::map<std::string, int> SingleFileFormats{{"txt", 1},  {"rtf", 2},          {"html", 3}, {"xml", 4},
                                                   {"json", 5}, {"choicescript", 6}, {"epub", 7}};

void ExportFolder(const TarnViewModel::TarnDataModel& model, const Options& options, std::ostream& errors)
{
    const std::filesystem::path folder(options.output);
    std::error_code error;
    if (std::filesystem::exists(folder, error)) {
        if (!std::filesystem::is_directory(folder, error)) {
            throw std::runtime_error(options.output + ": is not a folder");
        }
        if (!std::filesystem::is_empty(folder, error) && !options.force) {
            throw std::runtime_error(options.output + ": the folder is not empty; give --force to write into it");
        }
    } else {
        std::filesystem::create_directories(folder);
    }
    const std::size_t total = model.GetStoryGraph().SectionCount();
    const std::size_t step = std::max<std::size_t>(total / 10, 1);
    TarnViewModel::ExportPages(model, folder.wstring(), [&](std::size_t written) {
        // Only a book big enough to take a while reports its progress.
        if (total >= 1000 && (written % step == 0 || written == total)) {
            errors << "brindle: " << written << " of " << total << " pages written\n" << std::flush;
        }
    });
}

}  // namespace

int RunExport(const Options& options, std::ostream& errors)
{
    const auto format = SingleFileFormats.find(options.format);
    if (format == SingleFileFormats.end() && options.format != "html-pages") {
        throw UsageError("unknown format \"" + options.format + "\"; use txt, rtf, html, xml, json, choicescript, epub or html-pages");
    }
    TarnViewModel::RefuseExportOverBook(std::filesystem::path(options.output).wstring(), std::filesystem::path(options.book).wstring());
    const TarnViewModel::TarnDataModel& model = LoadBook(options.book);
    if (format == SingleFileFormats.end()) {
        ExportFolder(model, options, errors);
        return 0;
    }
    TarnViewModel::ExportFile file(std::filesystem::path(options.output).wstring(), TarnViewModel::ReplacingFile::Sync::OnCommit,
                                   TarnViewModel::ExportLineEnds(format->second));
    TarnViewModel::CreateBookExporter(model, format->second)->Export(model, file.Stream());
    file.Close();
    return 0;
}

}  // namespace BrindleCli
