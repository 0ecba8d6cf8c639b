#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Registers the program in a scratch data folder and checks that the desktop then takes a
# .brindle file for a Brindle book and opens it with the program.
set -euo pipefail
program=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME=$scratch/data
"$(dirname "$0")/../../scripts/install-desktop.sh" "$program" >/dev/null
grep -qx "Exec=$(realpath "$program") %f" "$XDG_DATA_HOME/applications/brindle-studio.desktop"
printf '<?xml version="1.0" encoding="utf-8"?>\n<book version="2"/>\n' > "$scratch/quest.brindle"
type=$(xdg-mime query filetype "$scratch/quest.brindle")
[ "$type" = "application/x-brindle" ] || { echo "file type is $type"; exit 1; }
handler=$(xdg-mime query default application/x-brindle)
[ "$handler" = "brindle-studio.desktop" ] || { echo "opened by $handler"; exit 1; }
# The entry names the program's own icon, which the icon theme then holds.
grep -qx "Icon=brindle-studio" "$XDG_DATA_HOME/applications/brindle-studio.desktop"
[ -s "$XDG_DATA_HOME/icons/hicolor/scalable/apps/brindle-studio.svg" ] || { echo "no icon installed"; exit 1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$XDG_DATA_HOME/applications/brindle-studio.desktop"
fi
