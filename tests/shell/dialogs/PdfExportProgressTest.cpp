#include "shell/dialogs/PdfExportProgress.h"
#include "export/ExportException.h"
#include "printing/PrintedBook.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using namespace TarnGui;

class PdfExportProgressTest : public testing::Test {
protected:
    static const PrintedBook& Book()
    {
        static const PrintedBook book = CopyPrintedBook(*SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(1000))->Snapshot());
        return book;
    }

    QWidget window_;
};

TEST_F(PdfExportProgressTest, TheWorkersPdfComesBackToTheWindow)
{
    const std::optional<std::string> pdf = WritePdfWithProgress(&window_, Book(), {});
    ASSERT_TRUE(pdf);
    EXPECT_EQ(pdf->substr(0, 5), "%PDF-");
    EXPECT_EQ(pdf->substr(pdf->size() - 6), "%%EOF\n");
}

TEST_F(PdfExportProgressTest, CancelStopsTheWorkAndGivesNothing)
{
    // The first turn of the dialog's event loop, long before a thousand sections are laid out.
    QTimer::singleShot(0, &window_, [this] {
        window_.findChild<QProgressDialog*>(QStringLiteral("PdfExportProgress"))->findChild<QPushButton*>()->click();
    });
    EXPECT_FALSE(WritePdfWithProgress(&window_, Book(), {}));
}

TEST_F(PdfExportProgressTest, AFailureOfTheWorkerIsThrownInTheWindow)
{
    EXPECT_THROW(WritePdfWithProgress(&window_, Book(), {PaperSize::A4, 1}), TarnViewModel::ExportException);
}

}  // namespace
