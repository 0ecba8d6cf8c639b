// SPDX-License-Identifier: MIT
#include "shell/support/BookJobs.h"
#include "printing/PdfBookWriter.h"
#include "printing/PrintedBook.h"
#include "samplebooks/GamebookGenerator.h"
#include "samplebooks/GeneratedDocument.h"
#include "shell/DialogScript.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <future>
#include <optional>
#include <string>

namespace {

using namespace TarnGui;

class BookJobsTest : public testing::Test {
protected:
    static std::shared_ptr<const Printing::PrintedBook> Book()
    {
        static const auto book = std::make_shared<const Printing::PrintedBook>(
            Printing::CopyPrintedBook(*SampleBooks::MakeDocument(SampleBooks::GenerateGamebook(1000))->Snapshot()));
        return book;
    }

    // Lays the book out as a PDF, as the window's export does.
    void RunPdf(const Printing::PageSetup& setup)
    {
        jobs_.Run(
            QStringLiteral("Laying out the book's pages..."), true,
            [book = Book(), setup](const BookJobs::Progress& progress, std::stop_token stop) {
                return Printing::WritePdfBook(*book, setup, progress, stop);
            },
            [this](std::optional<std::string> pdf) {
                pdf_ = std::move(pdf);
                ended_ = true;
            },
            [this] { ended_ = true; });
    }

    // Lets the window's event queue run until the job has ended; no sleeping.
    void WaitForEnd()
    {
        while (!ended_) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }

    QWidget window_;
    BookJobs jobs_{&window_};
    std::optional<std::string> pdf_;
    bool ended_ = false;
};

TEST_F(BookJobsTest, TheWorkersPdfComesBackToTheWindowWhichStaysFreeMeanwhile)
{
    RunPdf({});
    EXPECT_TRUE(jobs_.Busy());
    EXPECT_FALSE(ended_) << "the job ran on the window's thread";
    WaitForEnd();
    ASSERT_TRUE(pdf_);
    EXPECT_EQ(pdf_->substr(0, 5), "%PDF-");
    EXPECT_EQ(pdf_->substr(pdf_->size() - 6), "%%EOF\n");
    EXPECT_FALSE(jobs_.Busy());
    EXPECT_FALSE(window_.findChild<QProgressDialog*>()) << "the progress dialog outlived its job";
}

TEST_F(BookJobsTest, CancelStopsTheWorkAndGivesNothing)
{
    RunPdf({});
    window_.findChild<QProgressDialog*>(QStringLiteral("BookJobProgress"))->findChild<QPushButton*>()->click();
    WaitForEnd();
    EXPECT_FALSE(pdf_);
}

TEST_F(BookJobsTest, AFailureOfTheWorkerIsShownInTheWindow)
{
    TestSupport::DialogScript script;
    script.ThenAnswer(QMessageBox::Ok);
    RunPdf({Printing::PaperSize::A4, 1});
    WaitForEnd();
    EXPECT_FALSE(pdf_);
    ASSERT_EQ(script.Messages().size(), 1u);
    EXPECT_NE(script.Messages()[0].find("margin"), std::string::npos) << script.Messages()[0];
}

// Closing the window waits for a save under way and hears of it before it asks anything.
TEST_F(BookJobsTest, FinishDeliversTheOutcomesBeforeItReturns)
{
    std::promise<void> release;
    bool done = false;
    jobs_.Run(
        QStringLiteral("Saving the book..."), false,
        [gate = release.get_future().share()](const BookJobs::Progress&, std::stop_token) { gate.wait(); }, [&done] { done = true; });
    release.set_value();
    jobs_.Finish();
    EXPECT_TRUE(done);
}

// The window goes while a long job runs: the job is told to stop, and nothing of it reaches
// the window afterwards.
TEST(BookJobs, GoingAwayStopsTheJobAndDropsItsOutcome)
{
    bool delivered = false;
    {
        QWidget window;
        BookJobs jobs(&window);
        jobs.Run(
            QStringLiteral("Laying out the book's pages..."), true,
            [](const BookJobs::Progress&, std::stop_token stop) {
                while (!stop.stop_requested()) {
                    std::this_thread::yield();
                }
            },
            [&delivered] { delivered = true; });
    }
    QApplication::processEvents();
    EXPECT_FALSE(delivered);
}

}  // namespace
