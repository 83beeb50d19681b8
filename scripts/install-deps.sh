#!/usr/bin/env bash
# Installs the Debian packages Mosarin needs to build, run and test.
# Quick when everything is already there: it only calls apt-get for what is missing.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev libgl-dev
  libjpeg62-turbo-dev
  libjpeg-turbo-progs  # djpeg, the reference the guide-image benchmark is measured against
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  xvfb xauth xdotool x11-apps python3
  desktop-file-utils  # desktop-file-validate: the install test checks the desktop entry
  clang libclang-rt-14-dev  # the sanitizer build and the libFuzzer targets
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
