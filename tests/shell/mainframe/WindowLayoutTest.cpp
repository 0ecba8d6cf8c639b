// SPDX-License-Identifier: MIT
#include "shell/MainWindowFixture.h"
#include "shell/flowchart/CFlowchartPane.h"
#include "shell/panes/CBookPropertiesPane.h"
#include "shell/panes/CChoicesPane.h"
#include "shell/panes/COutlinePane.h"
#include "shell/panes/CPreviewPane.h"
#include "shell/panes/CSectionPropertiesPane.h"
#include "shell/panes/CSectionView.h"
#include "shell/panes/PropertyGrid.h"
#include "shell/support/StringTable.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

using namespace TarnGui;

class WindowLayoutTest : public TestSupport::MainWindowFixture {
protected:
    // The queued sizing after a resize, and the dock layout after it.
    void Settle()
    {
        for (int turn = 0; turn < 3; ++turn) {
            QApplication::processEvents();
        }
    }
    // Names cut short in the property grid, with the room they would need.
    static std::vector<std::string> CutNames(PropertyGrid& grid)
    {
        std::vector<std::string> cut;
        QTreeWidget* tree = grid.Tree();
        for (QTreeWidgetItemIterator item(tree); *item != nullptr; ++item) {
            if ((*item)->parent() == nullptr) {
                continue;
            }
            const int needed = tree->fontMetrics().horizontalAdvance((*item)->text(0)) + 2 * tree->indentation();
            if (needed > tree->header()->sectionSize(0)) {
                cut.push_back((*item)->text(0).toStdString());
            }
        }
        return cut;
    }
    void Restart()
    {
        app_.reset();
        app_ = std::make_unique<CTarnGuiApp>();
        ASSERT_TRUE(app_->InitInstance({QStringLiteral("brindle-studio")}, true));
        Settle();
    }
};

TEST_F(WindowLayoutTest, TheChartHasTheLargestShareAndEveryPropertyNameFitsAtBothScreenSizes)
{
    // The last is a full-HD screen at a scale factor of 2.
    for (const QSize size : {QSize(1366, 738), QSize(1920, 1050), QSize(960, 525)}) {
        Frame().resize(size);
        Settle();
        const int chart = Frame().FlowchartPane()->width();
        EXPECT_GT(chart, Frame().SectionView()->width()) << size.width();
        EXPECT_GT(chart, Frame().OutlinePane()->width()) << size.width();
        // The choices sit under the section editor, not under the chart.
        EXPECT_LT(Frame().ChoicesPane()->width(), size.width() - chart) << size.width();
        EXPECT_EQ(CutNames(*Frame().SectionPropertiesPane()->Grid()), std::vector<std::string>{}) << size.width();
        EXPECT_EQ(CutNames(*Frame().BookPropertiesPane()->Grid()), std::vector<std::string>{}) << size.width();
    }
}

TEST_F(WindowLayoutTest, TheWindowAndItsPanesComeBackAsTheAuthorLeftThem)
{
    Frame().resize(1100, 700);
    Settle();
    Frame().PreviewPane()->hide();
    Frame().resizeDocks({Frame().OutlinePane()}, {400}, Qt::Horizontal);
    Settle();
    const int outline = Frame().OutlinePane()->width();
    Frame().close();
    Restart();
    EXPECT_EQ(Frame().size(), QSize(1100, 700));
    EXPECT_FALSE(Frame().PreviewPane()->isVisible());
    EXPECT_EQ(Frame().OutlinePane()->width(), outline);

    // Reset Views gives the first arrangement back, and that is what the next start shows.
    Run(Strings::ResetViews);
    Settle();
    EXPECT_TRUE(Frame().PreviewPane()->isVisible());
    EXPECT_LT(Frame().OutlinePane()->width(), outline);
}

}  // namespace
