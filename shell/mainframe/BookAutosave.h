// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>

#include <memory>

class QMainWindow;

namespace TarnViewModel {
class AutosaveController;
class RecoverySession;
class TarnDataModel;
}  // namespace TarnViewModel

namespace TarnGui {

// The window's side of autosave: the timer, the setting, the offer to recover at start-up
// and the status-bar note when a copy cannot be kept.
class BookAutosave : public QObject {
    Q_OBJECT

public:
    // The setting that holds the interval in seconds; 0 switches autosave off.
    static constexpr const char* IntervalSetting = "Autosave/IntervalSeconds";
    static constexpr int DefaultInterval = 60;

    BookAutosave(TarnViewModel::TarnDataModel& model, QMainWindow* window);
    ~BookAutosave() override;

    // After New, Open, Save or Save As: a book with nothing unsaved needs no copy.
    void BookSettled();
    // The window closes with the book saved or its changes given up.
    void Close();
    // Lists the copies that ended sessions left and lets the author restore one, discard
    // them or leave them for later. Restoring goes through the window's own guard. True
    // when a copy was restored.
    bool OfferRecovery();
    // Writes a copy now if one is due, as the timer would.
    void Tick();
    // Returns once the copies and removals asked for are done.
    void Finish();

signals:
    // A book was restored; the window shows its name and state.
    void Restored();

private:
    TarnViewModel::TarnDataModel& model_;
    QMainWindow* window_;
    QTimer timer_;
    std::unique_ptr<TarnViewModel::RecoverySession> session_;
    std::unique_ptr<TarnViewModel::AutosaveController> controller_;
};

}  // namespace TarnGui
