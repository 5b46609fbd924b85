#!/usr/bin/env bash
# Runs a Windows program under the Wine loader of TRM_WINE_ARCH (i686 or
# x86_64): the CTest emulator of the cross trees.
#   wine-run.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
: "${TRM_WINE_ARCH:?}"
source "$(dirname "$0")/wine-env.sh"
trm_wine_use "$TRM_WINE_ARCH"
exec "$WINELOADER" "$@"
