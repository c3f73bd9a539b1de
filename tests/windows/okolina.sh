# Sourced by the Wine tests, with $mapa set: the build's own Wine prefix and a
# Croatian locale of their own (ANSI code page 1250), both in that folder.
[ -d "$mapa/locale/hr_HR.UTF-8" ] ||
    { mkdir -p "$mapa/locale" && LC_ALL=C localedef -i hr_HR -f UTF-8 "$mapa/locale/hr_HR.UTF-8"; }
export WINEPREFIX="$mapa/wineprefix" WINEDEBUG=-all LOCPATH="$mapa/locale" LC_ALL=hr_HR.UTF-8
