// SPDX-License-Identifier: MIT
#include "shell/MainWindowFixture.h"
#include "shell/flowchart/CFlowchart.h"
#include "shell/flowchart/CFlowchartPane.h"

#include <QAccessible>
#include <QDockWidget>

#include <gmock/gmock.h>

namespace {

using testing::HasSubstr;

class AccessibilityTest : public TestSupport::MainWindowFixture {
protected:
    // Every control a screen reader's user can reach with the keyboard, as "Role: name".
    static void Walk(QAccessibleInterface* node, std::vector<std::string>& unnamed, int depth = 0)
    {
        if (node == nullptr || depth > 40) {
            return;
        }
        const QAccessible::State state = node->state();
        // A cell of a list or a tree is named by what it holds, which may be nothing yet.
        const bool cell = node->object() == nullptr;
        if (state.focusable && !state.invisible && !cell && node->text(QAccessible::Name).trimmed().isEmpty()) {
            QObject* object = node->object();
            unnamed.push_back(std::string(object != nullptr ? object->metaObject()->className() : "?") + " " +
                              (object != nullptr ? object->objectName().toStdString() : std::string()));
        }
        for (int index = 0; index < node->childCount(); ++index) {
            Walk(node->child(index), unnamed, depth + 1);
        }
    }
};

TEST_F(AccessibilityTest, EveryControlAScreenReaderReachesHasAName)
{
    for (QDockWidget* pane : Frame().findChildren<QDockWidget*>()) {
        pane->show();
    }
    QApplication::processEvents();
    std::vector<std::string> unnamed;
    Walk(QAccessible::queryAccessibleInterface(&Frame()), unnamed);
    EXPECT_THAT(unnamed, testing::IsEmpty());
}

TEST_F(AccessibilityTest, TheChartTellsWhichSectionIsSelectedAndWhereItsChoicesLead)
{
    Model().CreateSection(2, L"");
    Model().SetSectionSummary(2, L"The cave");
    Model().AddChoiceTo(2, 3, L"", false);
    Model().AddChoiceTo(2, 1, L"", true);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Frame().FlowchartPane()->Chart()->Scene().Box(2) != nullptr; }, 30000));
    Frame().Selection().SetCurrentSection(2);

    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(Frame().FlowchartPane()->Chart());
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->role(), QAccessible::Chart);
    EXPECT_EQ(chart->text(QAccessible::Name), QStringLiteral("Flowchart, section 2"));
    EXPECT_EQ(chart->text(QAccessible::Description), QStringLiteral("The cave. Choices lead to 3, 1 (hidden)."));
}

}  // namespace
