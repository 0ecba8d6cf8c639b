// SPDX-License-Identifier: MIT
#include "cli/BookLoading.h"
#include "cli/CliCommands.h"
#include "cli/OffscreenGui.h"
#include "document/BookSnapshot.h"
#include "document/NativePath.h"
#include "export/ExportException.h"
#include "export/ExportFile.h"
#include "export/ExporterSelection.h"
#include "export/MultiPageExport.h"
#include "messages/Translator.h"
#include "printing/PdfBookWriter.h"

#include <filesystem>
#include <functional>
#include <map>
#include <optional>

namespace BrindleCli {

namespace {

// The formats by the one-based index of the desktop program's file type list.
const std::map<std::string, int> SingleFileFormats{{"txt", 1},  {"rtf", 2},          {"html", 3}, {"xml", 4},
                                                   {"json", 5}, {"choicescript", 6}, {"epub", 7}, {"twee", 9}};

// Only a book big enough to take a while reports its progress, in tenths.
std::function<void(std::size_t)> ProgressReport(std::size_t total, const Messages::Message& what, std::ostream& errors)
{
    const std::size_t step = std::max<std::size_t>(total / 10, 1);
    return [total, step, what, &errors](std::size_t done) {
        if (total >= 1000 && (done % step == 0 || done == total)) {
            errors << "brindle: " << Messages::Translated(Messages::Message(what).Arg(done).Arg(total)) << "\n" << std::flush;
        }
    };
}

void ExportFolder(const TarnViewModel::BookSnapshot& book, const Options& options, std::ostream& errors)
{
    const std::filesystem::path folder(options.output);
    std::error_code error;
    if (std::filesystem::exists(folder, error)) {
        if (!std::filesystem::is_directory(folder, error)) {
            throw Messages::MessageError(BRINDLE_TEXT("BrindleCli", "%1: is not a folder").Arg(options.output));
        }
        if (!std::filesystem::is_empty(folder, error) && !options.force) {
            throw Messages::MessageError(
                BRINDLE_TEXT("BrindleCli", "%1: the folder is not empty; give --force to write into it").Arg(options.output));
        }
    } else {
        std::filesystem::create_directories(folder);
    }
    TarnViewModel::ExportPages(book, TarnViewModel::WidePath(folder.string()),
                               ProgressReport(book.SectionCount(), BRINDLE_TEXT("BrindleCli", "%1 of %2 pages written"), errors));
}

Printing::PageSetup PageSetupOf(const Options& options)
{
    const std::optional<Printing::PaperSize> paper = Printing::PaperSizeNamed(options.pageSize);
    if (!paper) {
        throw UsageError(BRINDLE_TEXT("BrindleCli", "unknown page size \"%1\"; use a4, a5, letter or 6x9").Arg(options.pageSize));
    }
    const Printing::PageSetup setup{*paper, options.margin};
    try {
        Printing::CheckPageSetup(setup);
    } catch (const TarnViewModel::ExportException& error) {
        throw UsageError(error.Said());
    }
    return setup;
}

void ExportPdf(const TarnViewModel::BookSnapshot& book, const Options& options, const Printing::PageSetup& setup, std::ostream& errors)
{
    const OffscreenGui gui;
    const auto report = ProgressReport(book.SectionCount(), BRINDLE_TEXT("BrindleCli", "%1 of %2 sections laid out"), errors);
    const std::optional<std::string> pdf =
        Printing::WritePdfBook(Printing::CopyPrintedBook(book), setup, [&](std::size_t done, std::size_t) { report(done); });
    TarnViewModel::ExportFile file(TarnViewModel::WidePath(options.output), TarnViewModel::ReplacingFile::Sync::OnCommit,
                                   TarnViewModel::ExportFile::LineEnds::AsWritten);
    file.Stream() << *pdf;
    file.Close();
}

}  // namespace

int RunExport(const Options& options, std::ostream& errors)
{
    const auto format = SingleFileFormats.find(options.format);
    const bool pdf = options.format == "pdf";
    if (format == SingleFileFormats.end() && !pdf && options.format != "html-pages") {
        throw UsageError(
            BRINDLE_TEXT("BrindleCli", "unknown format \"%1\"; use txt, rtf, html, xml, json, choicescript, epub, pdf, twee or html-pages")
                .Arg(options.format));
    }
    const std::optional<Printing::PageSetup> setup = pdf ? std::optional(PageSetupOf(options)) : std::nullopt;
    TarnViewModel::RefuseExportOverBook(TarnViewModel::WidePath(options.output), TarnViewModel::WidePath(options.book));
    const TarnViewModel::SharedBook book = TarnViewModel::BookSnapshot::Of(ReadBook(options.book));
    if (setup) {
        ExportPdf(*book, options, *setup, errors);
        return 0;
    }
    if (format == SingleFileFormats.end()) {
        ExportFolder(*book, options, errors);
        return 0;
    }
    TarnViewModel::ExportFile file(TarnViewModel::WidePath(options.output), TarnViewModel::ReplacingFile::Sync::OnCommit,
                                   TarnViewModel::ExportLineEnds(format->second));
    TarnViewModel::CreateBookExporter(*book, format->second)->Export(*book, file.Stream());
    file.Close();
    return 0;
}

}  // namespace BrindleCli
