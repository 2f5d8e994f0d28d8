#!/usr/bin/env bash
# Installs the Debian packages Dorvane needs to build, test and run.
# Run as root on Debian 12 (bookworm) or later.
#   --if-missing   install only when one of them is not installed yet
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsqlcipher-dev sqlcipher
  libgtest-dev libbenchmark-dev
  xvfb xauth
  fonts-liberation2 poppler-utils locales
)
installed() {
  [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}
missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ "${1:-}" != --if-missing ] || [ "${#missing[@]}" -gt 0 ]; then
  apt-get update
  apt-get install -y --no-install-recommends "${packages[@]}"
fi
# A comma-decimal locale for the tests that save numbers under one.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
