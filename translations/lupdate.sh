#!/usr/bin/env bash
# Gathers every text of the book from src/ into the translations: each
# atoz_<language>.ts here is brought up to date in OUT_DIR (this folder, to
# update them; another, to check that they are up to date). Texts no longer in
# the code are dropped; the files name no source lines, so that moving code
# changes nothing in them.
#   lupdate.sh LUPDATE OUT_DIR
set -euo pipefail
lupdate=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
[ "$here" = "$(cd "$out" && pwd)" ] || cp "$here"/atoz_*.ts "$out"/
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h "$here/../src" -ts "$out"/atoz_*.ts
