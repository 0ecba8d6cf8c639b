// SPDX-License-Identifier: MIT
#pragma once

#include "drawing/FlowchartPainter.h"
#include "drawing/UnexpectedValueException.h"

#include <QImage>
#include <QSize>

#include <stdexcept>

namespace Drawing {

// An image that could not be made or written.
class ImageExportException : public Messages::MessageError {
public:
    using Messages::MessageError::MessageError;
};

// The image types of the export dialog, by its one-based filter index.
enum class ImageType { Bmp = 1, Png = 2, Jpeg = 3, Gif = 4 };

// Throws UnexpectedValueException "Unknown type" for an index outside 1 to 4.
ImageType ImageTypeForFilter(int filterIndex);

// The exported image's size in pixels: the chart and its footer with their margins, zoomed.
QSize FlowchartImageSize(const FlowchartScene& scene, const FlowchartFonts& fonts, double zoom);
// The chart drawn on white from its top-left margin, without the selection, the footer
// centred beneath it. Throws ImageExportException when the bitmap cannot be allocated.
QImage RenderFlowchartImage(const FlowchartScene& scene, const FlowchartFonts& fonts, double zoom);
// Encodes the image and puts it in place of the file only once it is completely written.
void WriteFlowchartImage(const QImage& image, const QString& path, ImageType type);

}  // namespace Drawing
