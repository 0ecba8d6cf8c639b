// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/CoalescedStep.h"
#include "controllers/IPlayView.h"
#include "document/DocumentNotifications.h"

#include <optional>
#include <vector>

namespace TarnViewModel {

class TarnDataModel;

// Plays the book as a reader would, from a section along the choices taken. The path keeps
// its sections through renumbering; a section removed under the reader ends the path before
// it, with a note saying so.
class PlayController {
public:
    PlayController(TarnDataModel& model, IPlayView* view);
    PlayController(const PlayController&) = delete;
    PlayController& operator=(const PlayController&) = delete;

    // Starts a new path at the section; throws when the book has no such section.
    void PlayFrom(std::uint32_t number);
    // Starts at section 1, or at the lowest section of a book without it.
    void PlayFromStart();
    // Takes the choice from the section on show, dropping any steps ahead of it.
    void Follow(const Uuid& choice);
    void Back();
    void Forward();
    void GoToStep(std::size_t index);
    // A new path from the first step of this one.
    void Restart();

    // The sections of the path, first to last, for marking them where the book is drawn.
    const std::vector<std::uint32_t>& PathSections() const { return numbers_; }
    std::size_t CurrentStep() const { return current_; }

    // While nobody can see the pane, edits leave the path to be found again once it shows.
    void SetShown(bool shown);

private:
    void Clear();
    void Start(const Section& section);
    void Stale();
    void BookChanged();
    void Show();
    PlayPage PageOf(std::uint32_t number) const;

    TarnDataModel& model_;
    IPlayView* view_;
    // The path by section, and the numbers those sections had when last shown.
    std::vector<Uuid> path_;
    std::vector<std::uint32_t> numbers_;
    std::size_t current_ = 0;
    std::wstring note_;
    bool shown_ = true;
    bool stale_ = false;
    CoalescedStep refresh_;
    std::vector<boost::signals2::scoped_connection> connections_;
};

}  // namespace TarnViewModel
