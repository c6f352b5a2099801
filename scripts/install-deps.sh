#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Gavlin needs.
# One list for everything, so the build and the test suite never drift apart.
set -euo pipefail

PACKAGES=(
  # build
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6
  libcurl4-openssl-dev
  # tests and checks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  # real servers and browser used by the test suite
  dovecot-pop3d python3-aiosmtpd python3-pyftpdlib
  chromium
  faketime
  # fonts so that offscreen widgets and headless pages render text
  fonts-dejavu-core
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
