// SPDX-License-Identifier: MIT
#include "messages/Message.h"

#include <boost/locale/encoding_utf.hpp>

namespace Messages {

namespace {

std::string Utf8(std::wstring_view text)
{
    return boost::locale::conv::utf_to_utf<char>(text.data(), text.data() + text.size());
}

}  // namespace

Message&& Message::Arg(std::string_view value) &&
{
    arguments_.push_back({std::string(value), nullptr});
    return std::move(*this);
}

Message&& Message::Arg(std::wstring_view value) &&
{
    arguments_.push_back({Utf8(value), nullptr});
    return std::move(*this);
}

Message&& Message::Arg(long long value) &&
{
    arguments_.push_back({std::to_string(value), nullptr});
    return std::move(*this);
}

Message&& Message::Arg(unsigned long long value) &&
{
    arguments_.push_back({std::to_string(value), nullptr});
    return std::move(*this);
}

Message&& Message::Arg(Message value) &&
{
    arguments_.push_back({{}, std::make_shared<const Message>(std::move(value))});
    return std::move(*this);
}

Message&& Message::Count(long long count) &&
{
    count_ = count;
    return std::move(*this);
}

std::string Message::English() const
{
    std::vector<std::string> arguments;
    for (const Argument& argument : arguments_) {
        arguments.push_back(argument.message ? argument.message->English() : argument.text);
    }
    return FillArguments(count_ ? EnglishPlural(source_, *count_) : std::string(source_), arguments, count_);
}

std::string EnglishPlural(std::string_view pattern, long long count)
{
    std::string text;
    std::size_t from = 0;
    for (std::size_t at = pattern.find("(s)"); at != std::string_view::npos; at = pattern.find("(s)", from)) {
        text.append(pattern.substr(from, at - from)).append(count == 1 ? "" : "s");
        from = at + 3;
    }
    return text.append(pattern.substr(from));
}

Message Verbatim(std::string_view text)
{
    // Not marked, so that the translation tools leave it out; an unknown text translates to itself.
    return Message("", "%1").Arg(text);
}

std::string FillArguments(std::string_view pattern, const std::vector<std::string>& arguments, std::optional<long long> count)
{
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        if (pattern[at] == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < arguments.size()) {
            text += arguments[next - '1'];
            ++at;
        } else if (pattern[at] == '%' && next == 'n' && count) {
            text += std::to_string(*count);
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

}  // namespace Messages
