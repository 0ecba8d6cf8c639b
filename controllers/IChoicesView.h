// SPDX-License-Identifier: MIT
#pragma once

#include "graph/Choice.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace TarnViewModel {

// The sections a choice may lead to: number and label, in section order.
using DestinationList = std::vector<std::pair<std::uint32_t, std::wstring>>;

// The choices pane: the current section's choices.
class IChoicesView {
public:
    virtual ~IChoicesView() = default;
    virtual void AddChoiceRow(const Uuid& id, std::size_t index, std::uint32_t destination, const std::wstring& text) = 0;
    virtual void UpdateChoiceRow(const Uuid& id, std::size_t index, std::uint32_t destination, const std::wstring& text) = 0;
    virtual void RemoveChoiceRow(const Uuid& id) = 0;
    virtual void ClearChoiceRows() = 0;
    virtual void EnableChoices(bool enable) = 0;
    virtual void ShowAddChoiceDialog(const DestinationList& destinations, std::uint32_t proposedDestination) = 0;
    virtual void ShowEditChoiceDialog(const DestinationList& destinations, const Choice& choice) = 0;
    virtual void EnableMoveChoiceDown(bool enable) = 0;
    virtual void EnableMoveChoiceUp(bool enable) = 0;
};

}  // namespace TarnViewModel
