#!/usr/bin/env bash
# The Windows release folder under Wine, driven as a user would drive it: a check
# for updates over http and over https (Schannel), then an update run with the
# real 7za.exe and Wine's own regsvr32, with a program of the suite open.
# Run on the display xvfb-run gives.
# Usage: pokreni.sh WINE IZDANJE OBJAVA DNEVNIK POSLUZITELJ UPRAVLJAC KOMPONENTA CERTIFIKATI RADNA
#   (OBJAVA, DNEVNIK, POSLUZITELJ: the Linux build's publisher, log reader and local server)
set -euo pipefail
wine=$1 izdanje=$2 objava=$3 citac=$4 posluzitelj=$5 upravljac=$6 komponenta=$7 certifikati=$8 radna=$9
if [ ! -f "$izdanje/VelkorZideZizodu22.exe" ]; then
    echo "FAIL: no Windows release folder in $izdanje; tools/izgradi-windows.sh makes it"
    exit 1
fi
mapa=$radna
. "$(dirname "$0")/../okolina.sh"
win() { "$wine" "$@" 2>/dev/null; }
win cmd /c exit # the first call makes the prefix
# Help files live in the system's own Help folder.
pomoc="$WINEPREFIX/drive_c/windows/help"
trap '"${wine%/*}/wineserver" -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true' EXIT
palo=0 proslo=0
provjeri() { # OPIS NAREDBA...
    local opis=$1
    shift
    if "$@"; then proslo=$((proslo + 1)); else palo=$((palo + 1)) && echo "FAIL: $opis"; fi
}
u() { win "$upravljac" "$@"; }
naslov="Velkor Live Update - Automatsko ažuriranje Velk-or programa V22.1.1"
poruka="VelkorZideZizodu22"
postavke='HKCU\Software\VB and VBA Program Settings\Velkor\Settings'

# The suite's old and new release (data/), each component the test's DLL with its
# version appended, both published by the Linux publisher with Debian's 7za. The
# installation: the release folder with the old release's files and its list.
inst="$radna/Velkor" izvor="$radna/novo" podaci="$(dirname "$0")/../data"
rm -rf "$inst" "$radna/staro" "$izvor" "$radna/objava"
mkdir -p "$inst/Skrite za izmjenu baze" "$pomoc"
for v in staro novo; do
    cp -r "$podaci/$v" "$radna/"
    cat "$komponenta" "$podaci/$v/VelkorIspis.dll" > "$radna/$v/VelkorIspis.dll"
    "$objava" "$radna/$v" "$radna/objava/$v" >/dev/null
done
cp -r "$izdanje/." "$inst/"
cp "$radna/staro/"{Velkor.exe,Obračun.exe,VelkorIspis.dll} "$inst/"
cp "$radna/objava/staro/Verzije.txt" "$inst/"
cp "$radna/staro/Upute.chm" "$pomoc/"
printf 'tv\n' > "$radna/objava/novo/TeamViewerQS.exe"
"$posluzitelj" --dir "$radna/objava/novo" > "$radna/port.txt" &
for _ in $(seq 50); do [ -s "$radna/port.txt" ] && break; sleep 0.1; done
export VELKOR_PRIMARNI_HOST="localhost:$(head -n1 "$radna/port.txt")"
export VELKOR_CA_CERTS="$("${wine%/*}/winepath" -w "$certifikati/ca.pem" 2>/dev/null)"

# The settings as the suite left them: the primary host, the engine by the case.
win reg delete 'HKCU\Software\VB and VBA Program Settings' /f >/dev/null || true
win reg delete 'HKCU\Software\Seagate Software' /f >/dev/null || true
win reg delete 'HKCU\Software\Velkor' /f >/dev/null || true
postavi() { win reg add "$postavke" /v "$1" /t REG_SZ /d "$2" /f >/dev/null; }
dnevnik() { "$citac" "$inst/Update/Update.log"; }
ima() { grep -qF -- "$2" <<<"$1"; }
pokreni() {
    (cd "$inst" && win ./VelkorZideZizodu22.exe) &
    program=$!
}
# Where the controls are in the window as Wine lays it out (960 x 640): client x, y.
opcijaPrimarni=(26 37) opcijaSekundarni=(26 87) gumbDownload=(0 -83)

# A check for updates at start-up over http, the window closed after it.
postavi UpdateLok22N 2
postavi KoristiChilkatZaDownload False
pokreni
provjeri "the main window is found by its title (FindWindowA)" u cekaj "$naslov" 120
# The user picks another source: the window writes it to the registry.
u klikni "$naslov" "${opcijaSekundarni[@]}"
sleep 1
zapis=$(win reg query "$postavke")
provjeri "the source written to the registry" ima "$zapis" "UpdateLok22N    REG_SZ    0"
provjeri "the location written to the registry" ima "$zapis" "UpdateLokDir22    REG_SZ"
u zatvori "$naslov" && u nestalo "$naslov" 30 || true
wait $program || true
zapis=$(dnevnik)
provjeri "http: the plan in the log" ima "$zapis" "NapraviRsŠtoTrebaAžurirati - Treba instalirati: Obračun.exe"
provjeri "http: the list came by http" ima "$zapis" "Početak Download: http://$VELKOR_PRIMARNI_HOST/download/Verzija22/Verzije.txt"
provjeri "the log is in Windows-1250" grep -qa $'Treba instalirati: Obra\xe8un.exe' "$inst/Update/Update.log"

# Over https, with the test authority; a program of the suite is open.
postavi KoristiChilkatZaDownload True
postavi UpdateLok22N 2
: > "$inst/Update/Update.log"
u prozor "Glavna knjiga 22" &
u cekaj "Glavna knjiga 22" 30 || true
pokreni
provjeri "https: the main window" u cekaj "$naslov" 120
provjeri "https: the plan in the log" ima "$(dnevnik)" "Početak Download: https://$VELKOR_PRIMARNI_HOST/download/Verzija22/Verzije.txt"
provjeri "https: the plan in the log" ima "$(dnevnik)" "Treba instalirati: VelkorIspis.dll"
# tools/snimke-prozora.sh takes README's picture of the Windows build here.
[ -z "${VELKOR_SNIMI:-}" ] || $VELKOR_SNIMI

# The update run: the button, "Da", the running program's dialogue, then "U redu".
u klikni "$naslov" "${gumbDownload[@]}"
provjeri "the question before installing" u cekaj "$poruka" 60
u enter "$poruka" && u nestalo "$poruka" 10 || true
provjeri "the running program's dialogue" u cekaj "$poruka" 120
u zatvori "Glavna knjiga 22" && u nestalo "Glavna knjiga 22" 10 || true
u enter "$poruka" && u nestalo "$poruka" 10 || true
provjeri "the closing box" u cekaj "$poruka" 120
u enter "$poruka" || true
zapis=$(dnevnik)
provjeri "the running program was found" ima "$zapis" "UpdatePrograma- Postoje startovani programi Glavna knjiga 22"
provjeri "success" ima "$zapis" "Uspješno instalirani novi programi!"
provjeri "the new program" cmp -s "$izvor/Obračun.exe" "$inst/Obračun.exe"
provjeri "the help file" cmp -s "$izvor/Upute.chm" "$pomoc/Upute.chm"
provjeri "the script" cmp -s "$izvor/Izmjena0001.enc" "$inst/Skrite za izmjenu baze/Izmjena0001.enc"
provjeri "the component" cmp -s "$izvor/VelkorIspis.dll" "$inst/VelkorIspis.dll"
provjeri "the new list" cmp -s "$radna/objava/novo/Verzije.txt" "$inst/Verzije.txt"
registriran=""
for _ in $(seq 50); do
    registriran=$(win reg query 'HKCU\Software\Velkor\Komponenta' /v Registrirana || true)
    ima "$registriran" VelkorIspis.dll && break
    sleep 0.2
done
provjeri "the component registered by regsvr32" ima "$registriran" VelkorIspis.dll
crystal='HKCU\Software\Seagate Software\Crystal Reports Designer Component\Export'
provjeri "REG_DWORD 12" ima "$(win reg query "$crystal" /v BitMapMagnifNumerator)" "REG_DWORD    0xc"
provjeri "REG_DWORD 1" ima "$(win reg query "$crystal" /v BitMapMagnifDenominator)" "REG_DWORD    0x1"
echo "$proslo passed, $palo failed"
[ "$palo" -eq 0 ]
