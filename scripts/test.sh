#!/usr/bin/env bash
# Installs what is needed (as root), builds and runs every test headless.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
if [ "$(id -u)" = 0 ]; then bash "$here/scripts/install-deps.sh"; fi
bash "$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$here/build" --output-on-failure -j"$(nproc)"
# Once more in a random order: every test must start from reset state.
bash "$here/scripts/run-tests.sh" "$here/build" --gtest_shuffle
