#!/usr/bin/env bash
# Brings the English translation up to the interface texts of the sources: new texts come
# in unfinished, texts gone from the sources are dropped. With a file argument, updates that
# copy instead and keeps the gone texts in it as vanished, for the completeness test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
ts="${1:-$root/shell/translations/kesh_en.ts}"
lupdate="${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}"
options=(-silent -locations none -source-language fr -target-language en
         -tr-function-alias QT_TRANSLATE_NOOP+=KESH_TRANSLATABLE,QT_TRANSLATE_NOOP+=MessageText -extensions cpp,h)
[ $# -eq 0 ] && options+=(-no-obsolete)
cd "$root"
"$lupdate" "${options[@]}" -I "$root" shell render aero formats -ts "$ts"
