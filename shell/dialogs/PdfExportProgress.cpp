#include "shell/dialogs/PdfExportProgress.h"

#include "printing/PdfBookWriter.h"

#include <QEventLoop>
#include <QProgressDialog>

#include <algorithm>
#include <exception>
#include <stop_token>
#include <thread>

namespace TarnGui {

std::optional<std::string> WritePdfWithProgress(QWidget* parent, const PrintedBook& book, const PageSetup& setup)
{
    const auto total = static_cast<int>(book.sections.size());
    QProgressDialog dialog(QStringLiteral("Laying out the book's pages..."), QStringLiteral("Cancel"), 0, total, parent);
    dialog.setObjectName(QStringLiteral("PdfExportProgress"));
    dialog.setWindowTitle(QStringLiteral("Export Book"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(400);
    dialog.setMinimumWidth(dialog.fontMetrics().averageCharWidth() * 64);
    dialog.setAutoClose(false);
    dialog.setValue(0);
    std::stop_source stop;
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&stop] { stop.request_stop(); });

    std::optional<std::string> pdf;
    std::exception_ptr failure;
    // A hundred steps at most, so that the dialog's updates never crowd the event queue.
    const std::size_t step = std::max<std::size_t>(book.sections.size() / 100, 1);
    QEventLoop loop;
    // A standard thread, so that joining it orders its results before they are read here.
    std::thread worker([&] {
        try {
            pdf = WritePdfBook(
                book, setup,
                [&dialog, step](std::size_t done, std::size_t) {
                    if (done % step == 0) {
                        QMetaObject::invokeMethod(
                            &dialog, [&dialog, done] { dialog.setValue(static_cast<int>(done)); }, Qt::QueuedConnection);
                    }
                },
                stop.get_token());
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    if (failure) {
        std::rethrow_exception(failure);
    }
    return pdf;
}

}  // namespace TarnGui
