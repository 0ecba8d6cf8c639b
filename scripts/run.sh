#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the program, registers it for .brindle files with the
# desktop and starts it with the book named, or with a copy of the sample book.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DBRINDLE_TESTS=OFF -DBRINDLE_BENCHMARKS=OFF
scripts/install-desktop.sh build/app/brindle-studio
if [ $# -eq 0 ]; then
  set -- --sample-book
fi
exec build/app/brindle-studio "$@"
