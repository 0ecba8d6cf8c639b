// SPDX-License-Identifier: MIT
#pragma once

#include "commands/ICommand.h"

#include <functional>
#include <type_traits>
#include <utility>

namespace TarnViewModel {

// Changes one property through a setter of the book. The setter is a callable holding
// whatever it is bound to (the book, a section number, a font role); the command keeps
// the old and the new value.
template <class Value>
class UpdatePropertyCommand : public ICommand {
public:
    using Stored = std::remove_cvref_t<Value>;
    using Setter = std::function<void(Value)>;

    UpdatePropertyCommand(Setter setter, Stored oldValue, Stored newValue)
        : setter_(std::move(setter)), oldValue_(std::move(oldValue)), newValue_(std::move(newValue))
    {}
    void Execute() override { setter_(newValue_); }
    void Undo() override { setter_(oldValue_); }

private:
    Setter setter_;
    Stored oldValue_;
    Stored newValue_;
};

// The same command for setters that are bound to one further argument (a section number
// or a font role); the binding lives in the setter.
template <class Value>
using UpdatePropertyCommand1Arg = UpdatePropertyCommand<Value>;

// A setter taking two values a and b: Execute calls it with (a, b), Undo with (b, a).
template <class Value>
class UpdatePropertyCommand2Args : public ICommand {
public:
    using Setter = std::function<void(Value, Value)>;

    UpdatePropertyCommand2Args(Setter setter, Value a, Value b) : setter_(std::move(setter)), a_(a), b_(b) {}
    void Execute() override { setter_(a_, b_); }
    void Undo() override { setter_(b_, a_); }

private:
    Setter setter_;
    Value a_;
    Value b_;
};

}  // namespace TarnViewModel
