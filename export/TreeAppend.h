#pragma once

#include <boost/property_tree/ptree.hpp>

#include <string>

namespace TarnViewModel {

// Appends a child without a path lookup: the export trees only ever add new keys, in
// the order in which they are written.
inline boost::property_tree::ptree& Append(boost::property_tree::ptree& parent, const char* key, std::string value = {})
{
    return parent.push_back({key, boost::property_tree::ptree(std::move(value))})->second;
}

}  // namespace TarnViewModel
