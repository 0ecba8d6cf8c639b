// SPDX-License-Identifier: MIT
#include "drawing/PngWriter.h"

#include "drawing/FlowchartImage.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <string>

namespace Drawing {

namespace {

void WriteToDevice(png_structp png, png_bytep data, png_size_t length)
{
    auto* device = static_cast<QIODevice*>(png_get_io_ptr(png));
    if (device->write(reinterpret_cast<const char*>(data), static_cast<qint64>(length)) != static_cast<qint64>(length)) {
        // The jump out of png_error skips destructors, so no temporary may be alive there.
        *static_cast<std::string*>(png_get_error_ptr(png)) = device->errorString().toStdString();
        png_error(png, "write error");
    }
}

void Flush(png_structp) {}

// libpng reports errors by jumping back; the first message is kept to be thrown from there.
void OnError(png_structp png, png_const_charp message)
{
    auto* error = static_cast<std::string*>(png_get_error_ptr(png));
    if (error->empty()) {
        *error = message;
    }
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// Everything that libpng's jump may skip lives outside this function.
bool Encode(const QImage& image, png_structp png, png_infop info)
{
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_level(png, 6);
    png_set_compression_strategy(png, Z_RLE);
    png_write_info(png, info);
    // Qt keeps 32-bit pixels as B, G, R, unused in memory on little-endian machines.
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < image.height(); ++y) {
        png_write_row(png, image.constScanLine(y));
    }
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

void WritePng(const QImage& image, QIODevice& device)
{
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the row layout below assumes little-endian pixels");
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    std::string error;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, OnError, OnWarning);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    bool written = false;
    if (info != nullptr) {
        png_set_write_fn(png, &device, WriteToDevice, Flush);
        written = Encode(rgb, png, info);
    }
    png_destroy_write_struct(&png, &info);
    if (!written) {
        throw ImageExportException(BRINDLE_TEXT("PngWriter", "The PNG image could not be written: %1")
                                       .Arg(error.empty() ? BRINDLE_TEXT("PngWriter", "out of memory") : Messages::Verbatim(error)));
    }
}

}  // namespace Drawing
