#!/usr/bin/env bash
# The translations are whole and up to date: gathering the texts from the
# code again changes none of the translations/atoz_*.ts files, and every text
# of every language has its translation (none unfinished or empty).
#   check_translations.sh LUPDATE
set -uo pipefail
lupdate=$1
tree=$(cd "$(dirname "$0")/../../translations" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/atoz-translations.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The fresh copies in a folder of their own: what diff writes must not be
# among what it compares.
fresh=$work/ts
mkdir "$fresh"
bash "$tree/lupdate.sh" "$lupdate" "$fresh" || { echo "FAIL: lupdate did not run"; exit 1; }
status=0
if ! diff -ru "$tree" "$fresh" --exclude=lupdate.sh >"$work/changes"; then
    echo "FAIL: the translations are not up to date with the code; run"
    echo "  cmake --build build --target update_translations"
    echo "and translate what it adds:"
    grep '^[-+] ' "$work/changes" | grep -v '^+++\|^---' | head -n 40
    status=1
fi
for file in "$tree"/atoz_*.ts; do
    open=$(grep -c -E 'type="unfinished"|<translation></translation>|<translation/>' "$file")
    if [ "$open" -gt 0 ]; then
        echo "FAIL: $(basename "$file") has $open texts without a translation"
        status=1
    fi
done
[ $status -eq 0 ] && echo "every text is translated in $(ls "$tree"/atoz_*.ts | wc -l) languages"
exit $status
