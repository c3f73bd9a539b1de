#!/bin/sh
# The Win32 tests under Wine (on the display xvfb-run gives), in the build's own Wine
# prefix, with a Croatian locale of their own so that the ANSI code page is 1250.
# Usage: pokreni.sh WINE TEST.EXE
set -eu
mapa=$(dirname "$2")
[ -d "$mapa/locale/hr_HR.UTF-8" ] ||
    { mkdir -p "$mapa/locale" && LC_ALL=C localedef -i hr_HR -f UTF-8 "$mapa/locale/hr_HR.UTF-8"; }
export WINEPREFIX="$mapa/wineprefix" WINEDEBUG=-all LOCPATH="$mapa/locale" LC_ALL=hr_HR.UTF-8
# Nothing of Wine's outlives the display; the test's own status stands.
trap '"${1%/*}/wineserver" -w' EXIT
# The first run makes the prefix (slow, and talkative on stderr); a hang fails the test.
timeout 600 "$1" "$2"
