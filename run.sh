#!/usr/bin/env bash
# Sets up A to Z on this Debian machine (first time only) and starts it.
# Any arguments go to the program, for example: ./run.sh --data-dir ~/ColouringPages
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

atoz_install_packages "${ATOZ_PACKAGES[@]}"
atoz_build >/dev/null
atoz_runtime_dir
exec "$ATOZ_BUILD_DIR/bin/atoz" "$@"
