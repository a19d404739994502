#!/usr/bin/env bash
# Installs what Zodarc needs on Debian 12, builds it, then starts the program
# ("./setup.sh run"), runs the whole test suite ("./setup.sh test") or makes the Debian
# package in build-deb ("./setup.sh package"). "./setup.sh sanitize" builds a tree of its
# own, build-asan, with AddressSanitizer and UndefinedBehaviorSanitizer and runs the whole
# test suite in it.
set -euo pipefail
cd "$(dirname "$0")"

verb="${1:-run}"
case "$verb" in
    run | test) build=build configure=(-DCMAKE_BUILD_TYPE=Release) ;;
    # The package installs into /usr; its build folder is kept apart from the working one.
    package) build=build-deb configure=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr) ;;
    sanitize) build=build-asan configure=(-DCMAKE_BUILD_TYPE=Release -DZODARC_SANITIZE=ON) ;;
    *) echo "usage: $0 [run|test|package|sanitize]" >&2; exit 2 ;;
esac

packages=(g++ cmake make ccache pkg-config qt6-base-dev qt6-svg-dev libgl1-mesa-dev libswe-dev swe-basic-data
          swe-standard-data fonts-dejavu-core fonts-liberation libgtest-dev libgmock-dev libbenchmark-dev
          dpkg-dev file man-db desktop-file-utils appstream qt6-translations-l10n python3-icalendar
          libgeonames-dev libhowardhinnant-date-dev tzdata python3 librsvg2-bin poppler-utils swetest)
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

cmake -S . -B "$build" "${configure[@]}"
cmake --build "$build" -j"$(nproc)"

case "$verb" in
    run) exec ./build/zodarc ;;
    test | sanitize) cd "$build" && exec ctest --output-on-failure -j"$(nproc)" ;;
    package) cd build-deb && exec cpack -G DEB ;;
esac
