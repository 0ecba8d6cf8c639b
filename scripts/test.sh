#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, then builds and runs every test: once in an optimised build,
# once under AddressSanitizer and UndefinedBehaviorSanitizer; the flowchart's layout worker
# and its controller, autosave's worker, the spelling dictionary's reader and the PDF export's
# worker also run under ThreadSanitizer. Each stage says how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# stage NAME COMMAND...: runs the command and says how long it took.
stage() {
  local name=$1 started=$SECONDS
  shift
  "$@"
  echo "Stage \"$name\" took $((SECONDS - started)) s"
}

stage "optimised build" scripts/build.sh build
# The tests read some exports with the tools their readers use; those come from npm.
stage "npm packages" npm install --prefix build/npm --no-audit --no-fund --no-save --loglevel=error extwee@2.3.18
export BRINDLE_NODE_MODULES="$PWD/build/npm/node_modules"
# A test that hangs fails after 300 s (the soak sets its own limit), not after ctest's 25 minutes.
stage "optimised tests" bash -c 'cd build && ctest --output-on-failure --timeout 300 -j"$(nproc)"'

# The instrumented builds compile their sources in batches: each batch parses the headers its
# sources share and compiles the templates they share once. The optimised build keeps
# one object a source, so that a source that does not include what it uses still fails there.
stage "sanitizer build" scripts/build.sh build-sanitize -DBRINDLE_SANITIZE=ON -DBRINDLE_BENCHMARKS=OFF \
  -DBRINDLE_UNITY_BUILD=ON
# Leaks are traced through whole stacks, so that Graphviz's own (listed in the suppressions)
# can be told from the program's.
stage "sanitizer tests" bash -c 'cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0 \
  UBSAN_OPTIONS=print_stacktrace=1 LSAN_OPTIONS=suppressions="$PWD/../tests/lsan-suppressions.txt" \
  ctest --output-on-failure --timeout 300 -j"$(nproc)"'

stage "thread sanitizer build" scripts/build.sh build-thread-sanitize -DBRINDLE_THREAD_SANITIZE=ON \
  -DBRINDLE_BENCHMARKS=OFF -DBRINDLE_UNITY_BUILD=ON \
  --target background_tests flowchart_tests controllers_tests book_jobs_tests
# Qt is not built with ThreadSanitizer: races are looked for in the program's own code, not in
# what Qt's unseen atomics order inside Qt.
stage "thread sanitizer tests" bash -c 'cd build-thread-sanitize && TSAN_OPTIONS=halt_on_error=1:ignore_noninstrumented_modules=1 \
  ctest --output-on-failure --timeout 300 -R "^(Worker|LayoutWorker|FlowchartLayout|FlowchartController|AutosaveController|SpellCheckController|BookJobs)"'
