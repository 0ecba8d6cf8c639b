// SPDX-License-Identifier: MIT
#include "controllers/FrameworkController.h"
#include "drawing/FlowchartImage.h"
#include "export/ExporterSelection.h"
#include "shell/MainWindowFixture.h"
#include "shell/flowchart/CFlowchart.h"
#include "shell/flowchart/CFlowchartPane.h"
#include "shell/panes/CChoicesPane.h"
#include "shell/panes/CSectionView.h"
#include "shell/support/StringTable.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <sstream>

namespace {

using namespace TarnGui;
using TestSupport::ReadBytes;

class MainWindowSessionTest : public TestSupport::MainWindowFixture {
protected:
    void LeaveSectionText() { Frame().FlowchartPane()->Chart()->setFocus(); }
    // The choice dialog answered with a text and a typed destination.
    void ThenWriteChoice(const QString& text, const QString& destination)
    {
        script_.Then([text, destination](QWidget* dialog) {
            dialog->findChild<QPlainTextEdit*>(QStringLiteral("ChoiceText"))->setPlainText(text);
            auto* box = dialog->findChild<QComboBox*>(QStringLiteral("Destination"));
            box->setCurrentIndex(-1);
            box->setEditText(destination);
            qobject_cast<QDialog*>(dialog)->accept();
        });
    }
    std::wstring SectionText(std::uint32_t number) { return Model().GetStoryGraph().GetSection(number).text; }
};

TEST_F(MainWindowSessionTest, WritesABookFromNothingThenSavesReopensExportsAndUndoesAll)
{
    const auto& graph = Model().GetStoryGraph();
    ASSERT_EQ(graph.SectionCount(), 1u);
    ASSERT_EQ(Frame().Selection().GetCurrentSection(), 1u);

    // Typing becomes one command when the text box is left.
    TypeIntoSection(QStringLiteral("You stand at the gate.\nIt is locked."));
    LeaveSectionText();
    EXPECT_EQ(SectionText(1), L"You stand at the gate.\r\nIt is locked.");
    EXPECT_TRUE(Frame().Action(Strings::EditUndo)->isEnabled());

    // A choice to a section that does not exist yet creates it.
    ThenWriteChoice(QStringLiteral("Climb the wall"), QStringLiteral("2"));
    auto* choices = Frame().ChoicesPane();
    const QList<QPushButton*> buttons = choices->widget()->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 6);
    QTest::mouseClick(buttons.front(), Qt::LeftButton);
    WaitForScript();
    ASSERT_EQ(graph.SectionCount(), 2u);
    ASSERT_EQ(choices->List()->count(), 1);
    EXPECT_EQ(Frame().FlowchartPane()->Chart()->Scene().arrows.size(), 1u);

    // Undo all, then redo all, from the menu's shortcuts.
    for (int step = 0; step < 10 && Frame().Action(Strings::EditUndo)->isEnabled(); ++step) {
        Press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    }
    EXPECT_FALSE(Frame().Action(Strings::EditUndo)->isEnabled());
    EXPECT_EQ(graph.SectionCount(), 1u);
    EXPECT_EQ(SectionText(1), L"");
    for (int step = 0; step < 10 && Frame().Action(Strings::EditRedo)->isEnabled(); ++step) {
        Press(QKeySequence(Qt::CTRL | Qt::Key_Y));
    }
    EXPECT_FALSE(Frame().Action(Strings::EditRedo)->isEnabled());
    EXPECT_EQ(graph.SectionCount(), 2u);
    EXPECT_EQ(SectionText(1), L"You stand at the gate.\r\nIt is locked.");

    // Save asks for a name the first time.
    const QString book = PathOf("quest.brindle");
    script_.ThenChooseFile(book);
    Press(QKeySequence(Qt::CTRL | Qt::Key_S));
    WaitForScript();
    WaitForBookJobs();
    EXPECT_FALSE(Model().IsModified());
    EXPECT_EQ(QString::fromStdWString(Model().GetFilePath()), book);
    EXPECT_NE(ReadBytes(book.toStdString()).find("Climb the wall"), std::string::npos);

    // A new book, then the saved one again from the recent files.
    Press(QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(graph.SectionCount(), 1u);
    EXPECT_TRUE(Model().GetFilePath().empty());
    QAction* recent = RecentEntry(book);
    ASSERT_NE(recent, nullptr);
    recent->trigger();
    ASSERT_EQ(graph.SectionCount(), 2u);
    EXPECT_EQ(SectionText(1), L"You stand at the gate.\r\nIt is locked.");

    // The book exported as one HTML file is the exporter's own output with CR LF lines.
    const QString page = PathOf("quest.html");
    script_.Then([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); });
    script_.ThenChooseFile(page);
    script_.ThenAnswer(QMessageBox::Yes);
    Run(Strings::ExportBook);
    WaitForScript();
    ASSERT_EQ(script_.Messages().back(), "Do you want to open your exported book?");
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_.back(), QUrl::fromLocalFile(page));
    std::ostringstream expected;
    const TarnViewModel::SharedBook snapshot = Model().Snapshot();
    TarnViewModel::CreateBookExporter(*snapshot, 3)->Export(*snapshot, expected);
    const std::string written = ReadBytes(page.toStdString());
    EXPECT_NE(written.find("\r\n"), std::string::npos);
    std::string withCrLf;
    for (char character : expected.str()) {
        withCrLf += character == '\n' ? std::string("\r\n") : std::string(1, character);
    }
    EXPECT_EQ(written, withCrLf);

    // The flowchart as an image, proposed next to the book.
    script_.Then([this](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->selectedFiles().value(0), PathOf("quest.png"));
        EXPECT_EQ(files->selectedNameFilter(), QStringLiteral("PNG (*.png)"));
        static_cast<QDialog*>(files)->accept();
    });
    script_.ThenAnswer(QMessageBox::No);
    Run(Strings::ExportGraph);
    WaitForScript();
    EXPECT_EQ(script_.Messages().back(), "Do you want to open your exported flowchart?");
    EXPECT_EQ(opened_.size(), 1u);
    const QImage image(PathOf("quest.png"));
    const CFlowchart& chart = *Frame().FlowchartPane()->Chart();
    EXPECT_EQ(image.size(), FlowchartImageSize(chart.Scene(), chart.Fonts(), chart.Zoom()));

    // Closing an unchanged book asks nothing.
    EXPECT_TRUE(Frame().close());
}

}  // namespace
