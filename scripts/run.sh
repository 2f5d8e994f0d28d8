#!/usr/bin/env bash
# Installs what is needed (as root), builds and starts Dorvane.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
if [ "$(id -u)" = 0 ]; then bash "$here/scripts/install-deps.sh"; fi
bash "$here/scripts/build.sh"
exec "$here/build/Dorvane"
