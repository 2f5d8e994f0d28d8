#!/usr/bin/env bash
# Draws the README's pictures again from the program itself: the project
# window after a Compare (grabbed without a display) and the first page of
# the summary report of the same project, rendered with pdftoppm.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/build.sh"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
"$here/build/dv_readmepictures" "$here/build/delivered/Dorvane.dat" \
  "$here/docs/project-window.png" "$tmp/summary.pdf"
pdftoppm -png -r 75 -f 1 -l 1 -singlefile "$tmp/summary.pdf" "$here/docs/summary-report"
ls -l "$here/docs/project-window.png" "$here/docs/summary-report.png"
