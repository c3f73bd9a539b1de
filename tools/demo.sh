#!/usr/bin/env bash
# Lays out a demo installation under build/demo/ and starts the program in it,
# with a settings folder of its own so the developer's settings stay untouched.
set -euo pipefail
cd "$(dirname "$0")/.."
demo="$PWD/build/demo"
instalacija="$demo/Velkor"
mkdir -p "$instalacija" "$demo/config"
cp build/src/VelkorZideZizodu22 "$instalacija/"
# The installed versions list, in Windows-1250 with CR LF, as the suite keeps it.
printf '%s\r\n' \
    "Velkor.exe;22;1;4;1200000;3500000;" \
    "VelkorIspis.dll;22;1;2;300000;800000;" \
    "VelkorZideZizodu22.exe;22;1;1;900000;2100000;" \
    | iconv -f UTF-8 -t WINDOWS-1250 > "$instalacija/Verzije.txt"
for f in Velkor.exe VelkorIspis.dll; do [ -e "$instalacija/$f" ] || : > "$instalacija/$f"; done

export XDG_CONFIG_HOME="$demo/config"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display: starting without a screen (QT_QPA_PLATFORM=offscreen); use xvfb-run to see it."
    export QT_QPA_PLATFORM=offscreen
fi
echo "Demo installation: $instalacija"
echo "Settings: $XDG_CONFIG_HOME/Velkor/Velkor.ini   Log: $instalacija/Update/Update.log"
exec "$instalacija/VelkorZideZizodu22" "$@"
