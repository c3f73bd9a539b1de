#!/usr/bin/env bash
# Installs what the build and the tests need, when it is missing.
set -euo pipefail
paketi=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev p7zip-full curl libcurl4-openssl-dev squid openssl python3 clang-format libxcb1-dev)
# Signed releases: Ed25519 through libsodium, signed and checked with minisign, hashes with sha256sum.
paketi+=(libsodium-dev minisign coreutils)
# The sanitizer build and the fuzzing harnesses: clang, its sanitizers' and libFuzzer's runtimes.
paketi+=(clang libclang-rt-14-dev)
# The Win32 layer: the cross compiler, Wine to run it, a virtual display, a Croatian locale.
paketi+=(g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth locales)
# The whole Windows build (against ../shared/windows-sdk) and its release folder.
paketi+=(ninja-build binutils-mingw-w64-x86-64)
# The detection's tests: xev shows other programs' windows, xprop sets their properties, xkill ends them.
paketi+=(x11-utils)
nedostaju=()
for p in "${paketi[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || nedostaju+=("$p")
done
if [ ${#nedostaju[@]} -gt 0 ]; then
    echo "Installing: ${nedostaju[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${nedostaju[@]}"
fi
