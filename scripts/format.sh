#!/bin/sh
# SPDX-License-Identifier: MIT
# Lays out every C++ source by .clang-format; with --check, lists the sources that differ
# instead and fails when there are any.
set -eu
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--check" ]; then
    status=0
    for file in $(git ls-files '*.cpp' '*.h'); do
        if ! clang-format "$file" | cmp -s "$file" -; then
            echo "$file"
            status=1
        fi
    done
    exit $status
fi
git ls-files '*.cpp' '*.h' | xargs clang-format -i
