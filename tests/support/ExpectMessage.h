// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace TestSupport {

// Runs the call and checks that it throws Exception with exactly this message.
template <class Exception, class Call>
void ExpectThrowWithMessage(Call&& call, const std::string& message)
{
    try {
        call();
        ADD_FAILURE() << "expected \"" << message << "\"";
    } catch (const Exception& error) {
        EXPECT_EQ(error.what(), message);
    }
}

}  // namespace TestSupport
