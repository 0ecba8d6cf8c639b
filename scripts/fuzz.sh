#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzz targets with clang and runs one of them for a while:
# scripts/fuzz.sh [SECONDS] [book|twine|search|spelling]. "book" (the default) fuzzes the
# book file reader, "twine" the Twine story importer, "search" the patterns of Find and
# Replace, "spelling" the spell checker's words and the author's word list. Inputs reach
# 1 MB, seeded with generated books of that size and the regression corpus that the tests
# replay, and run under the 8 MiB stack the desktop program's main thread has. Crash inputs
# land in build-fuzz/crashes; once mended, they go into tests/data/regressions or
# tests/data/import-regressions.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
target=${2:-book}
CXX=clang++ scripts/build.sh build-fuzz -DBRINDLE_FUZZ=ON -DBRINDLE_TESTS=OFF -DBRINDLE_BENCHMARKS=OFF \
  --target book_file_fuzz twine_import_fuzz search_fuzz spelling_fuzz book_seeds
corpus=build-fuzz/corpus-$target
mkdir -p "$corpus" build-fuzz/crashes
case $target in
  book)
    cp tests/data/*.brindle tests/data/regressions/* "$corpus"/
    build-fuzz/fuzz/book_seeds "$corpus"
    fuzzer=book_file_fuzz
    ;;
  twine)
    cp tests/data/import/* tests/data/import-regressions/* tests/data/export/book.twee "$corpus"/
    build-fuzz/fuzz/book_seeds "$corpus" --twee
    fuzzer=twine_import_fuzz
    ;;
  search)
    # An options byte, a pattern, a NUL and a text.
    printf '\x00the\x00The key is under the stone.' > "$corpus/plain"
    printf '\x07(\\w+) (key)\x00A key.\r\nThe key, the KEY.' > "$corpus/groups"
    printf '\x04\\s+\x00line\r\n\r\nbreaks \xf0\x9f\x94\x91 here' > "$corpus/breaks"
    # Read through a substitution, so that yes stopped by a full head is no failure.
    { printf '\x05(\\w+) \\1\x00'; head -c 1048000 < <(yes 'The key is under the stone, the KEY.'); } > "$corpus/big"
    fuzzer=search_fuzz
    ;;
  spelling)
    # A mode byte (even: UTF-8, odd: raw wide characters), then the text.
    printf '\x00The dragn sleeps; don\xe2\x80\x99t, well-known 3rd \xf0\x9f\x90\x89 caf\xc3\xa9.' > "$corpus/words"
    printf '\x01\x41\x00\x00\x00\x00\xd8\x00\x00\x20\x00\x00\x00\x00\x00\x11\x00' > "$corpus/wide"
    { printf '\x00'; head -c 1048000 < <(yes 'The knigth sleeps by the dragon\xe2\x80\x99s gate.'); } > "$corpus/big"
    fuzzer=spelling_fuzz
    ;;
  *)
    echo "usage: scripts/fuzz.sh [SECONDS] [book|twine|search|spelling]" >&2
    exit 2
    ;;
esac
ulimit -s 8192
dictionary=()
[[ -f fuzz/$target.dict ]] && dictionary=(-dict="fuzz/$target.dict")
build-fuzz/fuzz/$fuzzer "$corpus" "${dictionary[@]}" -max_total_time="${1:-600}" \
  -artifact_prefix=build-fuzz/crashes/ -max_len=1048576 -rss_limit_mb=4096 -print_final_stats=1
