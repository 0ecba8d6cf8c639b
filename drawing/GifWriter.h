// SPDX-License-Identifier: MIT
#pragma once

#include <QIODevice>
#include <QImage>

namespace Drawing {

// Writes the image as a GIF of up to 256 colours chosen by giflib's quantizer. Throws
// ImageExportException when giflib or the device fails.
void WriteGif(const QImage& image, QIODevice& device);

}  // namespace Drawing
