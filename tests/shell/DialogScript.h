// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace TestSupport {

// Answers the modal dialogs that a command opens, in the order they come, as a user would.
// A dialog that no answer was queued for is cancelled and noted, so a test never hangs.
class DialogScript {
public:
    using Answer = std::function<void(QWidget* dialog)>;

    DialogScript()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    void Then(Answer answer) { answers_.push_back(std::move(answer)); }

    // Picks the file (and, when given, the filter) in a file dialog and accepts it.
    void ThenChooseFile(const QString& path, const QString& filter = QString())
    {
        Then([path, filter](QWidget* dialog) {
            if (auto* files = Expect<QFileDialog>(dialog)) {
                if (!filter.isEmpty()) {
                    files->selectNameFilter(filter);
                }
                ChooseAndAccept(files, path);
            }
        });
    }
    void ThenChooseFolder(const QString& path)
    {
        Then([path](QWidget* dialog) {
            if (auto* files = Expect<QFileDialog>(dialog)) {
                files->setDirectory(path);
                ChooseAndAccept(files, path);
            }
        });
    }
    void ThenCancelFileDialog()
    {
        Then([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    }
    void ThenChooseFont(const QFont& font)
    {
        Then([font](QWidget* dialog) {
            if (auto* fonts = Expect<QFontDialog>(dialog)) {
                fonts->setCurrentFont(font);
                fonts->accept();
            }
        });
    }
    void ThenChooseColour(const QColor& colour)
    {
        Then([colour](QWidget* dialog) {
            if (auto* colours = Expect<QColorDialog>(dialog)) {
                colours->setCurrentColor(colour);
                colours->accept();
            }
        });
    }
    // Clicks a message box button after noting the box's text.
    void ThenAnswer(QMessageBox::StandardButton button)
    {
        Then([this, button](QWidget* dialog) {
            auto* box = Expect<QMessageBox>(dialog);
            if (box == nullptr) {
                return;
            }
            messages_.push_back(box->text().toStdString());
            box->button(button)->click();
        });
    }

    // The texts of the message boxes answered, in order.
    const std::vector<std::string>& Messages() const { return messages_; }
    const std::vector<std::string>& Unexpected() const { return unexpected_; }
    bool Finished() const { return answers_.empty() && running_ == 0; }

private:
    static void ChooseAndAccept(QFileDialog* files, const QString& path)
    {
        files->selectFile(path);
        // The dialog may still be filling in its proposed name from its folder listing.
        if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            name->setText(path);
        }
        static_cast<QDialog*>(files)->accept();
    }

    // The dialog as the kind the answer expects; any other kind fails the test and is closed.
    template <class Dialog>
    static Dialog* Expect(QWidget* dialog)
    {
        auto* expected = qobject_cast<Dialog*>(dialog);
        if (expected == nullptr) {
            ADD_FAILURE() << "expected a " << Dialog::staticMetaObject.className() << ", got " << dialog->windowTitle().toStdString();
            qobject_cast<QDialog*>(dialog)->reject();
        }
        return expected;
    }

    void Poll()
    {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog == handled_) {
            return;
        }
        handled_ = dialog;
        if (answers_.empty()) {
            const auto* box = qobject_cast<QMessageBox*>(dialog);
            unexpected_.push_back((box != nullptr ? box->text() : dialog->windowTitle()).toStdString());
            if (auto* modal = qobject_cast<QDialog*>(dialog)) {
                modal->reject();
            }
            return;
        }
        // Answered outside the timer's own call, so that an answer which opens a further
        // dialog (a message about what it typed) can have that dialog answered too.
        ++running_;
        QMetaObject::invokeMethod(
            &timer_,
            [this, answer = std::move(answers_.front()), target = QPointer<QWidget>(dialog)] {
                if (target != nullptr) {
                    answer(target);
                }
                --running_;
            },
            Qt::QueuedConnection);
        answers_.pop_front();
    }

    QTimer timer_;
    std::deque<Answer> answers_;
    QPointer<QWidget> handled_;
    int running_ = 0;
    std::vector<std::string> messages_;
    std::vector<std::string> unexpected_;
};

}  // namespace TestSupport
