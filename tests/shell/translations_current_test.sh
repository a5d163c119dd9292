#!/usr/bin/env bash
# The English translation holds every interface text of the sources and no text they lost:
# lupdate, run on a copy, must find nothing new and nothing gone.
set -euo pipefail
root="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root/shell/translations/kesh_en.ts" "$work/kesh_en.ts"
"$root/scripts/update-translations.sh" "$work/kesh_en.ts"
stale="$(grep -E 'type="(unfinished|vanished|obsolete)"' -B2 "$work/kesh_en.ts" | grep '<source>' || true)"
if [ -n "$stale" ]; then
  echo "Texts to translate, or gone from the sources (run scripts/update-translations.sh):"
  echo "$stale"
  exit 1
fi
echo "English translation complete: $(grep -c '<message>' "$work/kesh_en.ts") texts"
