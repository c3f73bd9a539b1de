#!/usr/bin/env bash
# The pictures of the window in README, made anew: the Linux build with the demo's
# plan (docs/prozor-linux.png) and the Windows release folder under Wine with the
# Wine test's plan (docs/prozor-windows.png), each on a virtual display of its own.
# With the argument "snimi FILE" it takes one picture of the program's main window
# on the current display, once it shows there.
set -euo pipefail
cd "$(dirname "$0")/.."
# The start of the title: xwininfo writes the rest by the locale.
naslov="Velkor Live Update - Automatsko"
if [ "${1:-}" = snimi ]; then
    for _ in $(seq 120); do
        prozor=$(xwininfo -root -tree | grep -F "\"$naslov" | awk '{print $1}' | head -n1 || true)
        [ -n "$prozor" ] && break
        sleep 0.5
    done
    sleep 3 # the plan's rows are drawn after the window is mapped
    import -window "$prozor" "$2"
    exit 0
fi
tools/pripremi.sh
command -v import >/dev/null || apt-get install -y -qq --no-install-recommends imagemagick
mkdir -p docs
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)"
tools/izgradi-windows.sh
ekran=(-a -s "-screen 0 1280x1024x24")
xvfb-run "${ekran[@]}" bash -c \
    "tools/demo.sh >/dev/null & tools/snimke-prozora.sh snimi docs/prozor-linux.png; kill %1"
(cd build && VELKOR_SNIMI="$PWD/../tools/snimke-prozora.sh snimi $PWD/../docs/prozor-windows.png" \
    ctest -R windows_program --output-on-failure)
echo "docs/prozor-linux.png and docs/prozor-windows.png made anew"
