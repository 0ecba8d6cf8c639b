#include "cli/BookLoading.h"
#include "cli/CliCommands.h"
#include "controllers/FlowchartController.h"
#include "document/TarnDataModel.h"
#include "shell/CFlowchart.h"
#include "shell/CFlowchartPane.h"
#include "shell/FlowchartImage.h"

#include <QApplication>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

namespace BrindleCli {

namespace {

TarnGui::ImageType ImageTypeOf(const std::string& path)
{
    static const std::map<std::string, TarnGui::ImageType> types{{".png", TarnGui::ImageType::Png},
                                                                 {".bmp", TarnGui::ImageType::Bmp},
                                                                 {".jpg", TarnGui::ImageType::Jpeg},
                                                                 {".jpeg", TarnGui::ImageType::Jpeg},
                                                                 {".gif", TarnGui::ImageType::Gif}};
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char character) { return static_cast<char>(std::tolower(character)); });
    const auto type = types.find(extension);
    if (type == types.end()) {
        throw UsageError("cannot tell the image type of \"" + path + "\"; name a .png, .bmp, .jpg or .gif file");
    }
    return type->second;
}

}  // namespace

// The chart is laid out and drawn by the desktop program's own flowchart, on Qt's offscreen
// platform, at the screen resolution its images are made for.
int RunGraph(const Options& options)
{
    const TarnGui::ImageType type = ImageTypeOf(options.output);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "brindle";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    TarnViewModel::TarnDataModel model;
    model.SetUiConfig({96, 96});
    TarnGui::CFlowchartPane pane(model, nullptr);
    TarnViewModel::FlowchartController controller(model, &pane);
    pane.SetController(&controller);
    LoadBookInto(model, options.book);
    const TarnGui::CFlowchart& chart = *pane.Chart();
    TarnGui::WriteFlowchartImage(TarnGui::RenderFlowchartImage(chart.Scene(), chart.Fonts(), options.zoom / 100.0),
                                 QString::fromStdString(options.output), type);
    return 0;
}

}  // namespace BrindleCli
