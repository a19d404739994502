#!/usr/bin/env bash
# Makes the pictures of the user manual with the program itself: starts the built zodarc on
# a virtual screen with a home folder of its own and a sample state file, clicks through its
# windows in English and in German, and photographs them into docs/manual/en/img and
# docs/manual/de/img.
#
#   tools/ManualScreenshots.sh [BUILD_FOLDER]      (default: build)
#
# Needs Xvfb, xdotool and ImageMagick (import, convert). The clicks follow the main window's
# layout in twips (15 twips a pixel); when the layout changes, change them here.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
out=$(pwd)/docs/manual

home=$(mktemp -d)
display=":$((90 + RANDOM % 50))"
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
zodarc=""
cleanup() {
    [ -n "$zodarc" ] && kill "$zodarc" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT
export DISPLAY="$display" HOME="$home" LC_ALL=C.UTF-8 TZ=Europe/Berlin
export XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"

# The sample: world date 10 March 2024 21:00 GMT+1, 1st birthdate 17 May 1970 14:00 GMT+1,
# 2nd birthdate 2 November 1985 08:30 GMT+1, World transits, default options.
mkdir -p "$home/.local/share/Quillfen"
{
    printf ' 3 \r\n 10 \r\n2024\r\n 43 \r\n 26 \r\n'
    printf ' 5 \r\n 17 \r\n1970\r\n 29 \r\n 26 \r\n'
    printf ' 11 \r\n 2 \r\n1985\r\n 18 \r\n 26 \r\n'
    printf '#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n'
    printf ' 1 \r\n 10 \r\n 9 \r\n 1 \r\n 1 \r\n 2 \r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#TRUE#\r\n 2 \r\n'
    printf '10\r\n9\r\n6\r\n7\r\n5\r\n4\r\n5\r\n1\r\n'
    printf '65535\r\n16711935\r\n255\r\n65280\r\n16776960\r\n16744576\r\n8421504\r\n'
    printf ' 0 \r\n 1 \r\n 2 \r\n 2 \r\n 1 \r\n'
} >"$home/.local/share/Quillfen/zdr.usr"

sleep 1
"$build/zodarc" >/dev/null 2>&1 &
zodarc=$!
sleep 4

# Clicks the centre of a control given in twips (left, top, width, height) of the window.
click() {
    xdotool mousemove $((($1 + $3 / 2) / 15)) $((($2 + $4 / 2) / 15)) click 1
    sleep "${5:-1.5}"
}
# Photographs the window titled $1 into $2 (PNG, 256 colours).
shoot() {
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" | head -1)
    import -window "$id" "$2.tmp.png"
    convert "$2.tmp.png" -colors 256 PNG8:"$2"
    rm -f "$2.tmp.png"
}

for language in en de; do
    mkdir -p "$out/$language/img"
    if [ "$language" = de ]; then
        click 19300 600 1400 300 3  # German
        configuration=Einstellungen
    else
        configuration=Configuration
    fi
    click 17500 1020 1550 345 3  # Restore: the sample's own world date
    shoot "Zodarc 26.1" "$out/$language/img/main-world.png"
    click 14300 795 1500 345 3  # Synastry
    shoot "Zodarc 26.1" "$out/$language/img/main-synastry.png"
    click 9000 120 2300 345 2  # World transits
    click 17500 120 1550 375 2  # Configure
    shoot "$configuration" "$out/$language/img/configuration.png"
    xdotool key space  # Hide, which has the focus
    sleep 1
done
echo "pictures written to $out/en/img and $out/de/img"
