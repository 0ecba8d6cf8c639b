// SPDX-License-Identifier: MIT
#include "drawing/FlowchartImage.h"

#include "drawing/GifWriter.h"
#include "drawing/PngWriter.h"

#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <cmath>
#include <limits>

namespace Drawing {

namespace {

constexpr double FooterGap = 10.0;
constexpr double MaximumImageBytes = 1024.0 * 1024.0 * 1024.0;

QRectF FooterBox(const FlowchartScene& scene, const FlowchartFonts& fonts)
{
    const QSizeF footer = MeasureFooter(fonts, scene.footer);
    return QRectF(0.0, scene.graphHeight + 2 * ChartMargin, std::max<double>(footer.width(), scene.graphWidth), footer.height());
}

Messages::Message WriteFailure(const QString& path, const QString& reason)
{
    return BRINDLE_TEXT("FlowchartImage", "The flowchart could not be saved as %1: %2").Arg(path.toStdString()).Arg(reason.toStdString());
}

}  // namespace

ImageType ImageTypeForFilter(int filterIndex)
{
    if (filterIndex < 1 || filterIndex > 4) {
        throw UnexpectedValueException(BRINDLE_TEXT("FlowchartImage", "Unknown type"));
    }
    return static_cast<ImageType>(filterIndex);
}

QSize FlowchartImageSize(const FlowchartScene& scene, const FlowchartFonts& fonts, double zoom)
{
    const QRectF footer = FooterBox(scene, fonts);
    const double width = (footer.width() + 2 * ChartMargin) * zoom;
    const double height = (scene.graphHeight + 2 * ChartMargin + footer.height() + FooterGap) * zoom;
    const double largest = std::numeric_limits<int>::max();
    return QSize(static_cast<int>(std::lround(std::min(width, largest))), static_cast<int>(std::lround(std::min(height, largest))));
}

QImage RenderFlowchartImage(const FlowchartScene& scene, const FlowchartFonts& fonts, double zoom)
{
    const QSize size = FlowchartImageSize(scene, fonts, zoom);
    const double bytes = 4.0 * size.width() * size.height();
    QImage image;
    // Refused before asking for the memory: a system that overcommits would grant a huge
    // bitmap and end the program when it is filled.
    if (size.width() > 0 && size.height() > 0 && bytes <= MaximumImageBytes) {
        image = QImage(size, QImage::Format_RGB32);
    }
    if (image.isNull()) {
        throw ImageExportException(
            BRINDLE_TEXT("FlowchartImage", "The flowchart image of %1 by %2 pixels is too large to make. Zoom out and export it again.")
                .Arg(size.width())
                .Arg(size.height()));
    }
    image.fill(Qt::white);
    QPainter painter(&image);
    const double scale = ChartScale(zoom);
    painter.scale(scale, scale);
    painter.translate(ChartMargin, ChartMargin);
    const QRectF everything(-ChartMargin, -ChartMargin, size.width() / scale + ChartMargin, size.height() / scale + ChartMargin);
    PaintScene(painter, scene, fonts, everything, false);
    painter.setPen(Qt::black);
    painter.setFont(fonts.footer);
    painter.drawText(FooterBox(scene, fonts), Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, scene.footer);
    return image;
}

void WriteFlowchartImage(const QImage& image, const QString& path, ImageType type)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw ImageExportException(WriteFailure(path, file.errorString()));
    }
    if (type == ImageType::Gif) {
        WriteGif(image, file);
    } else if (type == ImageType::Png) {
        WritePng(image, file);
    } else {
        QImageWriter writer(&file, type == ImageType::Bmp ? "BMP" : "JPEG");
        if (!writer.write(image)) {
            throw ImageExportException(WriteFailure(path, writer.errorString()));
        }
    }
    if (!file.commit()) {
        throw ImageExportException(WriteFailure(path, file.errorString()));
    }
}

}  // namespace Drawing
