#pragma once

#include "shell/CTarnGuiApp.h"

#include <cstdint>

namespace BenchSupport {

struct BookSize {
    std::uint32_t sections;
    std::uint32_t choices;
};

// The size of the gamebook a desktop benchmark program opens; each program defines it.
BookSize BenchBookSize();

// The program with the benchmark's gamebook open in a full-HD window, started on first use;
// the book is laid out once, when it is loaded.
TarnGui::CTarnGuiApp& BenchProgram();

}  // namespace BenchSupport
