// SPDX-License-Identifier: MIT
#pragma once

#include "messages/MessageError.h"

namespace GraphCore {

class GraphCoreException : public Messages::MessageError {
public:
    using Messages::MessageError::MessageError;
};

class InvalidSectionException : public GraphCoreException {
public:
    InvalidSectionException() : GraphCoreException(BRINDLE_TEXT("GraphCore", "Section not found")) {}
};

class InvalidChoiceException : public GraphCoreException {
public:
    InvalidChoiceException() : GraphCoreException(BRINDLE_TEXT("GraphCore", "Choice not found")) {}
};

class AddChoiceException : public GraphCoreException {
public:
    AddChoiceException() : GraphCoreException(BRINDLE_TEXT("GraphCore", "Could not add choice")) {}
};

}  // namespace GraphCore
