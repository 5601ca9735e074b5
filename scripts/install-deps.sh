#!/usr/bin/env bash
# Installs every Debian 12 package that building, running, testing and benchmarking Quorvex
# needs; with --fuzz, also clang and its libFuzzer for `make fuzz`. Does nothing when they are
# all there; uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake ninja-build g++ make
    qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libgl1-mesa-dev
    libjpeg-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick
    clang-format
    desktop-file-utils shared-mime-info file dpkg-dev
)
if [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang libclang-rt-14-dev)
fi

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
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
