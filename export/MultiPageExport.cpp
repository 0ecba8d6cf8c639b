#include "export/MultiPageExport.h"

#include "document/TarnDataModel.h"
#include "export/ExportFile.h"
#include "export/HtmlMultiPageExporter.h"
#include "export/StagedFolder.h"

namespace TarnViewModel {

void ExportPages(const TarnDataModel& model, const std::wstring& folder,
                 const std::function<void(std::size_t written)>& pageWritten)
{
    using CommonLib::FontType;
    HtmlMultiPageExporter exporter;
    std::size_t written = 0;
    StagedFolder staged(folder);
    constexpr auto Later = ReplacingFile::Sync::ByCaller;
    // Names are made only of digits, so no page can land outside the folder.
    model.GetStoryGraph().VisitSections([&](const Section& section) {
        ExportFile page(staged.Add(std::to_wstring(section.number) + L".html"), Later);
        exporter.WriteSectionPage(section, model, L"", page.Stream());
        page.Close();
        if (pageWritten) {
            pageWritten(++written);
        }
    });
    ExportFile styles(staged.Add(L"styles.css"), Later);
    exporter.WriteStyleSheet(model.GetFont(FontType::MainBook), model.GetFont(FontType::SectionNumber),
                             model.GetFont(FontType::Header), model.GetFont(FontType::Footer), styles.Stream());
    styles.Close();
    staged.Commit();
}

}  // namespace TarnViewModel
