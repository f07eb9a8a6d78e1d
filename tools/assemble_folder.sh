#!/usr/bin/env bash
# Assembles a program folder from data/: the empty template base Base.kov, the placeholder
# picture, the 28 category texts in Windows-1252 with CR LF, the help (and its compiled form
# where chmcmd exists); with --demo, the sample bases and their pictures and the demo script too.
#   assemble_folder.sh DATA_DIR OUT_DIR [--demo]
set -euo pipefail
data=$1
out=$2
demo=${3:-}

rm -rf "$out"
mkdir -p "$out/Images"

sqlite3 "$out/Base.kov" <"$data/schema.sql"
cp "$data/Images/PAS.jpg" "$out/Images/PAS.jpg"
for text in "$data"/categories/*.txt; do
    [[ -e "$text" ]] || continue
    iconv -f UTF-8 -t CP1252 "$text" | sed 's/\r*$/\r/' >"$out/$(basename "$text")"
done
cp "$data/help/Lisez-Moi.html" "$out/"
# The compiled help too, where the machine has a compiler for it (Free Pascal's chmcmd).
if command -v chmcmd >/dev/null; then
    help=$(mktemp -d)
    cp "$data/help/Lisez-Moi.html" "$data/help/Lisez-Moi.hhp" "$help/"
    (cd "$help" && chmcmd Lisez-Moi.hhp >/dev/null 2>&1) && cp "$help/Lisez-Moi.chm" "$out/" || true
    rm -rf "$help"
fi

if [[ "$demo" == "--demo" ]]; then
    for sql in "$data"/demo/*.sql; do
        [[ -e "$sql" ]] || continue
        sqlite3 "$out/$(basename "$sql" .sql).mdb" <"$sql"
    done
    if [[ -d "$data/demo/Images" ]]; then
        cp "$data"/demo/Images/* "$out/Images/" 2>/dev/null || true
    fi
    cp "$data/demo.script" "$out/demo.script"
fi
