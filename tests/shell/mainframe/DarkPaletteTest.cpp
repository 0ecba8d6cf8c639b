// SPDX-License-Identifier: MIT
#include "shell/MainWindowFixture.h"
#include "shell/panes/CFindReplacePane.h"
#include "shell/support/ErrorTextColour.h"

#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// WCAG's contrast ratio of two colours, from 1 to 21.
double Contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& colour) {
        const auto channel = [](double value) { return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
    };
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

QPalette FusionPalette()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

QPalette DarkPalette()
{
    QPalette dark = FusionPalette();
    for (const auto& [role, colour] : {std::pair{QPalette::Window, QColor(0x2b, 0x2b, 0x2b)},
                                       {QPalette::WindowText, QColor(0xee, 0xee, 0xee)},
                                       {QPalette::Base, QColor(0x1e, 0x1e, 0x1e)},
                                       {QPalette::Text, QColor(0xee, 0xee, 0xee)},
                                       {QPalette::Button, QColor(0x35, 0x35, 0x35)},
                                       {QPalette::ButtonText, QColor(0xee, 0xee, 0xee)},
                                       {QPalette::AlternateBase, QColor(0x26, 0x26, 0x26)},
                                       {QPalette::ToolTipBase, QColor(0x35, 0x35, 0x35)},
                                       {QPalette::ToolTipText, QColor(0xee, 0xee, 0xee)},
                                       {QPalette::PlaceholderText, QColor(0x99, 0x99, 0x99)}}) {
        dark.setColor(role, colour);
    }
    return dark;
}

TEST(ErrorTextColour, ReadsAtAAContrastOnLightAndDarkPalettes)
{
    for (const QPalette& palette : {FusionPalette(), DarkPalette()}) {
        EXPECT_GE(Contrast(TarnGui::ErrorTextColour(palette), palette.color(QPalette::Window)), 4.5)
            << palette.color(QPalette::Window).name().toStdString();
    }
}

class DarkPaletteTest : public TestSupport::MainWindowFixture {
protected:
    void SetUp() override
    {
        light_ = QApplication::palette();
        QApplication::setPalette(DarkPalette());
        MainWindowFixture::SetUp();
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        QApplication::setPalette(light_);
    }

    QPalette light_;
};

// The window as a dark desktop shows it, kept beside the test for a person to look at; a
// refused search's message keeps its contrast there.
TEST_F(DarkPaletteTest, TheWindowFollowsADarkPaletteAndItsMessagesStayReadable)
{
    Frame().setGeometry(0, 0, 1366, 768);
    Frame().FindReplacePane()->show();
    auto* find = Frame().FindReplacePane()->findChild<QLineEdit*>();
    Frame().FindReplacePane()->RegularExpressionBox()->setChecked(true);
    find->setText(QStringLiteral("(unclosed"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Frame().FindReplacePane()->Summary()->text().isEmpty(); }, 5000));
    const QLabel* summary = Frame().FindReplacePane()->Summary();
    EXPECT_GE(Contrast(summary->palette().color(QPalette::WindowText), summary->palette().color(QPalette::Window)), 4.5);
    Frame().grab().save(QStringLiteral("dark-palette-1366x768.png"));
}

}  // namespace
