# Shared by run.sh and test.sh: installs the Debian packages the book needs
# and builds it. Safe to run again: it installs only what is missing and
# builds only what changed.
#
#   ATOZ_BUILD_DIR      build directory (default: build)
#   ATOZ_CMAKE_ARGS     extra arguments for the configure (applied again to
#                       a build directory configured before)
#   ATOZ_BUILD_TARGETS  the targets to build, separated by spaces (default: all)

ATOZ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ATOZ_BUILD_DIR=${ATOZ_BUILD_DIR:-$ATOZ_ROOT/build}

# What building and running the book needs. Qt WebEngine shows the maker's
# web page inside the book; without it the book still builds and the web
# window opens the page in the system's browser. Qt's linguist tools
# (lupdate, lrelease) build the book's translations into it; Qt's own
# translations speak Qt's dialogs in the family's language.
ATOZ_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev qt6-webengine-dev qt6-tools-dev qt6-l10n-tools
    qt6-qpa-plugins libqt6svg6 fonts-comic-neue fonts-dejavu-core qt6-translations-l10n
)
# What the tests and benchmarks need besides.
# The real-window test runs the program under its own X server and session
# bus (dbus-daemon; dbus-x11 is there as on most desktops, where a program
# with no bus named would start one of its own), the Wayland
# test under a headless weston of its own (Qt's Wayland plugin, which the
# book also recommends, and weston's screenshooter); the print
# test prints through a print scheduler of its own onto a queue that writes
# PDF files, and reads them back; the package test builds the Debian package,
# validates what it installs and removes it again. The page generator
# (tools/pagegen) traces the pages' smooth outlines with potrace.
ATOZ_TEST_PACKAGES=(
    libbenchmark-dev xvfb xdotool dbus-daemon dbus-x11
    weston qt6-wayland
    cups printer-driver-cups-pdf poppler-utils
    dpkg-dev desktop-file-utils appstream
    libpotrace-dev
)

atoz_install_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Installing ${missing[*]} needs root or sudo." >&2; return 1; }
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

atoz_build() {
    if [ ! -f "$ATOZ_BUILD_DIR/CMakeCache.txt" ] || [ -n "${ATOZ_CMAKE_ARGS:-}" ]; then
        # shellcheck disable=SC2086 # ATOZ_CMAKE_ARGS is a list of arguments
        cmake -S "$ATOZ_ROOT" -B "$ATOZ_BUILD_DIR" -G Ninja ${ATOZ_CMAKE_ARGS:-}
    fi
    # shellcheck disable=SC2086 # ATOZ_BUILD_TARGETS is a list of targets
    cmake --build "$ATOZ_BUILD_DIR" ${ATOZ_BUILD_TARGETS:+--target $ATOZ_BUILD_TARGETS}
}

# Qt wants a private runtime directory; a missing one only makes it noisy.
atoz_runtime_dir() {
    if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "$XDG_RUNTIME_DIR" ] || [ ! -w "$XDG_RUNTIME_DIR" ]; then
        XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/atoz-runtime.XXXXXX")
        export XDG_RUNTIME_DIR
    fi
    chmod 700 "$XDG_RUNTIME_DIR" 2>/dev/null || true
}
