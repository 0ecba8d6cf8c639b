// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace TarnGui {

inline const QString ProgramVersion = QStringLiteral("1.18.238.0");

// The maker's pages that the Help menu and the about box open.
inline const QString HelpPage = QStringLiteral("https://www.oakhollowgames.com/brindle/help");
inline const QString UpdatePage = QStringLiteral("https://www.oakhollowgames.com/brindle/update");
inline const QString FeedbackAddress = QStringLiteral("feedback@oakhollowgames.com");
inline const QString SocialPageOne = QStringLiteral("https://mastodon.social/@oakhollowgames");
inline const QString SocialPageTwo = QStringLiteral("https://www.oakhollowgames.com/blog");

}  // namespace TarnGui
