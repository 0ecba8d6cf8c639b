#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs the book file reader's for a while:
# scripts/fuzz.sh [SECONDS]. Inputs reach 1 MB, seeded with generated books of that size
# and the regression corpus that the tests replay, and run under the 8 MiB stack the desktop
# program's main thread has. Crash inputs land in build-fuzz/crashes; once mended, they go
# into tests/data/regressions.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
CXX=clang++ scripts/build.sh build-fuzz -DBRINDLE_FUZZ=ON -DBRINDLE_TESTS=OFF -DBRINDLE_BENCHMARKS=OFF \
  --target book_file_fuzz book_seeds
mkdir -p build-fuzz/corpus build-fuzz/crashes
cp tests/data/*.brindle tests/data/regressions/* build-fuzz/corpus/
build-fuzz/fuzz/book_seeds build-fuzz/corpus
ulimit -s 8192
build-fuzz/fuzz/book_file_fuzz build-fuzz/corpus -dict=fuzz/book.dict -max_total_time="${1:-600}" \
  -artifact_prefix=build-fuzz/crashes/ -max_len=1048576 -rss_limit_mb=4096 -print_final_stats=1
