#!/bin/bash
# Installs the Debian packages that the build and every test tier need, when any is missing.
# The programs are 32-bit: the i686 compiler builds them and the 32-bit Wine (i386 architecture)
# runs them in the build's 64-bit prefix; the x86_64 compiler keeps the 64-bit build compiling.
# The release packages are made with zip, wixl (the MSI) and osslsigncode (signatures); the
# packaging tier reads them back with unzip and msitools and makes its certificate with openssl.
# Then lets the 32-bit Wine start where the kernel runs no 32-bit code (emulate-32-bit.sh); where
# that cannot be done, says so and succeeds: the callers then use the 64-bit programs.
set -euo pipefail
here=$(dirname "$0")
packages=(cmake ninja-build g++ libgtest-dev clang
          g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
          wine64 wine32:i386 fonts-wine xvfb xauth imagemagick
          wixl msitools osslsigncode zip unzip openssl)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "missing packages: ${missing[*]} (run as root to install them)" >&2
        exit 1
    fi
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
"$here/emulate-32-bit.sh" || echo "32-bit programs cannot run on this machine" >&2
