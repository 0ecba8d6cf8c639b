// SPDX-License-Identifier: MIT
#pragma once

#include "graph/Uuid.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace TarnViewModel {

// A piece of the preview text that knows its length, so that a change finds its range
// without writing out everything before it.
class IElement {
public:
    virtual ~IElement() = default;
    virtual std::size_t Length() const = 0;
    virtual void Write(std::wostream& output) const = 0;
    virtual bool IsContainer() const { return false; }
    // Throws "Not supported" for elements without an identifier.
    virtual Uuid Id() const;
};

class Text : public IElement {
public:
    explicit Text(std::wstring text) : text_(std::move(text)) {}
    std::size_t Length() const override { return text_.size(); }
    void Write(std::wostream& output) const override { output << text_; }

private:
    std::wstring text_;
};

// Children in order under an identifier: a section's entry, or one choice of it.
class Container : public IElement {
public:
    explicit Container(const Uuid& id) : id_(id) {}
    std::size_t Length() const override;
    void Write(std::wostream& output) const override;
    bool IsContainer() const override { return true; }
    Uuid Id() const override { return id_; }

    void Insert(std::size_t index, std::unique_ptr<IElement> child);
    std::unique_ptr<IElement> Remove(std::size_t index);
    // The index of the child container with that identifier; throws "No such id".
    std::size_t IndexOf(const Uuid& id) const;
    bool Holds(const Uuid& id) const;
    std::size_t ChildCount() const { return children_.size(); }
    const IElement& Child(std::size_t index) const { return *children_[index]; }
    // Where the characters of a child start, counted from the start of this container.
    std::size_t OffsetOf(std::size_t index) const;

    // For a choice: where its destination number stands in its text, and how long it is.
    std::optional<std::pair<std::size_t, std::size_t>> link;

private:
    Uuid id_;
    std::vector<std::unique_ptr<IElement>> children_;
};

}  // namespace TarnViewModel
