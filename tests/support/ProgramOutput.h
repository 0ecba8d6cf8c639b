// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace TestSupport {

struct ProgramOutput {
    int status = -1;
    // Standard output, and standard error when the command sends it there.
    std::string text;
};

// Runs a shell command and collects what it prints.
inline ProgramOutput RunProgram(const std::string& command)
{
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ProgramOutput output;
    if (!pipe) {
        return output;
    }
    std::array<char, 4096> buffer;
    while (const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) {
        output.text.append(buffer.data(), read);
    }
    output.status = pclose(pipe.release());
    return output;
}

}  // namespace TestSupport
