#!/usr/bin/env bash
# Runs the Compare benchmark as if every fsync and fdatasync took MS
# milliseconds (a hard disk: about 8; a laptop SSD with a real flush: 1 to
# 3), so slow storage can be measured on any machine, and counts the syncs.
#
#   scripts/bench-slow-sync.sh MS [BENCH ARGUMENTS]
#
# Builds dorvane_bench and the preloaded library libdv_slow_sync.so in
# release mode in build-release, then runs the benchmark with it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
ms="${1:?usage: bench-slow-sync.sh MS [BENCH ARGUMENTS]}"
shift
gen=()
command -v ninja >/dev/null && gen=(-G Ninja)
cmake -S "$here" -B "$here/build-release" "${gen[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build-release" -j"${JOBS:-3}" --target dorvane_bench dv_slow_sync >/dev/null
echo "== every sync takes $ms ms more"
DV_SYNC_DELAY_MS="$ms" LD_PRELOAD="$here/build-release/libdv_slow_sync.so" "$here/build-release/dorvane_bench" "$@"
