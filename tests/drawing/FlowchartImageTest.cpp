// SPDX-License-Identifier: MIT
#include "drawing/FlowchartImage.h"
#include "drawing/GifWriter.h"
#include "drawing/PngWriter.h"
#include "support/TempFolder.h"

#include <QBuffer>
#include <QPainter>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace Drawing;
using TestSupport::ReadBytes;

// Two boxes, the first selected, joined by a straight hidden choice running down.
struct FlowchartImageTest : testing::Test {
    Drawing::FlowchartScene scene;
    Drawing::FlowchartFonts fonts = Drawing::FlowchartFonts::Create();
    TestSupport::TempFolder folder;

    void SetUp() override
    {
        scene.graphWidth = 200;
        scene.graphHeight = 300;
        scene.boxes[1] = {QStringLiteral("1"), QStringLiteral("Gate"), QRectF(60, 0, 80, 50), QColor(0, 0, 128), true};
        scene.boxes[2] = {QStringLiteral("2"), QStringLiteral("Wall"), QRectF(60, 250, 80, 50), QColor(255, 255, 0), false};
        QPolygonF points;
        points << QPointF(100, 50) << QPointF(100, 100) << QPointF(100, 150) << QPointF(100, 200) << QPointF(100, 250);
        scene.arrows[TarnViewModel::Uuid{}] = {points, Drawing::PointBounds(points), true};
    }
    QString Path(const std::string& name) const { return QString::fromStdString(folder.Path(name).string()); }
};

// Whether every pixel along a line of the image is dark.
bool SolidDark(const QImage& image, QPoint from, QPoint to)
{
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    for (int step = 0; step <= steps; ++step) {
        const QPoint at = from + (to - from) * step / std::max(steps, 1);
        if (image.pixelColor(at).lightness() > 100) {
            return false;
        }
    }
    return true;
}

TEST_F(FlowchartImageTest, ImageHoldsTheChartAndFooterWithMarginsScaledByZoom)
{
    const QSize full = Drawing::FlowchartImageSize(scene, fonts, 1.0);
    EXPECT_EQ(full.width(), 220);
    EXPECT_EQ(full.height(), 330);
    scene.footer = QStringLiteral("Written by someone");
    const QSize withFooter = Drawing::FlowchartImageSize(scene, fonts, 1.0);
    EXPECT_GT(withFooter.height(), 330);
    const QSize half = Drawing::FlowchartImageSize(scene, fonts, 0.5);
    EXPECT_EQ(half.width(), std::lround(withFooter.width() / 2.0));
    EXPECT_NEAR(half.height(), withFooter.height() / 2.0, 0.5);
}

TEST_F(FlowchartImageTest, AFooterWiderThanTheChartWidensTheImage)
{
    scene.footer = QString(200, QChar('W'));
    const double footerWidth = Drawing::MeasureFooter(fonts, scene.footer).width();
    ASSERT_GT(footerWidth, scene.graphWidth);
    EXPECT_EQ(Drawing::FlowchartImageSize(scene, fonts, 1.0).width(), std::lround(footerWidth + 20));
}

TEST_F(FlowchartImageTest, DrawsOnWhiteWithTheSelectionSolidAndHiddenChoicesDashed)
{
    const QImage image = Drawing::RenderFlowchartImage(scene, fonts, 1.0);
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(10 + 70, 10 + 45), QColor(0, 0, 128));
    EXPECT_EQ(image.pixelColor(10 + 70, 10 + 295), QColor(255, 255, 0));
    // The selected box's top edge is one unbroken line in the image.
    EXPECT_TRUE(SolidDark(image, QPoint(10 + 70, 10), QPoint(10 + 130, 10)));
    // The hidden choice's line has gaps; its arrowhead, next to the lower box, has none.
    EXPECT_FALSE(SolidDark(image, QPoint(10 + 100, 10 + 60), QPoint(10 + 100, 10 + 190)));
    EXPECT_TRUE(SolidDark(image, QPoint(10 + 100, 10 + 240), QPoint(10 + 100, 10 + 248)));
}

TEST_F(FlowchartImageTest, WritesEveryFormatSoThatItReadsBack)
{
    const QImage image = Drawing::RenderFlowchartImage(scene, fonts, 1.0);
    for (const auto& [type, name, magic] : {std::tuple{Drawing::ImageType::Bmp, "chart.bmp", "BM"},
                                            {Drawing::ImageType::Png, "chart.png", "\x89PNG"},
                                            {Drawing::ImageType::Jpeg, "chart.jpg", "\xFF\xD8"},
                                            {Drawing::ImageType::Gif, "chart.gif", "GIF8"}}) {
        Drawing::WriteFlowchartImage(image, Path(name), type);
        EXPECT_EQ(ReadBytes(folder.Path(name)).rfind(magic, 0), 0u) << name;
        const QImage back(Path(name));
        ASSERT_EQ(back.size(), image.size()) << name;
        const QColor fill = back.pixelColor(10 + 70, 10 + 295);
        EXPECT_NEAR(fill.red(), 255, 12) << name;
        EXPECT_NEAR(fill.green(), 255, 12) << name;
        EXPECT_NEAR(fill.blue(), 0, 24) << name;
    }
}

TEST_F(FlowchartImageTest, FailuresThrowAndLeaveNoFileBehind)
{
    EXPECT_THROW(Drawing::ImageTypeForFilter(0), Drawing::UnexpectedValueException);
    EXPECT_THROW(Drawing::ImageTypeForFilter(5), Drawing::UnexpectedValueException);
    EXPECT_EQ(Drawing::ImageTypeForFilter(4), Drawing::ImageType::Gif);

    const QImage image = Drawing::RenderFlowchartImage(scene, fonts, 1.0);
    EXPECT_THROW(Drawing::WriteFlowchartImage(image, Path("missing/chart.png"), Drawing::ImageType::Png), Drawing::ImageExportException);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("missing")));

    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_THROW(Drawing::WritePng(image, readOnly), Drawing::ImageExportException);
    EXPECT_THROW(Drawing::WriteGif(image, readOnly), Drawing::ImageExportException);

    const QImage tooWideForGif(70000, 1, QImage::Format_RGB32);
    EXPECT_THROW(Drawing::WriteFlowchartImage(tooWideForGif, Path("wide.gif"), Drawing::ImageType::Gif), Drawing::ImageExportException);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("wide.gif")));

    scene.graphWidth = 2'000'000;
    scene.graphHeight = 2'000'000;
    EXPECT_THROW(Drawing::RenderFlowchartImage(scene, fonts, 1.0), Drawing::ImageExportException);
}

}  // namespace
