#!/usr/bin/env bash
# Installs what the test suite needs, builds Gavlin twice (warnings as errors;
# AddressSanitizer + UndefinedBehaviorSanitizer) plus the fuzz targets with
# clang, and runs every test with CTest. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== build: -Wall -Wextra -Werror"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGAVLIN_WERROR=ON
cmake --build build -j "$jobs"

echo "== build: AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGAVLIN_WERROR=ON -DGAVLIN_SANITIZE=ON
cmake --build build-asan -j "$jobs"

echo "== build: fuzz targets (clang, libFuzzer)"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DGAVLIN_CORE_ONLY=ON -DGAVLIN_FUZZ=ON
cmake --build build-fuzz -j "$jobs"

status=0
echo "== tests: normal build"
ctest --test-dir build --output-on-failure -j "$jobs" || status=1
echo "== tests: sanitizer build"
ASAN_OPTIONS=detect_stack_use_after_return=1:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" || status=1
echo "== fuzzing"
ctest --test-dir build-fuzz --output-on-failure -j "$jobs" || status=1

exit $status
