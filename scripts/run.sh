#!/usr/bin/env bash
# Installs what is missing (as root), builds the program and starts it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
# The program is a desktop program: without a display it cannot show its
# window, so say so before installing or building anything.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Dorvane needs a desktop: no display is set (DISPLAY or WAYLAND_DISPLAY)." >&2
  echo "Start it from a desktop session, or over 'ssh -X'." >&2
  exit 1
fi
if [ "$(id -u)" = 0 ]; then bash "$here/scripts/install-deps.sh" --if-missing; fi
# Only the program and what it reads at run time (its delivered database
# and pictures): the tests and tools are built by scripts/test.sh.
bash "$here/scripts/build.sh" Dorvane
exec "$here/build/Dorvane"
