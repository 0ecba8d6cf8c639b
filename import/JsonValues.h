// SPDX-License-Identifier: MIT
#pragma once

#include <boost/property_tree/ptree.hpp>

#include <optional>
#include <string>

namespace Import {

// The JSON text as a property tree, or nothing when it is not JSON, with the reason in
// `reason`. Nesting deeper than any story's data is refused before parsing, as the parser
// would recurse through it.
std::optional<boost::property_tree::ptree> ParseJson(const std::string& text, std::string& reason);

// A member's text; empty when the tree has no such member.
std::string JsonText(const boost::property_tree::ptree& tree, const std::string& path);

}  // namespace Import
