#!/bin/bash
# Lets a machine whose Linux kernel runs no 32-bit code (ia32_emulation=off) start the 32-bit Wine,
# so that the 32-bit programs are tested as 32-bit programs. The kernel is told to hand every 32-bit
# x86 Linux program to QEMU's user-mode emulator (binfmt_misc); Wine's loader is the only such
# program here. The emulator comes from Debian 13: Debian 12's QEMU 7.2 ignores the address hints
# of Wine's start-up memory reservation and takes about a minute to start each program, QEMU 10
# takes under a second. A machine that runs 32-bit code already is left as it is.
# Needs root; succeeds only when the 32-bit Wine starts afterwards.
set -uo pipefail
wine32=/usr/lib/wine/wine
emulator=/usr/local/lib/orlconfig/qemu-i386
suite=trixie

"$wine32" --version >/dev/null 2>&1 && exit 0
[ "$(id -u)" -eq 0 ] || { echo "32-bit emulation needs root" >&2; exit 1; }

# The Debian mirror that this machine's own apt sources name for its release, in one-line
# (sources.list, *.list) or deb822 (*.sources) form: the emulator comes from the same mirror.
debian_mirror() {
    local release; release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [ -n "$release" ] || return 1
    {
        cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            sed -E 's/\[[^]]*\]//' | awk -v release="$release" '$1 == "deb" && $3 == release { print $2 }'
        cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk -v release="$release" '
            function paragraph_end() {
                if (types ~ /(^| )deb( |$)/ && (" " suites " ") ~ (" " release " ") && enabled != "no") {
                    split(uris, uri, " "); print uri[1]
                }
                types = uris = suites = enabled = ""
            }
            /^#/ { next }
            /^[ \t]*$/ { paragraph_end(); next }
            { field = tolower($1); sub(/^[^:]*:[ \t]*/, "") }
            field == "types:" { types = $0 } field == "uris:" { uris = $0 }
            field == "suites:" { suites = $0 } field == "enabled:" { enabled = tolower($0) }
            END { paragraph_end() }'
    } | head -1 | grep .
}

# The emulator alone, from one package of Debian 13, fetched through a private apt state so that
# the machine's own package sources and lists stay as they are: the machine's mirror, the next
# release's suite.
fetch_emulator() {
    local work mirror
    mirror=$(debian_mirror) || { echo "this machine's apt sources name no Debian mirror for its release" >&2; return 1; }
    work=$(mktemp -d)
    mkdir -p "$work/lists/partial" "$work/cache/archives/partial"
    echo "deb [arch=amd64] $mirror $suite main" >"$work/sources.list"
    local apt=(apt-get -q -o APT::Sandbox::User=root -o Dir::Etc::SourceList="$work/sources.list"
               -o Dir::Etc::SourceParts=/dev/null -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache")
    "${apt[@]}" update >/dev/null &&
        (cd "$work" && "${apt[@]}" download "qemu-user/$suite" >/dev/null) &&
        dpkg-deb -x "$work"/qemu-user_*.deb "$work/root" &&
        install -D -m 755 "$work/root/usr/bin/qemu-i386" "$emulator"
    local status=$?
    rm -rf "$work"
    return $status
}

# ELF, 32-bit, little-endian, executable or shared object, machine i386. The F flag opens the
# emulator now, so that it is found from any mount namespace later.
register_emulator() {
    local misc=/proc/sys/fs/binfmt_misc
    [ -e $misc/register ] || mount -t binfmt_misc binfmt_misc $misc || return 1
    [ -e $misc/orlconfig-i386 ] && echo -1 >$misc/orlconfig-i386
    local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    echo ":orlconfig-i386:M::$magic:$mask:$emulator:F" >$misc/register
}

[ -x "$emulator" ] || fetch_emulator || { echo "could not fetch QEMU's i386 emulator" >&2; exit 1; }
register_emulator || { echo "could not register the i386 emulator with the kernel" >&2; exit 1; }
"$wine32" --version >/dev/null 2>&1 || { echo "the 32-bit Wine does not start under emulation" >&2; exit 1; }
echo "32-bit programs run through QEMU's user-mode emulator ($("$emulator" --version | head -1))"
