// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>

namespace GraphCore {

class GraphCoreException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class InvalidSectionException : public GraphCoreException {
public:
    InvalidSectionException() : GraphCoreException("Section not found") {}
};

class InvalidChoiceException : public GraphCoreException {
public:
    InvalidChoiceException() : GraphCoreException("Choice not found") {}
};

class AddChoiceException : public GraphCoreException {
public:
    AddChoiceException() : GraphCoreException("Could not add choice") {}
};

}  // namespace GraphCore
