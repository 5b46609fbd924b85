# Which Wine loaders start on this machine, and the environment to run one.
# Sourced by the scripts that run Windows programs. Some kernels refuse 32-bit
# Linux programs, so Wine's 32-bit loader fails with "Exec format error" even
# when it is installed: the choice is made by starting each loader, never by
# looking at packages.
#
#   trm_wine_detect        sets TRM_WINE_STARTED (archs whose loader starts, in
#                          the order i686 x86_64) and TRM_WINE_NOT_STARTED
#                          (lines "ARCH: reason"); TRM_WINE_ARCHS (e.g.
#                          "x86_64") restricts the choice
#   trm_wine_summary       one line saying what was chosen and what was not
#   trm_wine_pick WHAT     detects and sets TRM_WINE_PICKED to the one
#                          architecture to run a program as: the 32-bit one
#                          where it starts; TRM_WINE_PICKED_TREE to its build
#                          tree (cross or cross64); where none starts, prints
#                          the summary and "cannot WHAT" on stderr and fails
#   trm_wine_not_run       for each architecture whose programs were not run,
#                          a line that a reader of a test summary cannot miss
#   trm_wine_use ARCH      exports WINELOADER and WINEARCH for ARCH and the
#                          C.UTF-8 locale, and puts scripts/wine-bin first on
#                          PATH, so that wine, wineboot and winepath run under
#                          that loader
#
# TRM_WINE_LOADER_i686 and TRM_WINE_LOADER_x86_64 point the detection at other
# loaders (the tests use a loader that cannot start).

TRM_WINE_KNOWN_ARCHS="i686 x86_64"
TRM_WINE_BIN=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine-bin

trm_wine_loader() {
    case "$1" in
        i686) echo "${TRM_WINE_LOADER_i686:-/usr/lib/wine/wine}" ;;
        x86_64) echo "${TRM_WINE_LOADER_x86_64:-/usr/lib/wine/wine64}" ;;
        *) return 1 ;;
    esac
}

# trm_wine_start_error ARCH: empty when the loader starts, else why not.
trm_wine_start_error() {
    local loader output
    loader=$(trm_wine_loader "$1") || { echo "unknown architecture"; return; }
    [ -e "$loader" ] || { echo "$loader is not installed"; return; }
    # Through bash, not timeout's execvp, which would hand a refused binary to /bin/sh.
    if ! output=$(timeout 60 bash -c 'exec "$0" --version' "$loader" 2>&1); then
        output=$(echo "$output" | head -n 1)
        echo "$loader does not start: ${output##*"$loader": }"
    fi
}

trm_wine_detect() {
    TRM_WINE_STARTED=""
    TRM_WINE_NOT_STARTED=""
    local arch wanted=" ${TRM_WINE_ARCHS:-$TRM_WINE_KNOWN_ARCHS} " error
    for arch in $TRM_WINE_KNOWN_ARCHS; do
        if [[ "$wanted" != *" $arch "* ]]; then
            TRM_WINE_NOT_STARTED+="$arch: left out by TRM_WINE_ARCHS"$'\n'
            continue
        fi
        error=$(trm_wine_start_error "$arch")
        if [ -z "$error" ]; then
            TRM_WINE_STARTED+="${TRM_WINE_STARTED:+ }$arch"
        else
            TRM_WINE_NOT_STARTED+="$arch: $error"$'\n'
        fi
    done
    for arch in ${TRM_WINE_ARCHS:-}; do
        [[ " $TRM_WINE_KNOWN_ARCHS " == *" $arch "* ]] ||
            TRM_WINE_NOT_STARTED+="$arch: unknown architecture (known: $TRM_WINE_KNOWN_ARCHS)"$'\n'
    done
}

trm_wine_summary() {
    local line
    echo "Wine: running Windows programs as: ${TRM_WINE_STARTED:-none}"
    while IFS= read -r line; do
        if [ -n "$line" ]; then echo "Wine: not as $line"; fi
    done <<<"$TRM_WINE_NOT_STARTED"
}

trm_wine_pick() {
    trm_wine_detect
    if [ -z "$TRM_WINE_STARTED" ]; then
        trm_wine_summary >&2
        echo "cannot $1: no Wine loader starts on this machine" >&2
        return 1
    fi
    TRM_WINE_PICKED=${TRM_WINE_STARTED%% *}
    TRM_WINE_PICKED_TREE=cross
    [ "$TRM_WINE_PICKED" = i686 ] || TRM_WINE_PICKED_TREE=cross64
}

trm_wine_not_run() {
    local line arch
    while IFS= read -r line; do
        [ -n "$line" ] || continue
        arch=${line%%: *}
        echo "*** $arch Wine tiers NOT RUN: ${line#*: }; the $(trm_arch_bits "$arch") executable was checked statically only ***"
    done <<<"$TRM_WINE_NOT_STARTED"
}

trm_arch_bits() {
    case "$1" in
        i686) echo 32-bit ;;
        x86_64) echo 64-bit ;;
        *) echo "$1" ;;
    esac
}

trm_wine_use() {
    local arch=$1
    WINELOADER=$(trm_wine_loader "$arch") || { echo "unknown Wine architecture '$arch'" >&2; return 1; }
    # A fresh prefix gets the loader's own architecture: without WINEARCH the
    # 32-bit loader would hand a new prefix to the 64-bit one when both exist.
    case "$arch" in
        i686) WINEARCH=win32 ;;
        x86_64) WINEARCH=win64 ;;
    esac
    export WINELOADER WINEARCH
    export WINEDEBUG=${WINEDEBUG:--all}
    # Wine reads Unix file names in the charset of the Unix locale: without a
    # UTF-8 locale that exists here, names beyond ASCII come back garbled.
    # C.UTF-8 is always there and gives the Windows side en-US (code page 1252).
    export LC_ALL=C.UTF-8
    [[ ":$PATH:" == *":$TRM_WINE_BIN:"* ]] || export PATH="$TRM_WINE_BIN:$PATH"
}
