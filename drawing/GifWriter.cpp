// SPDX-License-Identifier: MIT
#include "drawing/GifWriter.h"

#include "drawing/FlowchartImage.h"

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace Drawing {

namespace {

constexpr int PaletteSize = 256;
constexpr int MaximumSide = 65535;

int WriteToDevice(GifFileType* gif, const GifByteType* data, int length)
{
    auto* device = static_cast<QIODevice*>(gif->UserData);
    return static_cast<int>(device->write(reinterpret_cast<const char*>(data), length));
}

[[noreturn]] void Fail(int error)
{
    throw ImageExportException(BRINDLE_TEXT("GifWriter", "The GIF image could not be written: %1").Arg(GifErrorString(error)));
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct MapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

}  // namespace

void WriteGif(const QImage& image, QIODevice& device)
{
    if (image.width() > MaximumSide || image.height() > MaximumSide) {
        throw ImageExportException(
            BRINDLE_TEXT("GifWriter", "A GIF image can be at most %1 pixels wide and high. Zoom out and export it again.")
                .Arg(MaximumSide));
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width();
    const int height = rgb.height();
    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<GifByteType> red(pixels);
    std::vector<GifByteType> green(pixels);
    std::vector<GifByteType> blue(pixels);
    for (int y = 0; y < height; ++y) {
        const uchar* line = rgb.constScanLine(y);
        const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (int x = 0; x < width; ++x) {
            red[row + x] = line[3 * x];
            green[row + x] = line[3 * x + 1];
            blue[row + x] = line[3 * x + 2];
        }
    }

    std::vector<GifByteType> indices(pixels);
    std::vector<GifColorType> colours(PaletteSize);
    int colourCount = PaletteSize;
    if (GifQuantizeBuffer(static_cast<unsigned>(width), static_cast<unsigned>(height), &colourCount, red.data(), green.data(), blue.data(),
                          indices.data(), colours.data()) == GIF_ERROR) {
        Fail(E_GIF_ERR_NOT_ENOUGH_MEM);
    }
    const std::unique_ptr<ColorMapObject, MapFreer> palette(GifMakeMapObject(PaletteSize, colours.data()));
    if (!palette) {
        Fail(E_GIF_ERR_NOT_ENOUGH_MEM);
    }

    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&device, WriteToDevice, &error));
    if (!gif) {
        Fail(error);
    }
    if (EGifPutScreenDesc(gif.get(), width, height, 8, 0, palette.get()) == GIF_ERROR ||
        EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr) == GIF_ERROR) {
        Fail(gif->Error);
    }
    for (int y = 0; y < height; ++y) {
        if (EGifPutLine(gif.get(), indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width), width) == GIF_ERROR) {
            Fail(gif->Error);
        }
    }
    GifFileType* finished = gif.release();
    if (EGifCloseFile(finished, &error) == GIF_ERROR) {
        Fail(error);
    }
}

}  // namespace Drawing
