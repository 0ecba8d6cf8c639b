// SPDX-License-Identifier: MIT
#pragma once

#include "document/TarnDataModel.h"
#include "samplebooks/GamebookGenerator.h"

#include <memory>

namespace SampleBooks {

// A new document holding the generated book, filled through its structural operations as a
// load would fill it.
std::unique_ptr<TarnViewModel::TarnDataModel> MakeDocument(const GeneratedBook& book);

}  // namespace SampleBooks
