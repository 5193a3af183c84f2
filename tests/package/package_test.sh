#!/bin/bash
# The release packages as an administrator meets them: the same bytes from two clean copies of the
# tree, one building the programs afresh, the other packing the test command's build of them; the
# MSI installed, run and removed under Wine; signatures of a throwaway certificate.
# BUILD_DIR: the build whose Wine prefix is used; PROGRAMS_DIR: the test command's 32-bit programs.
set -uo pipefail
export LC_ALL=C
tree=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
started=$SECONDS failures=0
check() {
    local what=$1; shift
    if "$@"; then echo "ok      $what"; else echo "FAILED  $what"; failures=$((failures + 1)); return 1; fi
}
same() { [ "$1" = "$2" ] || { printf -- '--- expected\n%s\n--- found\n%s\n' "$1" "$2"; false; }; }
sums_of() { (cd "$1" && sha256sum orlconfig.exe orlconfigc.exe); }

# A clean copy of the tree (what git would check out, uncommitted changes included), packaged.
export SOURCE_DATE_EPOCH=$(git -C "$tree" log -1 --format=%ct)
package() {
    local copy=$1; shift; mkdir -p "$copy"
    (cd "$tree" && git ls-files -z --cached --others --exclude-standard |
        tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$copy"
    env "$@" "$copy/tools/package.sh" >"$copy.log" 2>&1 || { tail -20 "$copy.log"; false; }
}
first=$work/first/orlconfig
second=$work/another/place/for/the/second-copy
version=$(sed -n 's/^ *VALUE "ProductVersion", "\([0-9.]*\)".*/\1/p' "$tree/app/resources/orlconfig.rc")
zip=orlconfig-$version-win32.zip msi=orlconfig-$version.msi

check "package.sh builds and packs a clean copy" package "$first"
# Two builds of the programs in different folders, this one and the test command's, are enough to
# show that they hold no path or time: the second copy packs the test command's programs.
check "package.sh packs a second clean copy, elsewhere and later" package "$second" ORL_PROGRAMS_DIR="$PROGRAMS_DIR"
check "dist/ holds the two packages, named by the version record, and their sums" \
    same "$(printf '%s\n' SHA256SUMS "$zip" "$msi")" "$(ls "$first/dist")"
check "both copies give the same programs, ZIP and MSI" same "$(cat "$first/dist/SHA256SUMS")" "$(cat "$second/dist/SHA256SUMS")" ||
    cmp -l "$first/dist/$msi" "$second/dist/$msi" | head -5
programs=$(grep -E '  orlconfigc?\.exe$' "$first/dist/SHA256SUMS")
check "the test command's build gives the same programs" same "$programs" "$(sums_of "$PROGRAMS_DIR")"
check "the ZIP holds README.txt and both programs, nothing else" \
    same "$(printf '%s\n' README.txt orlconfig.exe orlconfigc.exe)" "$(unzip -Z1 "$first/dist/$zip")"
unzip -q -d "$work/unzipped" "$first/dist/$zip"
check "the ZIP's programs are the ones SHA256SUMS names" same "$programs" "$(sums_of "$work/unzipped")"
check "the MSI has no custom actions" same "" "$(msiinfo export "$first/dist/$msi" CustomAction | tail -n +4)"
signed() { rm -f "$work/signature"; osslsigncode extract-signature -in "$1" -out "$work/signature" >/dev/null 2>&1; }
check "unsigned: the command says so, and neither the programs nor the MSI has a signature" eval 'grep -q "^Not signed" \
    "$first.log" && ! signed "$first/dist/$msi" && ! signed "$work/unzipped/orlconfig.exe" && ! signed "$work/unzipped/orlconfigc.exe"'

# The Windows Installer of the build's own Wine prefix. Shortcut files go to the host's menus only
# through winemenubuilder, which stays off.
export WINEPREFIX=$BUILD_DIR/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
runs32=true; /usr/lib/wine/wine --version >/dev/null 2>&1 || runs32=false
$runs32 || echo "32-bit programs cannot run on this machine: the programs are checked as files, not run"
"$BUILD_DIR/wine-run.sh" cmd /c exit 0 >/dev/null 2>&1
msiexec() { /usr/lib/wine/wine64 msiexec "$1" "Z:${2//\//\\}" /qn; }
# Every file and folder of drive C:, but Windows Installer's own cache and temporary files.
listing() { (cd "$WINEPREFIX/drive_c" && find . | grep -vE '^\./(windows/Installer|users/[^/]*/Temp)/' | sort); }
help_of() {
    local output; output=$("$BUILD_DIR/wine-run.sh" "$1" '/?' 2>&1) && grep -q '^SYNTAX   orlconfigc.exe' <<<"$output"
}
folder='C:\Program Files (x86)\Orlagen Workgroup Configuration'
installed="$WINEPREFIX/drive_c/Program Files (x86)/Orlagen Workgroup Configuration"

msiexec /x "$first/dist/$msi"   # not installed: changes nothing, but Wine makes its installer folder
before=$(listing)
check "msiexec /i installs the MSI" msiexec /i "$first/dist/$msi"
# Wine puts the shortcuts of the all-users Start menu into the user's own.
check "it installs both programs into one folder and the shortcut, nothing else" same \
    "$(printf '%s\n' "./Program Files (x86)/Orlagen Workgroup Configuration" \
        "./Program Files (x86)/Orlagen Workgroup Configuration/orlconfig.exe" \
        "./Program Files (x86)/Orlagen Workgroup Configuration/orlconfigc.exe" \
        "<Start menu>/Orlagen Workgroup Configuration.lnk")" \
    "$(comm -13 <(echo "$before") <(listing) |
        sed -E 's#^\./(ProgramData|users/[^/]+/AppData/Roaming)/Microsoft/Windows/Start Menu/Programs#<Start menu>#' | sort)"
check "the installed programs are the ones SHA256SUMS names" same "$programs" "$(sums_of "$installed")"
check "the shortcut starts the installed window program" \
    grep -qsaF "$folder\\orlconfig.exe" "$WINEPREFIX"/drive_c/{ProgramData,users/*/AppData/Roaming}/Microsoft/Windows/Start\ Menu/Programs/Orlagen\ Workgroup\ Configuration.lnk
if $runs32; then check "the installed orlconfigc.exe /? prints its help" help_of "$folder\\orlconfigc.exe"; fi
check "msiexec /x uninstalls it" msiexec /x "$first/dist/$msi"
check "uninstalled, the disk is as it was before" same "$before" "$(listing)"

# Signing: the second copy packs the test command's programs, shown above to be the same.
certificate() {
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=$1" -keyout "$work/$1.key" \
        -out "$work/$1.pem" -addext extendedKeyUsage=codeSigning 2>/dev/null &&
        openssl pkcs12 -export -inkey "$work/$1.key" -in "$work/$1.pem" -out "$work/$1.pfx" -passout pass:not-a-secret
}
verifies() { osslsigncode verify -in "$1" -CAfile "$2" >"$work/verify.log" 2>&1; }
check "openssl makes two throwaway certificates" eval 'certificate signer && certificate stranger'
check "package.sh signs with a PFX and its password" package "$second" ORL_PROGRAMS_DIR="$PROGRAMS_DIR" \
    ORL_SIGN_PFX="$work/signer.pfx" ORL_SIGN_PASSWORD=not-a-secret
unzip -q -d "$work/signed" "$second/dist/$zip"
for file in "$work/signed/orlconfig.exe" "$work/signed/orlconfigc.exe" "$second/dist/$msi"; do
    check "osslsigncode verify accepts the signed ${file##*/}" verifies "$file" "$work/signer.pem" ||
        cat "$work/verify.log"
done
check "... and not against another certificate" eval '! verifies "$second/dist/$msi" "$work/stranger.pem"'
check "SHA256SUMS names the signed programs" same "$(sums_of "$work/signed")" "$(grep -E '  orlconfigc?\.exe$' "$second/dist/SHA256SUMS")"
mkdir "$work/unsigned"
for program in orlconfig.exe orlconfigc.exe; do
    osslsigncode remove-signature -in "$work/signed/$program" -out "$work/unsigned/$program" >/dev/null
done
check "the signed programs without their signatures are the unsigned ones" same "$programs" "$(sums_of "$work/unsigned")"
if $runs32; then
    check "the signed orlconfigc.exe /? prints its help" help_of "$work/signed/orlconfigc.exe"
    # Without a display the window build's help box is answered at once.
    check "the signed orlconfig.exe /? runs to its end" \
        eval 'env -u DISPLAY "$BUILD_DIR/wine-run.sh" "$work/signed/orlconfig.exe" "/?" >/dev/null 2>&1'
fi

echo "packaging tier: $failures failed, in $((SECONDS - started)) s"
[ $failures = 0 ]
