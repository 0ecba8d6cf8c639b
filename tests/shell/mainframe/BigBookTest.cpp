// SPDX-License-Identifier: MIT
#include "controllers/FlowchartController.h"
#include "controllers/PreviewText.h"
#include "controllers/SectionSelection.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"
#include "shell/MainWindowFixture.h"
#include "shell/flowchart/CFlowchart.h"
#include "shell/flowchart/CFlowchartToolBar.h"
#include "shell/flowchart/FlowchartSceneView.h"
#include "shell/panes/COutlinePane.h"
#include "shell/panes/CPreviewPane.h"
#include "shell/panes/CPreviewText.h"
#include "shell/support/StringTable.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QWheelEvent>

#include <cmath>

namespace TestSupport {

namespace {

using TarnGui::Strings::EditRedo;
using TarnGui::Strings::EditUndo;
using TarnGui::Strings::FileNew;
using TarnGui::Strings::ShuffleSections;

// A generated book of 400 sections, shaped like a published gamebook, opened in the real
// window, with its flowchart laid out in the background.
class BigBookTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        path_ = PathOf("generated.brindle");
        SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(400))->Save(path_.toStdWString());
    }

    void Open() { Frame().OpenFile(path_); }
    TarnGui::CPreviewText* Preview() { return Frame().PreviewPane()->TextBox(); }
    void ExpectPreviewShowsTheBook()
    {
        while (!Frame().PreviewFilled()) {
            QApplication::processEvents();
        }
        EXPECT_EQ(Preview()->toPlainText(), QString::fromStdWString(Expected(Model())));
    }
    void ClickOutlineRow(int row)
    {
        QListView* outline = Frame().OutlinePane()->List();
        const QModelIndex index = outline->model()->index(row, 0);
        outline->scrollTo(index);
        QTest::mouseClick(outline->viewport(), Qt::LeftButton, {}, outline->visualRect(index).center());
    }

    QString path_;
};

TEST_F(BigBookTest, ThePreviewShowsTheWholeBookAfterSelectingShufflingAndUndoing)
{
    Open();
    ExpectPreviewShowsTheBook();
    ClickOutlineRow(2);
    ASSERT_EQ(Frame().Selection().GetCurrentSection(), 3u);
    ExpectPreviewShowsTheBook();
    // The paragraph the preview scrolled to has been laid out, so it is drawn.
    const QTextCursor shown = Preview()->cursorForPosition(QPoint(10, 10));
    EXPECT_TRUE(shown.block().layout()->lineCount() > 0 || shown.block().text().isEmpty());
    Run(ShuffleSections);
    ExpectPreviewShowsTheBook();
    Run(EditUndo);
    ExpectPreviewShowsTheBook();
    Run(EditRedo);
    ExpectPreviewShowsTheBook();
}

// A second chart of the same book, laid out at once after each change, is what the chart
// laid out in the background must end as.
TEST_F(BigBookTest, EditsMadeWhileLayingOutEndInTheChartAnImmediateLayoutGives)
{
    TarnGui::FlowchartSceneView reference;
    TarnViewModel::SectionSelection selection(Model());
    TarnViewModel::FlowchartController synchronous(Model(), selection, &reference);
    Open();
    ASSERT_FALSE(Frame().FlowchartPane()->LayoutSettled());
    EXPECT_FALSE(Frame().FlowchartPane()->ToolBar()->LayoutStatusLabel()->text().isEmpty());
    Frame().Selection().SetCurrentSection(3);
    const TarnViewModel::Uuid id = Model().AddChoiceTo(3, 401, L"Onwards", false);
    QApplication::processEvents();
    Model().EditChoice(id, 5, L"Back", true);
    Model().DeleteSectionAndChoices(7);
    QApplication::processEvents();
    Run(ShuffleSections);
    Run(EditUndo);
    Run(EditUndo);
    Run(EditRedo);
    WaitForLayout();
    EXPECT_TRUE(Frame().FlowchartPane()->ToolBar()->LayoutStatusLabel()->text().isEmpty());

    const Drawing::FlowchartScene& chart = Frame().FlowchartPane()->Chart()->Scene();
    const Drawing::FlowchartScene& expected = reference.Scene();
    ASSERT_EQ(chart.boxes.size(), expected.boxes.size());
    for (const auto& [number, box] : expected.boxes) {
        ASSERT_TRUE(chart.boxes.contains(number)) << number;
        EXPECT_EQ(chart.boxes.at(number).rect, box.rect) << number;
    }
    ASSERT_EQ(chart.arrows.size(), expected.arrows.size());
    for (const auto& [id, arrow] : expected.arrows) {
        EXPECT_EQ(chart.arrows.at(id).points, arrow.points);
    }
    EXPECT_EQ(chart.graphWidth, expected.graphWidth);
    EXPECT_EQ(chart.graphHeight, expected.graphHeight);
}

TEST_F(BigBookTest, TheSelectedBoxStaysInSightThroughLayoutsAndZoomSteps)
{
    Open();
    WaitForLayout();
    TarnGui::CFlowchart& chart = *Frame().FlowchartPane()->Chart();
    const auto selectedInSight = [&] {
        for (const auto& [number, box] : chart.Scene().boxes) {
            if (box.selected) {
                return chart.viewport()->rect().contains(chart.ToWindow(box.rect).center());
            }
        }
        return false;
    };
    Frame().Selection().SetCurrentSection(150);
    ASSERT_TRUE(selectedInSight());
    const QRect before = chart.ToWindow(chart.Scene().boxes.at(150).rect);
    Model().AddChoiceTo(150, 401, L"Onwards", false);
    WaitForLayout();
    EXPECT_LE((chart.ToWindow(chart.Scene().boxes.at(150).rect).center() - before.center()).manhattanLength(), 2);

    Run(ShuffleSections);
    WaitForLayout();
    EXPECT_TRUE(selectedInSight());
    Run(EditUndo);
    WaitForLayout();
    EXPECT_TRUE(selectedInSight());

    // Scroll positions are whole pixels, so each step may move the box by one; where the
    // zoomed chart is smaller than the window, it cannot scroll and the box stays in sight.
    TarnGui::CFlowchartToolBar& toolBar = *Frame().FlowchartPane()->ToolBar();
    const auto zoomTo = [&](unsigned percent) {
        const int item = toolBar.ZoomBox()->findText(QStringLiteral("%1%").arg(percent));
        toolBar.ZoomBox()->setCurrentIndex(item);
        emit toolBar.ZoomBox()->activated(item);
        return chart.ToWindow(chart.Scene().boxes.at(Frame().Selection().GetCurrentSection()).rect).center();
    };
    const QPoint centre = chart.ToWindow(chart.Scene().boxes.at(Frame().Selection().GetCurrentSection()).rect).center();
    for (unsigned percent : {90u, 70u, 100u}) {
        EXPECT_LE((zoomTo(percent) - centre).manhattanLength(), 6) << percent;
    }
    zoomTo(10);
    EXPECT_TRUE(selectedInSight());
}

TEST_F(BigBookTest, FittingStopsAtTheLowestStepAndSaysWhenTheChartDoesNotFit)
{
    Open();
    WaitForLayout();
    TarnGui::CFlowchart& chart = *Frame().FlowchartPane()->Chart();
    TarnGui::CFlowchartToolBar& toolBar = *Frame().FlowchartPane()->ToolBar();

    toolBar.FitWholeChartAction()->trigger();
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(chart.Zoom(), 0.1);
    EXPECT_GT(chart.VerticalRange(), chart.viewport()->height());
    EXPECT_EQ(toolBar.ZoomBox()->currentText(), QStringLiteral("10%"));
    EXPECT_FALSE(toolBar.ZoomOutAction()->isEnabled());
    EXPECT_EQ(toolBar.ZoomNoteLabel()->text(), TarnGui::LoadString(TarnGui::Strings::ChartDoesNotFit));

    // The steps of the list still work from a fitted zoom.
    toolBar.ZoomBox()->setCurrentIndex(9);
    emit toolBar.ZoomBox()->activated(9);
    EXPECT_DOUBLE_EQ(chart.Zoom(), 1.0);
    EXPECT_EQ(toolBar.ZoomBox()->currentText(), QStringLiteral("100%"));
    EXPECT_EQ(toolBar.ZoomNoteLabel()->text(), QString()) << "the note outlived the zoom it was about";
}

TEST_F(BigBookTest, TheZoomBoxTakesATypedPercentageAndCtrlWheelZoomsAroundThePointer)
{
    Open();
    WaitForLayout();
    TarnGui::CFlowchart& chart = *Frame().FlowchartPane()->Chart();
    QComboBox* box = Frame().FlowchartPane()->ToolBar()->ZoomBox();
    const auto type = [box](const QString& text) {
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), text);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    };
    type(QStringLiteral("60"));
    EXPECT_DOUBLE_EQ(chart.Zoom(), 0.6);
    EXPECT_EQ(box->currentText(), QStringLiteral("60%"));
    type(QStringLiteral("250%"));
    EXPECT_DOUBLE_EQ(chart.Zoom(), 2.5);
    type(QStringLiteral("x"));
    EXPECT_EQ(box->currentText(), QStringLiteral("250%")) << "the box took letters";

    type(QStringLiteral("50"));
    const QPointF pointer(chart.viewport()->width() / 3.0, chart.viewport()->height() / 4.0);
    const auto underPointer = [&] {
        return QPointF((pointer.x() + chart.horizontalScrollBar()->value()) / chart.Zoom(),
                       (pointer.y() + chart.verticalScrollBar()->value()) / chart.Zoom());
    };
    const QPointF before = underPointer();
    QWheelEvent up(pointer, chart.viewport()->mapToGlobal(pointer), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(chart.viewport(), &up);
    EXPECT_DOUBLE_EQ(chart.Zoom(), 0.6);
    EXPECT_NEAR(underPointer().x(), before.x(), 2.0);
    EXPECT_NEAR(underPointer().y(), before.y(), 2.0);
}

TEST_F(BigBookTest, NewOpenAndClosingDuringALayoutNeitherWaitNorFail)
{
    Open();
    ASSERT_FALSE(Frame().FlowchartPane()->LayoutSettled());
    Run(FileNew);
    WaitForLayout();
    EXPECT_EQ(Frame().FlowchartPane()->Chart()->Scene().boxes.size(), 1u);

    Open();
    Open();
    WaitForLayout();
    EXPECT_EQ(Frame().FlowchartPane()->Chart()->Scene().boxes.size(), 400u);

    Model().AddChoiceTo(1, 401, L"Onwards", false);
    ASSERT_FALSE(Frame().FlowchartPane()->LayoutSettled());
    script_.ThenAnswer(QMessageBox::No);
    Frame().close();
    app_.reset();
    // The layout under way finishes on its own thread and finds nobody to hand it to.
    QApplication::processEvents();
}

}  // namespace

}  // namespace TestSupport
