#!/bin/bash
# The release packages of the 32-bit programs, built afresh from this tree, in dist/:
#   orlconfig-<version>-win32.zip  both programs and README.txt, to copy to a share or by hand
#   orlconfig-<version>.msi        a per-machine installer, for Group Policy, SCCM or Intune
#   SHA256SUMS                     of both packages and both programs
# The version is the product version of the programs' version record. The same commit gives the
# same bytes in any folder at any time: the programs hold no path or link time, and every time
# in the packages is SOURCE_DATE_EPOCH, by default the time of the commit checked out.
# Signing: with ORL_SIGN_PFX (a PFX file) and ORL_SIGN_PASSWORD (its password) set, both programs
# (before they are packed) and the MSI are signed with osslsigncode; ORL_SIGN_TIMESTAMP_URL, when
# set, names an RFC 3161 time-stamp server that countersigns them.
# ORL_PROGRAMS_DIR, when set, names a folder whose programs are packed instead of building them:
# programs built from this same tree elsewhere, for instance, to be signed where the key is kept.
set -euo pipefail
# Files named relative to the folder the command is started from.
for name in ORL_SIGN_PFX ORL_PROGRAMS_DIR; do [ -z "${!name:-}" ] || export "$name=$(realpath -m -- "${!name}")"; done
cd "$(dirname "$0")/.."
root=$PWD
tools/install-packages.sh
export LC_ALL=C TZ=UTC

fail() { echo "package.sh: $*" >&2; exit 1; }

# One version, in the version record: its text and its numbers must agree.
record=app/resources/orlconfig.rc
version=$(tr -d '\r' <$record | sed -n 's/^ *VALUE "ProductVersion", "\([0-9.]*\)"$/\1/p')
numbers=$(tr -d '\r' <$record | sed -n 's/^PRODUCTVERSION \([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\)$/\1.\2.\3.\4/p')
[ -n "$version" ] && [ "$version" = "$numbers" ] ||
    fail "the product version of $record is not one: \"$version\" as text, \"$numbers\" as numbers"
# Windows Installer tells versions apart by their first three numbers: a release that raised only
# the fourth would be installed beside the one before it instead of replacing it.
[ "${version##*.}" = 0 ] || fail "product version $version: raise one of its first three numbers, not the fourth"

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$root" ] ||
        fail "this tree is no git checkout: set SOURCE_DATE_EPOCH to the time of its commit"
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
fi
export SOURCE_DATE_EPOCH

signing=false
if [ -n "${ORL_SIGN_PFX:-}" ]; then
    [ -f "$ORL_SIGN_PFX" ] || fail "ORL_SIGN_PFX names no file: $ORL_SIGN_PFX"
    [ -n "${ORL_SIGN_PASSWORD+set}" ] || fail "ORL_SIGN_PFX is set but ORL_SIGN_PASSWORD is not"
    signing=true
fi
# The password goes to osslsigncode through a pipe, never on a command line that others can list.
sign() {
    local options=(-pkcs12 "$ORL_SIGN_PFX" -readpass /dev/stdin -h sha256 -n "Orlagen Workgroup Configuration")
    [ -z "${ORL_SIGN_TIMESTAMP_URL:-}" ] || options+=(-ts "$ORL_SIGN_TIMESTAMP_URL")
    printf '%s' "$ORL_SIGN_PASSWORD" | osslsigncode sign "${options[@]}" -in "$1" -out "$1.signed" >/dev/null ||
        fail "could not sign $1"
    mv "$1.signed" "$1"
}

# A name-based UUID (version 5): the same namespace UUID and name always give the same one.
name_uuid() {
    local namespace=${1//[-\{\}]/} hex
    hex=$({ printf "$(sed 's/../\\x&/g' <<<"$namespace")"; printf '%s' "$2"; } | sha1sum | cut -c1-32)
    hex=${hex:0:12}5${hex:13:3}$(printf %x $((0x${hex:16:1} & 3 | 8)))${hex:17}
    hex=${hex^^}
    echo "{${hex:0:8}-${hex:8:4}-${hex:12:4}-${hex:16:4}-${hex:20}}"
}

# wixl writes a random package code and the time it runs into the package's summary information,
# and takes neither from the source. Both are overwritten where they lie, in place, and then read
# back: the creation and last-save times become the source date, and the package code one worked
# out from the package's own bytes, so that the same package has the same code and any other
# package another, as Windows Installer expects.
settle_summary() {
    local msi=$1 revision at filetime bytes="" i date
    revision=$(msiinfo suminfo "$msi" | sed -n 's/^Revision number (UUID): //p')
    [ -n "$revision" ] && [ "$(grep -obaF "$revision" "$msi" | wc -l)" = 1 ] ||
        fail "$msi: the package code is not where it is looked for"
    at=$(grep -obaF "$revision" "$msi" | cut -d: -f1)
    # The code (39 bytes with its terminator, padded to 40) is followed by the two times, each a
    # FILETIME (type 0x40): 100 ns steps since 1601.
    [ "$(od -An -tx1 -j $((at + 40)) -N 16 "$msi" | tr -d ' \n' | cut -c1-8,25-32)" = 4000000040000000 ] ||
        fail "$msi: the times are not where they are looked for"
    filetime=$(((SOURCE_DATE_EPOCH + 11644473600) * 10000000))
    for i in 0 1 2 3 4 5 6 7; do bytes+=$(printf '\\x%02x' $((filetime >> 8 * i & 0xff))); done
    put() { printf "$2" | dd of="$msi" bs=1 seek="$1" conv=notrunc status=none; }
    put $((at + 44)) "$bytes"
    put $((at + 56)) "$bytes"
    put "$at" '{00000000-0000-0000-0000-000000000000}'
    revision=$(name_uuid "$upgrade_code" "$(sha256sum <"$msi" | cut -c1-64)")
    put "$at" "$revision"
    date=$(date -d "@$SOURCE_DATE_EPOCH" '+%a %b %e %H:%M:%S %Y')
    [ "$(msiinfo suminfo "$msi" | grep -E '^(Revision number|Created|Last saved)')" = \
      "$(printf 'Revision number (UUID): %s\nCreated: %s\nLast saved: %s' "$revision" "$date" "$date")" ] ||
        fail "$msi: the summary information does not read back as written"
}

build=build/package
stage=$build/stage
zip=orlconfig-$version-win32.zip
msi=orlconfig-$version.msi
rm -rf "$build" dist
mkdir -p dist
if [ -n "${ORL_PROGRAMS_DIR:-}" ]; then
    programs=$ORL_PROGRAMS_DIR
    echo "Packing the programs in $programs, not building them."
else
    programs=$build/bin
    cmake --preset windows -B "$build" >/dev/null
    cmake --build "$build" --target orlconfig orlconfigc
fi

mkdir -p "$stage"
cp "$programs/orlconfig.exe" "$programs/orlconfigc.exe" "$stage/" || fail "no programs in $programs"
if $signing; then
    sign "$stage/orlconfig.exe"
    sign "$stage/orlconfigc.exe"
fi
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' tools/package/README.txt >"$stage/README.txt"
# Entries in a fixed order, with the source date and fixed attributes, no extra fields (-X).
chmod 0644 "$stage"/*
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
(cd "$stage" && zip -q -X -D -9 "$root/dist/$zip" README.txt orlconfig.exe orlconfigc.exe)

upgrade_code=$(sed -n 's/.* UpgradeCode="\([0-9A-F-]*\)".*/\1/p' tools/package/orlconfig.wxs)
[ -n "$upgrade_code" ] || fail "tools/package/orlconfig.wxs names no upgrade code"
# A new version is a new product, so that it replaces the one before; the same version keeps its
# product code whenever it is built.
(cd "$stage" && wixl -a x86 -D "Version=$version" -D "ProductCode=$(name_uuid "$upgrade_code" "$version")" \
                     -o "$root/dist/$msi" "$root/tools/package/orlconfig.wxs")
settle_summary "dist/$msi"
if $signing; then sign "dist/$msi"; fi

{ (cd dist && sha256sum "$zip" "$msi"); (cd "$stage" && sha256sum orlconfig.exe orlconfigc.exe); } |
    sort -k2 >dist/SHA256SUMS
if $signing; then
    echo "Signed: both programs and the MSI (${ORL_SIGN_TIMESTAMP_URL:-no time-stamp server})."
else
    echo "Not signed: set ORL_SIGN_PFX and ORL_SIGN_PASSWORD to sign the programs and the MSI."
fi
echo "Version $version, in $root/dist:"
cat dist/SHA256SUMS
