#!/usr/bin/env bash
# Runs the test executables of a build folder once in a random order and
# fails when any test failed, was skipped or is disabled, naming it: a test
# that does not run proves nothing.
set -uo pipefail
build="$1"
shift
status=0
passed=0
failed=0
skips=0
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
for t in dorvane_core_tests dorvane_tests; do
  "$build/$t" "$@" 2>&1 | tee "$log"
  rc=${PIPESTATUS[0]}
  p=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\{0,1\}\.$/\1/p' "$log" | tail -n 1)
  f=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\{0,1\}, listed below:$/\1/p' "$log" | tail -n 1)
  passed=$((passed + ${p:-0}))
  # A run that ended without its summary (a crash) counts as one failure.
  [ "$rc" = 0 ] || { status=1; [ -n "$f" ] || f=1; }
  failed=$((failed + ${f:-0}))
  skipped=$(grep -E '^\[  SKIPPED \] [^ ]+\.[^ ]+' "$log" | awk '{print $4}' | sort -u)
  if [ -n "$skipped" ]; then
    skips=$((skips + $(echo "$skipped" | wc -l)))
    echo "$t: skipped tests (each must run):"
    echo "$skipped" | sed 's/^/  /'
    status=1
  fi
  disabled=$("$build/$t" --gtest_list_tests 2>/dev/null | awk '/^[^ ]/ {suite=$1} /^  / {print suite $1}' | grep 'DISABLED_')
  if [ -n "$disabled" ]; then
    echo "$t: disabled tests (each must run):"
    echo "$disabled" | sed 's/^/  /'
    status=1
  fi
done
echo "$passed passed, $failed failed, $skips skipped"
exit "$status"
