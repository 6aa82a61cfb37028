#!/usr/bin/env bash
# The Debian package as a family meets it: built from this build folder,
# installed on this machine, its menu entry and AppStream description valid,
# the installed program started under a private X server until its window
# shows and closed with its own Exit, then removed without a file of its own
# left behind. Needs root; skips (77) otherwise, and on a machine that has the
# book installed already, which it leaves alone.
#   check_package.sh BUILD_DIR
set -euo pipefail
build=$1
package=vorlane-atoz
app=example.larkvale.AtoZ

[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    echo "SKIP: $package is installed on this machine already; not touching it"
    exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/atoz-package.XXXXXX")
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
        && apt-get remove -y -qq "$package" >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT

(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
deb=$(ls "$work"/${package}_*.deb)
fields=$(dpkg-deb --field "$deb" Package Version Section Maintainer Depends Description)
echo "$fields"
for expected in "Package: $package" "Section: education" "Depends: .*libqt6widgets6" "Depends: .*fonts-comic-neue"; do
    grep -q "$expected" <<<"$fields" || { echo "FAIL: the package lacks '$expected'"; exit 1; }
done

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
desktop-file-validate "/usr/share/applications/$app.desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$app.metainfo.xml"
[ -f "/usr/share/icons/hicolor/scalable/apps/$app.svg" ] || { echo "FAIL: no icon"; exit 1; }
mapfile -t installed < <(dpkg -L "$package")

# Started the way the menu starts it, in a fresh home.
number=$((100 + RANDOM % 800))
while [ -e "/tmp/.X$number-lock" ]; do number=$((100 + RANDOM % 800)); done
Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
exec_line=$(sed -n 's/^Exec=//p' "/usr/share/applications/$app.desktop")
mkdir -m 700 "$work/home" "$work/runtime"
env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" DISPLAY=":$number" \
    QT_QPA_PLATFORM=xcb $exec_line &
program=$!
window=$(DISPLAY=":$number" timeout 30 xdotool search --sync --onlyvisible --name "Book 2: A to Z" | head -n 1)
[ -n "$window" ] || { echo "FAIL: the installed program showed no window"; exit 1; }
sleep 1
# The exit picture at the top of the home view's command bar.
DISPLAY=":$number" xdotool mousemove --window "$window" 20 38 click 1
timeout 20 tail --pid="$program" -f /dev/null || { echo "FAIL: Exit did not end the program"; exit 1; }
wait "$program" || { echo "FAIL: the program ended with an error"; exit 1; }

apt-get remove -y -qq "$package" >/dev/null
for file in "${installed[@]}"; do
    if [ -e "$file" ] && [ ! -d "$file" ]; then
        echo "FAIL: $file is still there after removal"
        exit 1
    fi
done
echo "installed, validated, started, closed and removed cleanly"
