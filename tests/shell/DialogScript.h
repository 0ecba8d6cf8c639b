#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
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
            auto* files = Expect<QFileDialog>(dialog);
            if (files == nullptr) {
                return;
            }
            if (!filter.isEmpty()) {
                files->selectNameFilter(filter);
            }
            files->selectFile(path);
            static_cast<QDialog*>(files)->accept();
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
    bool Finished() const { return answers_.empty(); }

private:
    // The dialog as the kind the answer expects; any other kind fails the test and is closed.
    template <class Dialog>
    static Dialog* Expect(QWidget* dialog)
    {
        auto* expected = qobject_cast<Dialog*>(dialog);
        if (expected == nullptr) {
            ADD_FAILURE() << "expected a " << Dialog::staticMetaObject.className() << ", got "
                          << dialog->windowTitle().toStdString();
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
        Answer answer = std::move(answers_.front());
        answers_.pop_front();
        answer(dialog);
    }

    QTimer timer_;
    std::deque<Answer> answers_;
    QPointer<QWidget> handled_;
    std::vector<std::string> messages_;
    std::vector<std::string> unexpected_;
};

}  // namespace TestSupport
