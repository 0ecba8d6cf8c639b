// SPDX-License-Identifier: MIT
#include "drawing/FlowchartImage.h"
#include "shell/MainWindowFixture.h"
#include "shell/flowchart/CFlowchart.h"
#include "shell/flowchart/CFlowchartPane.h"

#include <QDir>
#include <QTest>

namespace {

using namespace TarnGui;

// A small book with coloured sections, drawn by the real window. With BRINDLE_SCREENSHOTS
// naming a folder, the window and the exported chart are saved there to be looked at.
class ScreenshotTest : public TestSupport::MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Frame().resize(1600, 1000);
        WriteSampleBook();
    }

    void WriteSampleBook()
    {
        TarnViewModel::TarnDataModel& book = Model();
        book.SetTitle(L"The Lighthouse");
        book.SetSectionSummary(1, L"The shore");
        book.SetSectionText(1, L"The storm drives you onto the rocks below the old lighthouse.");
        book.AddChoiceTo(1, 2, L"climb the cliff path", false);
        book.AddChoiceTo(1, 3, L"search the wreck", false);
        book.AddChoiceTo(2, 4, L"knock on the door", false);
        book.AddChoiceTo(2, 5, L"force the window", false);
        book.AddChoiceTo(3, 6, L"open the sea chest", false);
        book.AddChoiceTo(3, 2, L"give up and climb", false);
        book.AddChoiceTo(4, 7, L"follow the keeper", false);
        book.AddChoiceTo(5, 7, L"creep up the stairs", true);
        book.AddChoiceTo(6, 8, L"read the captain's log", false);
        book.AddChoiceTo(7, 8, L"light the lamp", false);
        const std::vector<std::pair<std::uint32_t, TarnViewModel::Colour>> colours{
            {1, {200, 230, 255}}, {3, {0, 0, 128}}, {6, {255, 255, 0}}, {8, {180, 40, 40}}};
        for (const auto& [number, colour] : colours) {
            book.SetSectionBackgroundColour(number, colour);
        }
        const std::vector<std::pair<std::uint32_t, const wchar_t*>> summaries{{2, L"Cliff path"}, {3, L"The wreck"}, {4, L"Keeper's door"},
                                                                              {5, L"Window"},     {6, L"Sea chest"}, {7, L"The stair"},
                                                                              {8, L"The lamp"}};
        for (const auto& [number, summary] : summaries) {
            book.SetSectionSummary(number, summary);
        }
        book.SetSectionText(3, L"The ship lies broken on the reef, its hold open to the waves.\r\n"
                               L"Among the timbers a sea chest is wedged fast, its lock green with salt.");
        Frame().Selection().SetCurrentSection(3);
    }

    static QString ScreenshotFolder() { return qEnvironmentVariable("BRINDLE_SCREENSHOTS"); }
};

TEST_F(ScreenshotTest, TheExportedChartShowsEveryBoxWhereTheLayoutPutItInItsColour)
{
    WaitForLayout();
    const CFlowchart& chart = *Frame().FlowchartPane()->Chart();
    ASSERT_EQ(chart.Scene().boxes.size(), 8u);
    const QImage image = Drawing::RenderFlowchartImage(chart.Scene(), chart.Fonts(), 1.0);
    for (const auto& [number, box] : chart.Scene().boxes) {
        // Just inside the bottom left corner, below the text and clear of the rounding.
        const QPoint inside(static_cast<int>(box.rect.left() + Drawing::ChartMargin + 8),
                            static_cast<int>(box.rect.bottom() + Drawing::ChartMargin - 4));
        EXPECT_EQ(image.pixelColor(inside), box.fill) << "section " << number;
        const QPoint outside(static_cast<int>(box.rect.left() + Drawing::ChartMargin - 4),
                             static_cast<int>(box.rect.center().y() + Drawing::ChartMargin));
        EXPECT_EQ(image.pixelColor(outside), QColor(Qt::white)) << "section " << number;
    }
    // Section 1 leads to 2 and 3, so the layout puts it above both.
    EXPECT_LT(chart.Scene().boxes.at(1).rect.bottom(), chart.Scene().boxes.at(2).rect.top());
    EXPECT_LT(chart.Scene().boxes.at(1).rect.bottom(), chart.Scene().boxes.at(3).rect.top());

    if (!ScreenshotFolder().isEmpty()) {
        QDir().mkpath(ScreenshotFolder());
        image.save(ScreenshotFolder() + QStringLiteral("/flowchart.png"));
        QApplication::processEvents();
        Frame().grab().save(ScreenshotFolder() + QStringLiteral("/main-window.png"));
    }
}

}  // namespace
