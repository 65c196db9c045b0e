#!/usr/bin/env bash
# The translation files are in step with the texts: updating them from the sources changes
# none. A new text the player would read untranslated, or a translation left for a text gone,
# fails here until scripts/update-translations has run and the new texts are translated.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/fitzel_*.ts "$work"
"$root/scripts/update-translations" "$work"
for ts in "$work"/*.ts; do
    diff -u "$root/translations/$(basename "$ts")" "$ts"
    ! grep -n 'type="unfinished"' "$ts"
done
