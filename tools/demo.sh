#!/usr/bin/env bash
# Lays out a demo installation under build/demo/, publishes newer versions on a
# local update server (loopback only), points the program at it through the
# environment, and starts the program. The settings folder is the demo's own,
# so the developer's settings stay untouched.
set -euo pipefail
cd "$(dirname "$0")/.."
koren="$PWD"
demo="$koren/build/demo"
instalacija="$demo/Velkor"
objava="$demo/objava/download/Verzija22"
rm -rf "$demo/objava"
mkdir -p "$instalacija" "$demo/config" "$objava"
cp build/src/VelkorZideZizodu22 "$instalacija/"
# The unpacker beside the program, as on Windows; a run's leftovers go (the log stays).
ln -sf /usr/bin/7za "$instalacija/7za"
rm -rf "$instalacija/UpdateBackup" "$demo/RegSvr32.txt"
[ -d "$instalacija/Update" ] && find "$instalacija/Update" -type f ! -name Update.log -delete
# Help files and database-change scripts live in directories of their own.
pomoc="$instalacija/Help"
skripte="$instalacija/Skrite za izmjenu baze"
mkdir -p "$pomoc" "$skripte"
rm -f "$skripte/Izmjena0001.enc"

# A distribution directory for the other computers, in the distribution tab's
# box (the rest of the settings stay as the demo left them), and the second
# list that the server publishes beside the first.
distribucija="$demo/distribucija/"
ini="$demo/config/Velkor/Velkor.ini"
mkdir -p "$distribucija" "$(dirname "$ini")" && touch "$ini"
sed -i '/^UpdateLokDirMr22=/d' "$ini"
grep -q '^\[Settings\]' "$ini" || printf '[Settings]\n' >> "$ini"
sed -i "/^\[Settings\]/a UpdateLokDirMr22=\"$distribucija\"" "$ini"
printf 'VelkorZideZizodu22.exe;22;1;2;900;2100;\r\n' > "$objava/VerzijeU.txt"

# Text in Windows-1250 with CR LF, as the suite keeps its lists.
lista() { sed 's/$/\r/' | iconv -f UTF-8 -t WINDOWS-1250; }
velicina() { stat -c %s "$1"; }

# What is installed.
printf 'Velkor program v22.1.4\n' > "$instalacija/Velkor.exe"
printf 'Ispis v22.1.2\n' > "$instalacija/VelkorIspis.dll"
printf 'Obračun v22.1.0\n' > "$instalacija/Obračun.exe"
printf 'Upute v22.1.0\n' > "$pomoc/Upute.chm"
cat <<EOT | lista > "$instalacija/Verzije.txt"
Velkor.exe;22;1;4;1200;$(velicina "$instalacija/Velkor.exe");
VelkorIspis.dll;22;1;2;300;$(velicina "$instalacija/VelkorIspis.dll");
Obračun.exe;22;1;0;500;$(velicina "$instalacija/Obračun.exe");
Upute.chm;22;1;0;400;$(velicina "$pomoc/Upute.chm");
VelkorZideZizodu22.exe;22;1;1;900;2100;
EOT

# What is published: a release folder with its manifest, published by the
# publisher as the maker publishes (packages, then the new list).
izvor="$demo/objava/izvor"
mkdir -p "$izvor"
printf 'Velkor program v22.1.5\n' > "$izvor/Velkor.exe"
printf 'Ispis v22.1.3\n' > "$izvor/VelkorIspis.dll"
printf 'Obračun v22.2.0\n' > "$izvor/Obračun.exe"
printf 'Upute v22.1.1\n' > "$izvor/Upute.chm"
printf 'Izmjena baze 1\n' > "$izvor/Izmjena0001.enc"
printf 'Velkor Live Update v22.1.2\n' > "$izvor/VelkorZideZizodu22.exe"
cat > "$izvor/Objava.txt" <<EOT
Velkor.exe;22;1;5
VelkorIspis.dll;22;1;3
Obračun.exe;22;2;0
Upute.chm;22;1;1
Izmjena0001.enc;22;1;0
VelkorZideZizodu22.exe;22;1;2
EOT
printf 'demo\n' > "$objava/TeamViewerQS.exe"
# Signed with the demo's own key pair, made once without a password.
kljuc="$demo/kljuc/demo.key"
[ -f "$kljuc" ] || { mkdir -p "$demo/kljuc" &&
    minisign -G -W -p "$demo/kljuc/demo.pub" -s "$kljuc" >/dev/null; }
build/src/velkor-objava --kljuc "$kljuc" "$izvor" "$objava"
# The program checks the release with the demo's public key, read beside it.
cp "$demo/kljuc/demo.pub" "$instalacija/Velkor.pub"
rm -f "$instalacija/Verzije.sha256" "$instalacija/Verzije.sha256.minisig"

# The local update server, on loopback, ended with the program.
build/tests/velkor_posluzitelj --dir "$demo/objava/download/Verzija22" > "$demo/port.txt" &
posluzitelj=$!
trap 'kill $posluzitelj 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -s "$demo/port.txt" ] && break; sleep 0.1; done
port=$(head -n1 "$demo/port.txt")
[ -n "$port" ] || { echo "The local update server did not start." >&2; exit 1; }

export VELKOR_PRIMARNI_HOST="127.0.0.1:$port"
export VELKOR_SEKUNDARNI_HOST="localhost:$port"
export VELKOR_CA_CERTS="$koren/tests/support/certs/ca.pem"
export XDG_CONFIG_HOME="$demo/config"
# The registration tool's stand-in, which records its calls.
export PATH="$koren/tools:$PATH"
export VELKOR_REGSVR32_ZAPIS="$demo/RegSvr32.txt"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display: starting without a screen (QT_QPA_PLATFORM=offscreen); use xvfb-run to see it."
    export QT_QPA_PLATFORM=offscreen
fi
echo "Demo installation: $instalacija"
echo "Update server: https://$VELKOR_PRIMARNI_HOST/download/Verzija22/ (and http:// on the same port)"
echo "Settings: $XDG_CONFIG_HOME/Velkor/Velkor.ini   Log: $instalacija/Update/Update.log"
echo "Component registrations: $VELKOR_REGSVR32_ZAPIS"
"$instalacija/VelkorZideZizodu22" "$@"
