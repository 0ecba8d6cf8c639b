#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures and builds one build folder, or only the targets named after --target:
# scripts/build.sh FOLDER [cmake options...] [--target TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$1
shift
options=()
targets=()
while [ $# -gt 0 ]; do
  if [ "$1" = --target ]; then
    shift
    targets=("$@")
    break
  fi
  options+=("$1")
  shift
done
cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
cmake --build "$folder" ${targets[@]+--target "${targets[@]}"} -- -j"$(nproc)"
