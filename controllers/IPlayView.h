// SPDX-License-Identifier: MIT
#pragma once

#include "document/Font.h"
#include "graph/Uuid.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace TarnViewModel {

// A choice as the reader meets it: its text in the book's choice format.
struct PlayChoice {
    Uuid id{};
    std::uint32_t destination = 0;
    std::wstring text;
    bool hidden = false;
};

// One section as the reader sees it. A page without choices is an ending; a page of
// section 0 means there is nothing to play.
struct PlayPage {
    std::uint32_t section = 0;
    std::wstring text;
    // The visible choices in the book's order, then the hidden ones.
    std::vector<PlayChoice> choices;
    // Why the path ends before where the reader was, when an edit cut it short.
    std::wstring note;
    // The book's main font, as the reader will see the text.
    CommonLib::Font font;
};

// The play-test pane: the book read one section at a time along a path of choices.
class IPlayView {
public:
    virtual ~IPlayView() = default;
    virtual void ShowPage(const PlayPage& page) = 0;
    // The sections of the path taken so far, and which step the reader is on.
    virtual void ShowPath(const std::vector<std::uint32_t>& sections, std::size_t current) = 0;
    virtual void EnableSteps(bool back, bool forward) = 0;
    // Runs the step once the events waiting now are handled, so that a run of edits shows
    // once.
    virtual void RunSoon(std::function<void()> step) = 0;
};

}  // namespace TarnViewModel
