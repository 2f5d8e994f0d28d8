#!/usr/bin/env bash
# Builds Dorvane with the address and undefined-behaviour sanitizers into
# ./build-asan and runs every test there, once in order and once shuffled.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
gen=()
command -v ninja >/dev/null && gen=(-G Ninja)
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S "$here" -B "$here/build-asan" "${gen[@]}" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build "$here/build-asan" -j"${DV_JOBS:-3}"
export QT_QPA_PLATFORM=offscreen
# The toolkit's own allocations that live until exit are not our leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
bash "$here/scripts/run-tests.sh" "$here/build-asan"
bash "$here/scripts/run-tests.sh" "$here/build-asan" --gtest_shuffle
