#!/usr/bin/env bash
# Configures and builds Dorvane in ./build: every target, or only the
# targets named (scripts/build.sh Dorvane builds the program and the files
# it reads at run time).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
gen=()
command -v ninja >/dev/null && gen=(-G Ninja)
cmake -S "$here" -B "$here/build" "${gen[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
targets=()
[ "$#" -gt 0 ] && targets=(--target "$@")
cmake --build "$here/build" -j"$(nproc)" "${targets[@]}"
