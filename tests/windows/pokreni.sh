#!/bin/sh
# The Win32 tests under Wine, on a virtual X display, in the build's own Wine prefix,
# with a Croatian locale of their own (so the ANSI code page is 1250).
# Usage: pokreni.sh WINE WINESERVER TEST.EXE
set -eu
if [ -z "${VELKOR_POD_XVFB:-}" ]; then
    export VELKOR_POD_XVFB=1
    exec xvfb-run -a sh "$0" "$@"
fi
wine=$1 wineserver=$2 test=$3
mapa=$(dirname "$test")
[ -d "$mapa/locale/hr_HR.UTF-8" ] ||
    { mkdir -p "$mapa/locale" && LC_ALL=C localedef -i hr_HR -f UTF-8 "$mapa/locale/hr_HR.UTF-8"; }
unset LANG LANGUAGE
export WINEPREFIX="$mapa/wineprefix" WINEDEBUG=-all LOCPATH="$mapa/locale" LC_ALL=hr_HR.UTF-8
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot -i >/dev/null 2>&1 || true # the first boot is slow and talkative
    "$wineserver" -w
fi
status=0
timeout 120 "$wine" "$test" || status=$? # a call that hangs fails the test, not CTest's patience
"$wineserver" -w # nothing of Wine's outlives the display
exit $status
