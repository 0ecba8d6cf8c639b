#!/usr/bin/env bash
# Installs what is missing, builds the program, registers it for .brindle files with the
# desktop and starts it (with an optional book file).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DBRINDLE_TESTS=OFF -DBRINDLE_BENCHMARKS=OFF
scripts/install-desktop.sh build/app/brindle-studio
exec build/app/brindle-studio "$@"
