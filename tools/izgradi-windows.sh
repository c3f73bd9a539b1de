#!/usr/bin/env bash
# The Windows build, cross-compiled with mingw-w64 against ../shared/windows-sdk,
# and its release folder: the programs with every DLL and Qt plugin they load,
# as the Qt deployment tool would lay them out (that tool is not built here).
# Usage: tools/izgradi-windows.sh [BUILD_DIR]   (default build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
izgradnja=${1:-build-windows}
sdk=$(cd .. && pwd)/shared/windows-sdk
if [ ! -f "$sdk/mingw-w64.cmake" ] || [ ! -d "$sdk/qt6/lib/cmake/Qt6" ] || [ ! -f "$sdk/7za.exe" ]; then
    echo "The Windows SDK is missing in $sdk (Qt, libcurl, libsodium and 7za.exe for mingw-w64)." >&2
    echo "Make it from Debian's sources with its script (about an hour on 2 cores):" >&2
    echo "    $sdk/izgradi.sh" >&2
    exit 1
fi
mingw=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
cmake -S . -B "$izgradnja" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DVELKOR_WERROR="${VELKOR_WERROR:-OFF}" \
    -DCMAKE_TOOLCHAIN_FILE="$sdk/mingw-w64.cmake" -DCMAKE_PREFIX_PATH="$sdk/qt6;$sdk/deps" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null
cmake --build "$izgradnja" -j"$(nproc)" --target VelkorZideZizodu22 velkor-objava velkor-dnevnik

izdanje="$izgradnja/VelkorZideZizodu22"
rm -rf "$izdanje"
mkdir -p "$izdanje"/{platforms,styles,tls}
cp "$izgradnja"/src/{VelkorZideZizodu22,velkor-objava,velkor-dnevnik}.exe "$sdk/7za.exe" "$izdanje/"
cp "$sdk/qt6/plugins/platforms/qwindows.dll" "$izdanje/platforms/"
cp "$sdk/qt6/plugins/styles/qwindowsvistastyle.dll" "$izdanje/styles/"
cp "$sdk/qt6/plugins/tls/qschannelbackend.dll" "$izdanje/tls/"

# Every DLL the programs and plugins import, found in the SDK or the mingw runtime,
# and what those import in turn; the rest are Windows' own.
mjesta=("$sdk/qt6/bin" "$sdk/deps/bin" "$mingw" /usr/x86_64-w64-mingw32/lib)
uvezeno() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
red=("$izdanje"/*.exe "$izdanje"/*/*.dll)
while [ ${#red[@]} -gt 0 ]; do
    datoteka=${red[0]}
    red=("${red[@]:1}")
    for dll in $(uvezeno "$datoteka"); do
        [ -f "$izdanje/$dll" ] && continue
        for mjesto in "${mjesta[@]}"; do
            if [ -f "$mjesto/$dll" ]; then
                cp "$mjesto/$dll" "$izdanje/"
                red+=("$izdanje/$dll")
                break
            fi
        done
    done
done
echo "Windows release folder: $izdanje"
