#!/usr/bin/env bash
# Installs the Debian packages Dorvane needs to build, test and run.
# Run as root on Debian 12 (bookworm) or later.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
  build-essential cmake ninja-build pkg-config \
  qt6-base-dev qt6-base-dev-tools libgl-dev \
  libsqlcipher-dev sqlcipher \
  libgtest-dev libbenchmark-dev \
  xvfb xauth \
  fonts-liberation2 poppler-utils locales
# A comma-decimal locale for the tests that save numbers under one.
localedef -i de_DE -f UTF-8 de_DE.UTF-8
