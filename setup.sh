#!/usr/bin/env bash
# Installs what Zodarc needs on Debian 12, builds it, then starts the program
# ("./setup.sh run") or runs the whole test suite ("./setup.sh test").
set -euo pipefail
cd "$(dirname "$0")"

packages=(g++ cmake make ccache pkg-config qt6-base-dev libgl1-mesa-dev libswe-dev swe-basic-data
          swe-standard-data fonts-dejavu-core fonts-liberation libgtest-dev libgmock-dev libbenchmark-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"

case "${1:-run}" in
    run) exec ./build/zodarc ;;
    test) cd build && exec ctest --output-on-failure -j"$(nproc)" ;;
    *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac
