// SPDX-License-Identifier: MIT
#include "cli/BookLoading.h"
#include "cli/CliCommands.h"
#include "cli/OffscreenGui.h"
#include "document/NativePath.h"
#include "drawing/FlowchartImage.h"
#include "drawing/LaidOutFlowchart.h"
#include "export/ExportFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

namespace BrindleCli {

namespace {

Drawing::ImageType ImageTypeOf(const std::string& path)
{
    static const std::map<std::string, Drawing::ImageType> types{{".png", Drawing::ImageType::Png},
                                                                 {".bmp", Drawing::ImageType::Bmp},
                                                                 {".jpg", Drawing::ImageType::Jpeg},
                                                                 {".jpeg", Drawing::ImageType::Jpeg},
                                                                 {".gif", Drawing::ImageType::Gif}};
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char character) { return static_cast<char>(std::tolower(character)); });
    const auto type = types.find(extension);
    if (type == types.end()) {
        throw UsageError(
            BRINDLE_TEXT("BrindleCli", "cannot tell the image type of \"%1\"; name a .png, .bmp, .jpg or .gif file").Arg(path));
    }
    return type->second;
}

}  // namespace

// The chart is laid out and drawn as the desktop program lays it out and draws it, on Qt's
// offscreen platform.
int RunGraph(const Options& options)
{
    const Drawing::ImageType type = ImageTypeOf(options.output);
    TarnViewModel::RefuseExportOverBook(TarnViewModel::WidePath(options.output), TarnViewModel::WidePath(options.book));
    const TarnViewModel::BookFileContents& book = ReadBook(options.book);
    const OffscreenGui gui;
    const Drawing::FlowchartFonts fonts = Drawing::FlowchartFonts::Create();
    const Drawing::FlowchartScene chart = Drawing::LaidOutFlowchart(book.graph, book.footer, fonts);
    Drawing::WriteFlowchartImage(Drawing::RenderFlowchartImage(chart, fonts, options.zoom / 100.0), QString::fromStdString(options.output),
                                 type);
    return 0;
}

}  // namespace BrindleCli
