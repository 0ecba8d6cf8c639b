// SPDX-License-Identifier: MIT
#include "import/JsonValues.h"

#include <boost/property_tree/json_parser.hpp>

#include <sstream>

namespace Import {

namespace {

constexpr int DeepestNesting = 32;

int Nesting(const std::string& text)
{
    int depth = 0;
    int deepest = 0;
    bool quoted = false;
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char character = text[index];
        if (quoted) {
            if (character == '\\') {
                ++index;
            } else if (character == '"') {
                quoted = false;
            }
        } else if (character == '"') {
            quoted = true;
        } else if (character == '{' || character == '[') {
            deepest = std::max(deepest, ++depth);
        } else if (character == '}' || character == ']') {
            --depth;
        }
    }
    return deepest;
}

}  // namespace

std::optional<boost::property_tree::ptree> ParseJson(const std::string& text, std::string& reason)
{
    if (Nesting(text) > DeepestNesting) {
        reason = "it is nested more than " + std::to_string(DeepestNesting) + " deep";
        return std::nullopt;
    }
    std::istringstream stream(text);
    boost::property_tree::ptree tree;
    try {
        boost::property_tree::read_json(stream, tree);
    } catch (const boost::property_tree::json_parser_error& error) {
        // A fault in optional data costs only that data; the caller warns and goes on.
        reason = error.message();
        return std::nullopt;
    }
    return tree;
}

std::string JsonText(const boost::property_tree::ptree& tree, const std::string& path)
{
    const auto value = tree.get_optional<std::string>(boost::property_tree::ptree::path_type(path, '/'));
    return value ? *value : std::string();
}

}  // namespace Import
