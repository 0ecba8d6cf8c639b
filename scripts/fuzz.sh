#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs the book file reader's for a while:
# scripts/fuzz.sh [SECONDS]. Crash inputs land in build-fuzz/crashes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
CXX=clang++ scripts/build.sh build-fuzz -DBRINDLE_FUZZ=ON -DBRINDLE_TESTS=OFF -DBRINDLE_BENCHMARKS=OFF
mkdir -p build-fuzz/corpus build-fuzz/crashes
cp tests/data/*.brindle build-fuzz/corpus/
build-fuzz/fuzz/book_file_fuzz build-fuzz/corpus -dict=fuzz/book.dict -max_total_time="${1:-600}" \
  -artifact_prefix=build-fuzz/crashes/ -max_len=65536 -rss_limit_mb=2048
