#!/usr/bin/env bash
# Runs the test executables of a build folder once in a random order and
# fails when any test failed, was skipped or is disabled, naming it: a test
# that does not run proves nothing.
set -uo pipefail
build="$1"
shift
status=0
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
for t in dorvane_core_tests dorvane_tests; do
  "$build/$t" "$@" 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" = 0 ] || status=1
  skipped=$(grep -E '^\[  SKIPPED \] [^ ]+\.[^ ]+' "$log" | awk '{print $4}' | sort -u)
  if [ -n "$skipped" ]; then
    echo "$t: skipped tests (each must run):"
    echo "$skipped" | sed 's/^/  /'
    status=1
  fi
  disabled=$("$build/$t" --gtest_list_tests | awk '/^[^ ]/ {suite=$1} /^  / {print suite $1}' | grep 'DISABLED_')
  if [ -n "$disabled" ]; then
    echo "$t: disabled tests (each must run):"
    echo "$disabled" | sed 's/^/  /'
    status=1
  fi
done
exit "$status"
