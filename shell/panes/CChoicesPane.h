// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IChoicesView.h"

#include <QDockWidget>

#include <functional>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace TarnViewModel {
class ChoicesController;
class SectionSelection;
class TarnDataModel;
}  // namespace TarnViewModel

namespace TarnGui {

// The selected section's choices, with buttons to add, remove, edit, reorder and follow them.
class CChoicesPane : public QDockWidget, public TarnViewModel::IChoicesView {
    Q_OBJECT
public:
    CChoicesPane(TarnViewModel::TarnDataModel& model, TarnViewModel::SectionSelection& selection, QWidget* parent);

    void SetController(TarnViewModel::ChoicesController* controller) { controller_ = controller; }
    // Readies the text box of each choice editor opened, as spell checking does.
    using ChoiceTextSetUp = std::function<void(QPlainTextEdit* text)>;
    void SetChoiceTextSetUp(ChoiceTextSetUp setUp) { setUpChoiceText_ = std::move(setUp); }
    QListWidget* List() const { return list_; }
    void SelectChoice(const TarnViewModel::Uuid& id);

    void AddChoiceRow(const TarnViewModel::Uuid& id, std::size_t index, std::uint32_t destination, const std::wstring& text) override;
    void UpdateChoiceRow(const TarnViewModel::Uuid& id, std::size_t index, std::uint32_t destination, const std::wstring& text) override;
    void RemoveChoiceRow(const TarnViewModel::Uuid& id) override;
    void ClearChoiceRows() override;
    void EnableChoices(bool enable) override;
    void ShowAddChoiceDialog(const TarnViewModel::DestinationList& destinations, std::uint32_t proposedDestination) override;
    void ShowEditChoiceDialog(const TarnViewModel::DestinationList& destinations, const TarnViewModel::Choice& choice) override;
    void EnableMoveChoiceDown(bool enable) override;
    void EnableMoveChoiceUp(bool enable) override;

private:
    int RowOf(const TarnViewModel::Uuid& id) const;
    std::vector<TarnViewModel::Uuid> SelectedIds() const;
    void UpdateButtons();
    void Move(int step);
    void Follow();

    TarnViewModel::TarnDataModel& model_;
    TarnViewModel::SectionSelection& selection_;
    TarnViewModel::ChoicesController* controller_ = nullptr;
    ChoiceTextSetUp setUpChoiceText_;
    QListWidget* list_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* edit_;
    QPushButton* up_;
    QPushButton* down_;
    QPushButton* follow_;
    bool enabled_ = false;
    bool canMoveUp_ = false;
    bool canMoveDown_ = false;
};

}  // namespace TarnGui
