#!/usr/bin/env bash
# The Debian packages as a family meets them, built from this build folder
# and installed on this machine: first the book alone (its dependencies name
# no web engine; it starts the way the menu starts it, its web window offers
# the system's browser, and it closes with its own Exit), then with the web
# window's package as well (the web window runs the engine). The menu entry
# and the AppStream description are valid. Both packages are removed again
# without a file of their own left behind.
#
# Whatever ends this script, it cleans up: on its own exit through a trap, and
# when it is killed outright (as ctest does at the time limit) through a
# watcher outside its process group. A run that finds the packages left by a
# killed run removes them and fails; a machine that has the book installed by
# its family is left alone (skipped). Needs root; skips (77) otherwise.
#   check_package.sh BUILD_DIR
set -euo pipefail
build=$1
book=vorlane-atoz
web=vorlane-atoz-web
app=example.larkvale.AtoZ
# Present exactly while this test has the packages installed.
marker=/var/tmp/atoz-package-test.installed

fail() { echo "FAIL: $*"; exit 1; }
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
if [ -e "$marker" ]; then
    dpkg --purge "$web" "$book" >/dev/null 2>&1 || true
    rm -f "$marker"
    fail "an earlier run of this test was stopped with the packages installed; they are removed now"
fi
if installed "$book" || installed "$web"; then
    echo "SKIP: $book is installed on this machine already; not touching it"
    exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/atoz-package.XXXXXX")
# The processes this script starts, one a line, and how to undo everything.
cat >"$work/cleanup.sh" <<EOF
[ -f "$work/pids" ] && xargs -r kill <"$work/pids" 2>/dev/null
if [ -e "$marker" ]; then
    dpkg --purge "$web" "$book" >/dev/null 2>&1
    rm -f "$marker"
fi
rm -rf "$work"
EOF
trap 'bash "$work/cleanup.sh"' EXIT
trap 'exit 130' INT TERM HUP
setsid bash -c "while kill -0 $$ 2>/dev/null; do sleep 1; done; [ -f '$work/cleanup.sh' ] && bash '$work/cleanup.sh'" \
    </dev/null >/dev/null 2>&1 &

(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
book_deb=$(ls "$work"/${book}_*.deb)
web_deb=$(ls "$work"/${web}_*.deb 2>/dev/null || true)
fields=$(dpkg-deb --field "$book_deb" Package Version Section Maintainer Depends Recommends Description)
echo "$fields"
for expected in "Package: $book" "Section: education" "Depends: .*libqt6widgets6" "Depends: .*fonts-comic-neue" \
    "Recommends: .*qt6-translations-l10n" "Recommends: .*$web"; do
    grep -q "$expected" <<<"$fields" || fail "the book's package lacks '$expected'"
done
! grep -q "^Depends: .*webengine" <<<"$fields" || fail "the book's package depends on the web engine"
if [ -n "$web_deb" ]; then
    web_fields=$(dpkg-deb --field "$web_deb" Package Depends)
    echo "$web_fields"
    for expected in "Package: $web" "Depends: .*libqt6webenginewidgets6" "Depends: .*$book (= "; do
        grep -q "$expected" <<<"$web_fields" || fail "the web package lacks '$expected'"
    done
fi

touch "$marker"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$book_deb" >/dev/null
hints=$(desktop-file-validate "/usr/share/applications/$app.desktop" 2>&1) || fail "$hints"
[ -z "$hints" ] || fail "the menu entry: $hints"
appstreamcli validate --no-net --pedantic "/usr/share/metainfo/$app.metainfo.xml"
[ -f "/usr/share/icons/hicolor/scalable/apps/$app.svg" ] || fail "no icon"

number=$((100 + RANDOM % 800))
while [ -e "/tmp/.X$number-lock" ]; do number=$((100 + RANDOM % 800)); done
Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
echo $! >>"$work/pids"
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
exec_line=$(sed -n 's/^Exec=//p' "/usr/share/applications/$app.desktop")
mkdir -m 700 "$work/home" "$work/runtime"
x() { DISPLAY=":$number" xdotool "$@"; }

# Starts the book the way the menu does, in a fresh home and a session bus of
# its own, opens the web window from the home view's web address and checks
# whether the web engine runs in it ("engine" or "link"), then closes the book
# with Exit. On a 1024 x 768 screen the book fits at 1.5 times its size.
run_book() {
    local expected=$1
    env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" DISPLAY=":$number" \
        QT_QPA_PLATFORM=xcb dbus-run-session -- $exec_line &
    local session=$!
    echo $session >>"$work/pids"
    local window
    window=$(x search --sync --onlyvisible --name "Book 2: A to Z" | head -n 1)
    [ -n "$window" ] || fail "the installed program showed no window"
    local program
    program=$(pgrep -P "$session" -x atoz || pgrep -x atoz | head -n 1)
    # The web address, at (2000 + 2310 + 4170 / 2, 1920 + 525 / 2) twips.
    x mousemove --window "$window" 640 218 click 1
    local web_window
    web_window=$(timeout 30 bash -c "until DISPLAY=':$number' xdotool search --onlyvisible --name '^Larkvale$'; do sleep 0.2; done" \
        | head -n 1) || fail "the web window did not open"
    local engine=link
    # The engine starts its helper processes within seconds; without it,
    # four seconds of none is enough.
    local tries
    for tries in $(seq 100); do
        pgrep -f QtWebEngineProcess >/dev/null && { engine=engine; break; }
        [ "$expected" = link ] && [ "$tries" -gt 20 ] && break
        sleep 0.2
    done
    [ "$engine" = "$expected" ] || fail "the web window shows the $engine, not the $expected"
    # Out of the way of the book's Exit, which closes it with the book.
    x windowmove "$web_window" 1000 740
    # The exit picture at the top of the home view's command bar.
    x mousemove --window "$window" 20 38 click 1
    timeout 20 tail --pid="$program" -f /dev/null || fail "Exit did not end the program"
    wait "$session" || fail "the program ended with an error"
}

run_book link
if [ -n "$web_deb" ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$web_deb" >/dev/null
    run_book engine
fi

mapfile -t files < <(dpkg -L "$book"; [ -n "$web_deb" ] && dpkg -L "$web")
dpkg --purge "$web" "$book" >/dev/null 2>&1
rm -f "$marker"
for file in "${files[@]}"; do
    if [ -e "$file" ] && [ ! -d "$file" ]; then
        fail "$file is still there after removal"
    fi
done
echo "installed alone and with its web window, validated, started, closed and removed cleanly"
