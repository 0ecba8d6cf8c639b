// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Messages {

// A text the author will read, kept in English until it is shown: the window and the command
// line look `Source()` up in their translations under `Context()`, then fill in the arguments
// ("%1" to "%9") and, for a text that depends on a number, the count ("%n").
class Message {
public:
    // An argument: a text already in its final form, or a message to be translated in turn.
    struct Argument {
        std::string text;
        std::shared_ptr<const Message> message;
    };

    Message(const char* context, const char* source) : context_(context), source_(source) {}

    Message&& Arg(std::string_view value) &&;
    Message&& Arg(std::wstring_view value) &&;
    Message&& Arg(const char* value) && { return std::move(*this).Arg(std::string_view(value)); }
    Message&& Arg(const wchar_t* value) && { return std::move(*this).Arg(std::wstring_view(value)); }
    Message&& Arg(long long value) &&;
    Message&& Arg(unsigned long long value) &&;
    Message&& Arg(int value) && { return std::move(*this).Arg(static_cast<long long>(value)); }
    Message&& Arg(unsigned value) && { return std::move(*this).Arg(static_cast<unsigned long long>(value)); }
    Message&& Arg(unsigned long value) && { return std::move(*this).Arg(static_cast<unsigned long long>(value)); }
    Message&& Arg(long value) && { return std::move(*this).Arg(static_cast<long long>(value)); }
    // A message in another, as the reason of a failure, translated with it.
    Message&& Arg(Message value) &&;
    Message&& Count(long long count) &&;

    const char* Context() const { return context_; }
    const char* Source() const { return source_; }
    const std::vector<Argument>& Arguments() const { return arguments_; }
    std::optional<long long> CountOf() const { return count_; }

    // The untranslated text with its arguments filled in, for logs and for exceptions' what().
    // A counted text writes its English plural as "(s)", which the count settles.
    std::string English() const;

    bool operator==(const Message& other) const { return English() == other.English(); }

private:
    const char* context_;
    const char* source_;
    std::vector<Argument> arguments_;
    std::optional<long long> count_;
};

// Fills "%1" to "%9" in a UTF-8 pattern, in one pass so that an argument that itself holds
// "%2" stays as it is, and "%n" with the count when there is one.
std::string FillArguments(std::string_view pattern, const std::vector<std::string>& arguments, std::optional<long long> count);

// A counted English text with its "(s)" settled by the count.
std::string EnglishPlural(std::string_view pattern, long long count);

// A text that is not translated, such as a reason the system gave, where a message is wanted.
Message Verbatim(std::string_view text);

}  // namespace Messages

// Marks a text for translation: the translation tools find these calls by their names.
#define BRINDLE_TEXT(context, source) ::Messages::Message(context, source)
// The same for a text with "%n", whose wording depends on the count given with Count().
#define BRINDLE_COUNTED_TEXT(context, source) ::Messages::Message(context, source)
