#!/usr/bin/env bash
# Sets up A to Z on this Debian machine (first time only), builds it and runs
# every test, headless. Extra arguments go to ctest, for example: ./test.sh -R floodfill
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

atoz_install_packages "${ATOZ_PACKAGES[@]}" "${ATOZ_TEST_PACKAGES[@]}"
atoz_build
atoz_runtime_dir

# Tests never see the user's own settings or pages.
sandbox=$(mktemp -d "${TMPDIR:-/tmp}/atoz-test.XXXXXX")
trap 'rm -rf "$sandbox"' EXIT
export XDG_CONFIG_HOME=$sandbox/config XDG_DATA_HOME=$sandbox/data
export QT_QPA_PLATFORM=offscreen

ctest --test-dir "$ATOZ_BUILD_DIR" --output-on-failure -j "$(nproc)" "$@"
