#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Registers the built program with the desktop for this user, so that a double-clicked
# .brindle book opens in it: scripts/install-desktop.sh PROGRAM
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "$1")
data=${XDG_DATA_HOME:-$HOME/.local/share}
mkdir -p "$data/applications" "$data/mime/packages" "$data/icons/hicolor/scalable/apps"
sed "s|@BRINDLE_STUDIO@|$program|" app/brindle-studio.desktop.in > "$data/applications/brindle-studio.desktop"
cp app/brindle-mime.xml "$data/mime/packages/brindle.xml"
cp shell/icons/brindle-studio.svg "$data/icons/hicolor/scalable/apps/brindle-studio.svg"
if command -v update-mime-database >/dev/null; then
  update-mime-database "$data/mime"
fi
if command -v update-desktop-database >/dev/null; then
  update-desktop-database "$data/applications"
fi
if command -v xdg-mime >/dev/null; then
  xdg-mime default brindle-studio.desktop application/x-brindle || true
fi
