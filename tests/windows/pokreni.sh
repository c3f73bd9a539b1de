#!/bin/sh
# The Win32 tests under Wine (on the display xvfb-run gives).
# Usage: pokreni.sh WINE TEST.EXE
set -eu
mapa=$(dirname "$2")
. "$(dirname "$0")/okolina.sh"
# Nothing of Wine's outlives the display; the test's own status stands.
trap '"${1%/*}/wineserver" -w' EXIT
# The first run makes the prefix (slow, and talkative on stderr); a hang fails the test.
timeout 600 "$1" "$2"
