#include "export/MultiPageExport.h"

#include "document/TarnDataModel.h"
#include "export/ExportFile.h"
#include "export/HtmlMultiPageExporter.h"

namespace TarnViewModel {

void ExportPages(const TarnDataModel& model, const std::wstring& folder,
                 const std::function<void(std::size_t written)>& pageWritten)
{
    using CommonLib::FontType;
    HtmlMultiPageExporter exporter;
    std::size_t written = 0;
    // Names are made only of digits, so no page can land outside the folder.
    model.GetStoryGraph().VisitSections([&](const Section& section) {
        ExportFile page(folder + L"/" + std::to_wstring(section.number) + L".html");
        exporter.WriteSectionPage(section, model, L"", page.Stream());
        page.Close();
        if (pageWritten) {
            pageWritten(++written);
        }
    });
    ExportFile styles(folder + L"/styles.css");
    exporter.WriteStyleSheet(model.GetFont(FontType::MainBook), model.GetFont(FontType::SectionNumber),
                             model.GetFont(FontType::Header), model.GetFont(FontType::Footer), styles.Stream());
    styles.Close();
}

}  // namespace TarnViewModel
