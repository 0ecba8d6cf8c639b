// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IChoicesView.h"
#include "document/DocumentNotifications.h"

#include <vector>

namespace TarnViewModel {

class SectionSelection;
class TarnDataModel;

// Lists the current section's choices and carries the pane's add, edit and reorder
// requests to the document.
class ChoicesController {
public:
    ChoicesController(TarnDataModel& model, SectionSelection& selection, IChoicesView* view);
    ChoicesController(const ChoicesController&) = delete;
    ChoicesController& operator=(const ChoicesController&) = delete;

    void AddChoiceToSelection(const std::wstring& text, std::uint32_t destination, bool hidden);
    // The nil identifier opens the dialog for a new choice.
    void OpenChoiceEditor(const Uuid& id);
    void SetSelectedChoices(const std::vector<Uuid>& ids);

    // The choice as the list shows it.
    std::wstring DisplayText(const Choice& choice) const;

private:
    void ShowChoice(const Choice& choice);
    void Clear(bool enable);
    void UpdateMoveButtons();
    DestinationList Destinations() const;

    TarnDataModel& model_;
    SectionSelection& selection_;
    IChoicesView* view_;
    std::vector<boost::signals2::scoped_connection> connections_;
    std::vector<Uuid> selected_;
    // The rows in list order, so that every row goes in at a position the list has.
    std::vector<Uuid> rows_;
};

}  // namespace TarnViewModel
