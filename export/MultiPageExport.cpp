// SPDX-License-Identifier: MIT
#include "export/MultiPageExport.h"

#include "document/BookSnapshot.h"
#include "document/NativePath.h"
#include "export/ExportFile.h"
#include "export/HtmlMultiPageExporter.h"
#include "export/StagedFolder.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace TarnViewModel {

namespace {

// A page this export wrote: named by a section number alone, linking the style sheet and
// headed by its own number near the top. Any other file in the folder is the author's.
bool IsSectionPage(const std::filesystem::path& file, std::uint32_t& number)
{
    const std::string stem = file.stem().string();
    if (file.extension() != ".html" || stem.empty() || stem.size() > 5 || stem[0] == '0' ||
        stem.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    number = static_cast<std::uint32_t>(std::stoul(stem));
    std::ifstream page(file, std::ios::binary);
    std::string head(2048, '\0');
    page.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(page.gcount()));
    return head.find("<link rel=\"stylesheet\" href=\"styles.css\" />") != std::string::npos &&
           head.find("<h2 class=\"sectionNumber\">" + stem + "</h2>") != std::string::npos;
}

// Pages of sections the book no longer has would be read as part of it.
void RemoveStalePages(const BookSnapshot& book, const std::wstring& folder)
{
    std::error_code error;
    for (std::filesystem::directory_iterator entry(NativePath(folder), error), end; !error && entry != end; entry.increment(error)) {
        std::uint32_t number = 0;
        std::error_code kind;
        if (entry->is_regular_file(kind) && IsSectionPage(entry->path(), number) && !book.HasSection(number)) {
            std::filesystem::remove(entry->path(), kind);
        }
    }
}

}  // namespace

void ExportPages(const BookSnapshot& book, const std::wstring& folder, const std::function<void(std::size_t written)>& pageWritten)
{
    using CommonLib::FontType;
    HtmlMultiPageExporter exporter;
    std::size_t written = 0;
    StagedFolder staged(folder);
    constexpr auto Later = ReplacingFile::Sync::ByCaller;
    // Names are made only of digits, so no page can land outside the folder.
    book.VisitSections([&](const Section& section) {
        ExportFile page(staged.Add(std::to_wstring(section.number) + L".html"), Later);
        exporter.WriteSectionPage(section, book, L"", page.Stream());
        page.Close();
        if (pageWritten) {
            pageWritten(++written);
        }
    });
    ExportFile styles(staged.Add(L"styles.css"), Later);
    exporter.WriteStyleSheet(book.GetFont(FontType::MainBook), book.GetFont(FontType::SectionNumber), book.GetFont(FontType::Header),
                             book.GetFont(FontType::Footer), styles.Stream());
    styles.Close();
    staged.Commit();
    RemoveStalePages(book, folder);
}

}  // namespace TarnViewModel
