#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need. Idempotent: it
# asks apt only for what is missing, and does nothing when everything is there.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config git
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6sql6-sqlite
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libturbojpeg0-dev libnova-dev
  libswe-dev swe-basic-data gnuplot-nox
  libgeonames-dev libcctz-dev tzdata
  fonts-dejavu-core fonts-lohit-deva fonts-lohit-taml xvfb xauth imagemagick poppler-utils
  qt6-tools-dev qt6-l10n-tools python3
  clang libclang-rt-14-dev
  dpkg-dev file desktop-file-utils appstream lintian shared-mime-info
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then sudo_cmd=(sudo); else
    echo "Need root (or sudo) to install: ${missing[*]}" >&2; exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
