#!/usr/bin/env bash
# Makes the pictures of the user manual with the program itself: starts the built zodarc on
# a virtual screen with a home folder of its own and a sample state file, clicks through its
# windows in English and in German, and photographs them into docs/manual/en/img and
# docs/manual/de/img (the exported chart is the PNG that "Save as ..." writes).
#
#   tools/ManualScreenshots.sh [BUILD_FOLDER]      (default: build)
#
# Needs Xvfb, xdotool and ImageMagick (import, convert). The clicks follow the main window's
# layout in twips (15 twips a pixel, app/frmMain.cpp); when the layout changes, change them
# here.
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

# Clicks (or with a sixth argument 2, double-clicks) the centre of a control given in twips
# (left, top, width, height) of the main window, then waits.
click() {
    xdotool mousemove $((($1 + $3 / 2) / 15)) $((($2 + $4 / 2) / 15)) click --repeat "${6:-1}" 1
    sleep "${5:-1.5}"
}
# Photographs the window whose title matches $1 into $2 (PNG, 256 colours).
shoot() {
    local id
    id=$(xdotool search --onlyvisible --name "$1" | head -1)
    import -window "$id" "$2.tmp.png"
    convert "$2.tmp.png" -colors 256 PNG8:"$2"
    rm -f "$2.tmp.png"
}
# The main window's controls, twips: left, top, width, height.
world=(8990 120 2160 345)
natal1=(8990 570 2160 345)
personal1=(11250 570 2550 345)
synastry=(13900 795 1500 345)
configure=(17100 120 1550 375)
help=(17100 570 1550 345)
restore=(17100 1020 1550 345)
run=(13200 7920 1120 375)
toggle=(14420 7920 1750 375)
report=(16270 7920 1120 375)
saveas=(13200 8370 1950 375)
german=(14477 9090 1338 300)
sextile=(9840 3780 1080 570)  # the cell of the natal Sun and transiting Neptune

for language in en de; do
    img="$out/$language/img"
    mkdir -p "$img"
    if [ "$language" = de ]; then
        click "${german[@]}" 3
        main="^Zodarc 26.1$" configuration="^Einstellungen$" runDialog="^Laufen$"
        durations="^Dauer der" viewer="^Viewing$"
    else
        main="^Zodarc 26.1$" configuration="^Configuration$" runDialog="^Run$"
        durations="^Durations of" viewer="^Viewing$"
    fi
    click "${restore[@]}" 3  # the sample's own world date
    shoot "$main" "$img/main-world.png"
    click "${report[@]}" 3
    shoot "$durations" "$img/durations.png"
    click "${report[@]}" 2  # hides it again
    click "${synastry[@]}" 2
    shoot "$main" "$img/main-synastry.png"

    # The wheel of the world transits, then the run dialog.
    click "${world[@]}" 2
    click "${toggle[@]}" 2
    shoot "$main" "$img/main-wheel.png"
    click "${run[@]}" 2
    shoot "$runDialog" "$img/run.png"
    xdotool key Escape
    sleep 1

    # The two-chart wheel of personal transits, saved as a picture.
    click "${personal1[@]}" 2
    shoot "$main" "$img/main-wheel-transits.png"
    click "${saveas[@]}" 2
    xdotool type --delay 20 "$home/export-$language.png"
    xdotool key Return
    sleep 2
    xdotool key Return  # the message that it was saved
    sleep 1
    convert "$home/export-$language.png" -colors 256 PNG8:"$img/export.png"

    # A double-click on a personal transit draws its course.
    click "${toggle[@]}" 2
    click "${sextile[@]}" 3 2
    shoot "$main" "$img/main-transit-graphic.png"
    click "${toggle[@]}" 2

    click "${configure[@]}" 2
    shoot "$configuration" "$img/configuration.png"
    xdotool key space  # Hide, which has the focus
    sleep 1
    click "${help[@]}" 2
    shoot "$viewer" "$img/help.png"
    eval "$(xdotool search --onlyvisible --name "$viewer" getwindowgeometry --shell | head -5)"
    xdotool mousemove $((X + WIDTH - 8 - 40)) $((Y + HEIGHT - 8 - 12)) click 1  # Close
    sleep 1
    click "${world[@]}" 2
done
echo "pictures written to $out/en/img and $out/de/img"
