#!/usr/bin/env bash
# Sets up A to Z on this Debian machine (first time only) and starts it.
# Any arguments go to the program, for example: ./run.sh --data-dir ~/ColouringPages
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

atoz_install_packages "${ATOZ_PACKAGES[@]}"
# Quiet unless something goes wrong: a child's parent needs no compiler chatter.
log=$(mktemp "${TMPDIR:-/tmp}/atoz-build.XXXXXX")
echo "Getting A to Z ready (the first time takes a few minutes) ..."
if ! atoz_build >"$log" 2>&1; then
    cat "$log" >&2
    echo "Building A to Z failed; the messages above say why." >&2
    exit 1
fi
rm -f "$log"
atoz_runtime_dir
exec "$ATOZ_BUILD_DIR/bin/atoz" "$@"
