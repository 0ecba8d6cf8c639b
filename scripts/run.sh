#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it (with an optional book file).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DBRINDLE_TESTS=OFF -DBRINDLE_BENCHMARKS=OFF
exec build/app/brindle-studio "$@"
