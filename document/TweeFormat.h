// SPDX-License-Identifier: MIT
#pragma once

namespace TarnViewModel {

// The Twee passage in which this program keeps what Twine has no place for (the author,
// the language, and each section's summary, hidden choices and exact choice texts), as
// JSON: every Twee tool passes a passage through untouched, where it would drop or misread
// metadata of its own making.
inline constexpr const char* TweeSectionData = "BrindleData";

// The story format of a book begun here, at the version whose link syntax the export
// writes. A story imported in this format and version keeps no format of its own.
inline constexpr const char* OwnStoryFormat = "Harlowe";
inline constexpr const char* OwnStoryFormatVersion = "3.3.9";

}  // namespace TarnViewModel
