// SPDX-License-Identifier: MIT
#pragma once

#include "shell/mainframe/CTarnGuiApp.h"

#include <cstdint>

namespace BenchSupport {

// The sections of the gamebook a desktop benchmark program opens; each program defines it.
std::uint32_t BenchBookSize();

// The program with the benchmark's gamebook open in a full-HD window, started on first use;
// the book is laid out once, when it is loaded.
TarnGui::CTarnGuiApp& BenchProgram();

}  // namespace BenchSupport
