// SPDX-License-Identifier: MIT
#include "shell/MainWindowFixture.h"
#include "shell/flowchart/CFlowchart.h"
#include "shell/flowchart/CFlowchartPane.h"
#include "shell/panes/COutlinePane.h"
#include "shell/panes/CPreviewPane.h"
#include "shell/panes/CPreviewText.h"
#include "shell/panes/OutlineItemDelegate.h"

#include <QListView>
#include <QPainter>
#include <QStandardItemModel>
#include <QTextBlock>

namespace TestSupport {

namespace {

using TarnGui::OutlineItemDelegate;

class OutlinePreviewTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Model().SetSectionText(1, L"The \U0001F409 dragon wakes.\r\nIt is hungry.");
        Model().CreateSection(2, L"Cellar");
        Model().CreateSection(5, L"Tower");
        Model().AddChoiceTo(1, 57, L"Run \U0001F3C3 away", false);
        Model().AddChoiceTo(1, 5, L"Climb", false);
        Frame().Selection().SetCurrentSection(1);
        QApplication::processEvents();
    }
    QListView* Outline() { return Frame().OutlinePane()->List(); }
    TarnGui::CPreviewText* Preview() { return Frame().PreviewPane()->TextBox(); }
    bool ChartSelects(std::uint32_t number)
    {
        const auto& boxes = Frame().FlowchartPane()->Chart()->Scene().boxes;
        const auto box = boxes.find(number);
        return box != boxes.end() && box->second.selected;
    }
    QString Row(int row) { return Outline()->model()->index(row, 0).data().toString(); }
    void ClickRow(int row)
    {
        const QModelIndex index = Outline()->model()->index(row, 0);
        Outline()->scrollTo(index);
        QTest::mouseClick(Outline()->viewport(), Qt::LeftButton, {}, Outline()->visualRect(index).center());
    }
    // The character positions of the preview's links, with their targets.
    std::vector<std::pair<QString, QString>> Links()
    {
        std::vector<std::pair<QString, QString>> links;
        for (QTextBlock block = Preview()->document()->begin(); block.isValid(); block = block.next()) {
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                if (fragment.fragment().charFormat().isAnchor()) {
                    links.emplace_back(fragment.fragment().text(), fragment.fragment().charFormat().anchorHref());
                }
            }
        }
        return links;
    }
    void ClickLink(const QString& href)
    {
        QTextDocument* document = Preview()->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                if (fragment.fragment().charFormat().anchorHref() == href) {
                    QTextCursor cursor(document);
                    cursor.setPosition(fragment.fragment().position() + 1);
                    Preview()->setTextCursor(cursor);
                    Preview()->ensureCursorVisible();
                    const QPoint at = Preview()->cursorRect(cursor).center() - QPoint(2, 0);
                    QTest::mouseClick(Preview()->viewport(), Qt::LeftButton, {}, at);
                    return;
                }
            }
        }
        ADD_FAILURE() << "no link to " << href.toStdString();
    }
};

TEST_F(OutlinePreviewTest, OutlineListsEveryNumberUpToTheHighest)
{
    ASSERT_EQ(Outline()->model()->rowCount(), 57);
    EXPECT_EQ(Row(1), QStringLiteral("2 - Cellar"));
    EXPECT_EQ(Row(2), QStringLiteral("3 <Empty>"));
    EXPECT_EQ(Row(4), QStringLiteral("5 - Tower"));
    EXPECT_EQ(Outline()->visualRect(Outline()->model()->index(0, 0)).height(), OutlineItemDelegate::ItemHeight);
    EXPECT_EQ(Outline()->currentIndex().row(), 0);
}

TEST_F(OutlinePreviewTest, ClickingAnEntryOrMovingWithTheKeysSelectsItsNumber)
{
    ClickRow(4);
    EXPECT_EQ(Frame().Selection().GetCurrentSection(), 5U);
    EXPECT_TRUE(ChartSelects(5));
    QTest::keyClick(Outline(), Qt::Key_Up);
    EXPECT_EQ(Frame().Selection().GetCurrentSection(), 4U);
    Frame().Selection().SetCurrentSection(2);
    EXPECT_EQ(Outline()->currentIndex().row(), 1);
    // Removing the highest entries while following the book selects nothing on its own.
    Model().DeleteSectionAndChoices(57);
    EXPECT_EQ(Frame().Selection().GetCurrentSection(), 2U);
}

TEST_F(OutlinePreviewTest, PreviewLinksStandOnTheirNumbersPastWideCharactersAndLineBreaks)
{
    const auto links = Links();
    ASSERT_EQ(links.size(), 2U);
    EXPECT_EQ(links[0], std::make_pair(QStringLiteral("57"), QStringLiteral("section:57")));
    EXPECT_EQ(links[1], std::make_pair(QStringLiteral("5"), QStringLiteral("section:5")));
    EXPECT_TRUE(Preview()->toPlainText().startsWith(QStringLiteral("1\nThe \U0001F409 dragon wakes.\nIt is hungry.\nRun")));

    // A later edit of the same section lands in its own range.
    Model().SetSectionText(1, L"\U0001F409\U0001F409\r\nQuiet.");
    QApplication::processEvents();
    EXPECT_EQ(Links().size(), 2U);
    EXPECT_EQ(Links()[0].first, QStringLiteral("57"));
    EXPECT_TRUE(Preview()->toPlainText().startsWith(QStringLiteral("1\n\U0001F409\U0001F409\nQuiet.\nRun")));
}

TEST_F(OutlinePreviewTest, ThePreviewReadsLikeABookInOneFontWithBoldNumbersAndSpacedParagraphs)
{
    Model().SetFont(CommonLib::FontType::MainBook, {L"DejaVu Serif", 11});
    // An edit rewrites its section, whose number must stay bold.
    Model().SetSectionText(1, L"The door creaks.");
    QApplication::processEvents();
    QTextDocument* document = Preview()->document();
    EXPECT_EQ(document->defaultFont().family(), QStringLiteral("DejaVu Serif"));
    int headings = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            EXPECT_EQ(format.fontFamilies().toStringList().value(0, document->defaultFont().family()), QStringLiteral("DejaVu Serif"))
                << fragment.fragment().text().toStdString();
            const bool isNumberLine = block.text() == fragment.fragment().text() && block.text().toUInt() > 0 && !format.isAnchor();
            if (isNumberLine) {
                EXPECT_EQ(format.fontWeight(), QFont::Bold) << block.text().toStdString();
                ++headings;
            } else if (!format.isAnchor()) {
                EXPECT_NE(format.fontWeight(), QFont::Bold) << block.text().toStdString();
            }
        }
    }
    EXPECT_GE(headings, 2);
    // Paragraphs stand apart: each takes more room than its lines.
    const QTextBlock first = document->begin();
    ASSERT_GT(first.layout()->lineCount(), 0);
    EXPECT_GT(Preview()->cursorRect(QTextCursor(first.next())).top() - Preview()->cursorRect(QTextCursor(first)).top(),
              qRound(first.layout()->lineAt(0).height() * 1.25));
}

TEST_F(OutlinePreviewTest, ClickingAPreviewLinkSelectsItsDestinationEverywhere)
{
    ClickLink(QStringLiteral("section:57"));
    EXPECT_EQ(Frame().Selection().GetCurrentSection(), 57U);
    EXPECT_EQ(Outline()->currentIndex().row(), 56);
    EXPECT_TRUE(ChartSelects(57));
}

// The outline's text colour follows the fill's luminance.
TEST_F(OutlinePreviewTest, EntryTextIsWhiteOnDarkBoxesAndBlackOnLightOnes)
{
    const auto textPixels = [this](const QColor& fill, const QColor& ink) {
        QStandardItemModel entries;
        auto* item = new QStandardItem(QStringLiteral("8 - Moat"));
        item->setData(fill, Qt::DecorationRole);
        item->setData(true, OutlineItemDelegate::IsSectionRole);
        entries.appendRow(item);
        QImage image(200, OutlineItemDelegate::ItemHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.initFrom(Outline());
        option.rect = image.rect();
        OutlineItemDelegate().paint(&painter, option, entries.index(0, 0));
        painter.end();
        int count = 0;
        for (int y = 12; y < 28; ++y) {
            for (int x = 10; x < 80; ++x) {
                count += image.pixelColor(x, y) == ink ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_GT(textPixels(QColor(0, 0, 128), Qt::white), 2);
    EXPECT_EQ(textPixels(QColor(0, 0, 128), Qt::black), 0);
    EXPECT_GT(textPixels(QColor(255, 255, 160), Qt::black), 2);
    EXPECT_EQ(textPixels(QColor(255, 255, 160), Qt::white), 0);
}

}  // namespace

}  // namespace TestSupport
