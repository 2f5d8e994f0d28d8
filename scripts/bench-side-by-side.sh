#!/usr/bin/env bash
# Measures the Compare benchmark of an earlier commit beside the current
# tree, on the same machine in the same minutes.
#
#   scripts/bench-side-by-side.sh COMMIT [ROUNDS] [-- BENCH ARGUMENTS]
#
# The earlier commit is unpacked with `git archive` into a temporary folder
# and built in release mode with the current benchmark sources (bench/), so
# both builds measure the same way; the current tree is built in
# build-release. The two benchmarks then run in turn, ROUNDS times (3 unless
# told), and the median of the rounds is printed per build and size.
# Both run with the current tree's libdv_slow_sync.so preloaded, which
# counts the syncs of a start-up; SYNC_DELAY_MS=8 makes each sync take 8 ms
# more, as on a hard disk.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
commit="${1:?usage: bench-side-by-side.sh COMMIT [ROUNDS] [-- BENCH ARGUMENTS]}"
shift
rounds=3
if [[ $# -gt 0 && "$1" != "--" ]]; then rounds="$1"; shift; fi
[[ $# -gt 0 && "$1" == "--" ]] && shift
args=("$@")
[[ ${#args[@]} -eq 0 ]] && args=(--runs 5 10 50 200)
jobs="${JOBS:-3}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
gen=()
command -v ninja >/dev/null && gen=(-G Ninja)

echo "== building $commit in $work/old"
mkdir -p "$work/old"
git -C "$here" archive "$commit" | tar -x -C "$work/old"
rm -rf "$work/old/bench"
cp -r "$here/bench" "$work/old/bench"
cmake -S "$work/old" -B "$work/old/build-release" "${gen[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/old/build-release" -j"$jobs" --target dorvane_bench >/dev/null

echo "== building the current tree in build-release"
cmake -S "$here" -B "$here/build-release" "${gen[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build-release" -j"$jobs" --target dorvane_bench dv_slow_sync >/dev/null
preload="$here/build-release/libdv_slow_sync.so"
export DV_SYNC_DELAY_MS="${SYNC_DELAY_MS:-0}"

old="$work/old/build-release/dorvane_bench"
new="$here/build-release/dorvane_bench"
for ((i = 1; i <= rounds; i++)); do
  echo "== round $i of $rounds"
  for which in old new; do
    bin="$old"; [[ $which == new ]] && bin="$new"
    LD_PRELOAD="$preload" "$bin" "${args[@]}" | tee "$work/$which.$i.txt"
  done
done

# Rows of a benchmark table: walls, Yes, stmt/wall, file ms, memory ms,
# file/mem, start ms, start syncs, material, unsolved. Median of the rounds
# per column.
echo
echo "== median of $rounds round(s): $commit (old) and the current tree (new), $DV_SYNC_DELAY_MS ms more per sync"
printf '%-4s %6s %10s %10s %10s %8s %10s %11s\n' build walls stmt/wall "file ms" "memory ms" file/mem "start ms" \
  "start syncs"
for which in old new; do
  cat "$work/$which".*.txt | awk -v which="$which" '
    $1 ~ /^[0-9]+$/ && NF == 10 { n = $1; k = ++cnt[n]; for (c = 3; c <= 8; c++) v[n, c, k] = $c; sizes[n] = 1 }
    function median(n, c,   k, a, i, j, t, m) {
      m = cnt[n]; for (i = 1; i <= m; i++) a[i] = v[n, c, i]
      for (i = 2; i <= m; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
      return m % 2 ? a[(m + 1) / 2] : (a[m / 2] + a[m / 2 + 1]) / 2
    }
    END {
      for (n in sizes) printf "%-4s %6d %10.0f %10.1f %10.1f %8.2f %10.1f %11.0f\n", which, n, median(n, 3),
                              median(n, 4), median(n, 5), median(n, 4) / median(n, 5), median(n, 7), median(n, 8)
    }' | sort -k2,2n
done
for which in old new; do
  echo "$which: $(grep -h 'peak memory' "$work/$which".*.txt | sort -k3,3n | tail -1)"
done
