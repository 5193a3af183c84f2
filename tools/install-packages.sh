#!/bin/bash
# Installs the Debian packages that the build and every test tier need, when any is missing.
set -euo pipefail
packages=(cmake ninja-build g++ libgtest-dev clang g++-mingw-w64-x86-64-posix
          wine64 fonts-wine xvfb xauth imagemagick)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
fi
echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
