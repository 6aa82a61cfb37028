#!/usr/bin/env bash
# An include only ever names its own layer or a lower one: core code that
# names a window's header fails to build, because the header is not in the
# core library's include folders; core code that names its own headers builds.
#   check_layers.sh BUILD_DIR
set -uo pipefail
build=$1
if ! cmake --build "$build" --target layers_core_reaches_down >/dev/null 2>&1; then
    echo "FAIL: core code that names core headers does not build"
    exit 1
fi
if output=$(cmake --build "$build" --target layers_core_reaches_up 2>&1); then
    echo "FAIL: core code that names a window's header builds"
    exit 1
fi
if ! grep -q "mainwindow/mainwindow.h: No such file" <<<"$output"; then
    echo "FAIL: core code that names a window's header fails for another reason:"
    echo "$output"
    exit 1
fi
echo "a window's header is out of core code's reach"
