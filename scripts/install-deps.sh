#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need, where missing.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  libsdl2-dev libcairo2-dev libx11-dev
  fonts-ipafont-gothic fonts-liberation
  libgtest-dev libbenchmark-dev
  xvfb xdotool
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "installing: ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
