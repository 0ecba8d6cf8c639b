// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IPlayView.h"

#include <QDockWidget>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace TarnViewModel {
class PlayController;
}

namespace TarnGui {

// The book as the reader meets it, one section at a time: its text, its choices as buttons
// (the hidden ones apart), and the path taken so far.
class CPlayPane : public QDockWidget, public TarnViewModel::IPlayView {
    Q_OBJECT
public:
    explicit CPlayPane(QWidget* parent);

    void SetController(TarnViewModel::PlayController* controller) { controller_ = controller; }

    QLabel* Heading() const { return heading_; }
    QPlainTextEdit* Text() const { return text_; }
    QLabel* Note() const { return note_; }
    QListWidget* Path() const { return path_; }
    QPushButton* BackButton() const { return back_; }
    QPushButton* ForwardButton() const { return forward_; }
    // The buttons of the choices on show, the visible ones first.
    const std::vector<QPushButton*>& ChoiceButtons() const { return choiceButtons_; }

    void ShowPage(const TarnViewModel::PlayPage& page) override;
    void ShowPath(const std::vector<std::uint32_t>& sections, std::size_t current) override;
    void EnableSteps(bool back, bool forward) override;
    void RunSoon(std::function<void()> step) override;

signals:
    // The author asked to edit the section on show.
    void EditSection(std::uint32_t number);
    // The sections of the path taken, first to last.
    void PathShown(const std::vector<std::uint32_t>& sections);

private:
    template <class Step>
    void Run(Step step);

    TarnViewModel::PlayController* controller_ = nullptr;
    QLabel* heading_;
    QPlainTextEdit* text_;
    QLabel* note_;
    QWidget* choices_;
    QVBoxLayout* choicesLayout_;
    std::vector<QPushButton*> choiceButtons_;
    QListWidget* path_;
    QPushButton* back_;
    QPushButton* forward_;
    QPushButton* edit_;
    std::uint32_t shown_ = 0;
};

}  // namespace TarnGui
