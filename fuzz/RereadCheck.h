// SPDX-License-Identifier: MIT
#pragma once

#include "document/BookFileReader.h"
#include "document/BookFileWriter.h"
#include "document/TarnDataModel.h"

#include <cstdlib>
#include <string>
#include <utility>

// A book the program writes must read back as the same book: its file, read and written
// again, is the same file. Anything else is a fault, reported as a crash.
inline void CheckWrittenBookRereads(TarnViewModel::BookFileContents contents)
{
    TarnViewModel::TarnDataModel written;
    written.OpenImported(std::move(contents));
    const std::string text = TarnViewModel::BookFileText(written);
    TarnViewModel::TarnDataModel reread;
    reread.OpenImported(TarnViewModel::ReadBookText(text, "written.brindle"));
    if (TarnViewModel::BookFileText(reread) != text) {
        std::abort();
    }
}
