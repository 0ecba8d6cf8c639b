// SPDX-License-Identifier: MIT
#include "controllers/PreviewElements.h"

#include <stdexcept>

namespace TarnViewModel {

Uuid IElement::Id() const
{
    throw std::logic_error("Not supported");
}

std::size_t Container::Length() const
{
    std::size_t length = 0;
    for (const auto& child : children_) {
        length += child->Length();
    }
    return length;
}

void Container::Write(std::wostream& output) const
{
    for (const auto& child : children_) {
        child->Write(output);
    }
}

void Container::Insert(std::size_t index, std::unique_ptr<IElement> child)
{
    children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(index), std::move(child));
}

std::unique_ptr<IElement> Container::Remove(std::size_t index)
{
    auto child = std::move(children_[index]);
    children_.erase(children_.begin() + static_cast<std::ptrdiff_t>(index));
    return child;
}

std::size_t Container::IndexOf(const Uuid& id) const
{
    for (std::size_t index = 0; index < children_.size(); ++index) {
        if (children_[index]->IsContainer() && children_[index]->Id() == id) {
            return index;
        }
    }
    throw std::out_of_range("No such id");
}

bool Container::Holds(const Uuid& id) const
{
    for (const auto& child : children_) {
        if (child->IsContainer() && child->Id() == id) {
            return true;
        }
    }
    return false;
}

std::size_t Container::OffsetOf(std::size_t index) const
{
    std::size_t offset = 0;
    for (std::size_t before = 0; before < index; ++before) {
        offset += children_[before]->Length();
    }
    return offset;
}

}  // namespace TarnViewModel
