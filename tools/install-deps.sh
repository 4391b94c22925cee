#!/usr/bin/env bash
# Installs what building, running and testing the program need on Debian 12.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  build-essential cmake ninja-build pkg-config \
  qt6-base-dev qt6-translations-l10n libgl1-mesa-dev libxkbcommon-dev fonts-dejavu-core \
  zlib1g-dev libpng-dev libjpeg-dev libgif-dev libcurl4-openssl-dev libzip-dev nlohmann-json3-dev \
  googletest libgtest-dev libgmock-dev libbenchmark-dev \
  python3 xvfb xauth clang-format ccache tidy >/dev/null
