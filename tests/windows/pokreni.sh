#!/bin/sh
# The Win32 tests under Wine (on the display xvfb-run gives), in the build's own Wine
# prefix, with a Croatian locale of their own so that the ANSI code page is 1250.
# Usage: pokreni.sh WINE WINESERVER TEST.EXE
set -eu
mapa=$(dirname "$3")
[ -d "$mapa/locale/hr_HR.UTF-8" ] ||
    { mkdir -p "$mapa/locale" && LC_ALL=C localedef -i hr_HR -f UTF-8 "$mapa/locale/hr_HR.UTF-8"; }
unset LANG LANGUAGE
export WINEPREFIX="$mapa/wineprefix" WINEDEBUG=-all LOCPATH="$mapa/locale" LC_ALL=hr_HR.UTF-8
status=0
# The first run makes the prefix (slow, and talkative on stderr); a hang fails the test.
timeout 600 "$1" "$3" || status=$?
"$2" -w # nothing of Wine's outlives the display
exit $status
