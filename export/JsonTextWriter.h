// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace TarnViewModel {

// A string's UTF-8 as the inside of a JSON string: quotes, backslashes, the slash and
// control characters escaped.
std::string JsonEscaped(const std::string& utf8);

// Writes pretty-printed JSON in the layout of the property-tree library's JSON writer:
// every member or element on its own line, four spaces per level, "key": value, commas at
// line ends, and one line end after the root. Every value is a string; keys are plain.
class JsonTextWriter {
public:
    // A key of nullptr is an array element (or the root).
    void StartObject(const char* key);
    void StartArray(const char* key);
    void EmptyArray(const char* key);
    void Member(const char* key, const std::string& utf8Value);
    void End();

    const std::string& Text() const { return text_; }

private:
    void BeginValue(const char* key);

    std::string text_;
    // For every open object or array: its closing character and whether it holds a value.
    struct Level {
        char closer;
        bool filled;
    };
    std::vector<Level> levels_;
};

}  // namespace TarnViewModel
