#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when the translations are behind the sources: a text the sources show that a .ts file
# lacks, a text the sources no longer show, or a text some language leaves untranslated.
# Usage: check-translations.sh LUPDATE LRELEASE SOURCES-LIST TS-FOLDER LUPDATE-OPTION...
set -euo pipefail
lupdate=$1 lrelease=$2 sources=$3 folder=$4
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$folder"/brindle_*.ts; do
  name=$(basename "$ts")
  cp "$ts" "$work/$name"
  extra=()
  [ "$name" = brindle_en.ts ] && extra=(-pluralonly)
  "$lupdate" "$@" "${extra[@]}" "@$sources" -ts "$work/$name" >/dev/null 2>&1
  if ! diff -u "$ts" "$work/$name" >"$work/$name.diff"; then
    echo "$name is not up to date with the sources (build the update_translations target):"
    head -40 "$work/$name.diff"
    status=1
  fi
  report=$("$lrelease" "$ts" -qm "$work/$name.qm" 2>&1)
  if ! grep -q " 0 unfinished" <<<"$report" || grep -qi "obsolete\|untranslated" <<<"$report"; then
    echo "$name: $report"
    status=1
  fi
done
exit $status
