// SPDX-License-Identifier: MIT
#pragma once

#include <QIODevice>
#include <QImage>

namespace Drawing {

// Writes the image as an RGB PNG tuned for charts: rows filtered against their left
// neighbour and compressed as runs, which flat colour areas shrink to almost nothing.
// Throws ImageExportException when libpng or the device fails.
void WritePng(const QImage& image, QIODevice& device);

}  // namespace Drawing
