#!/usr/bin/env bash
# Plays one scenario and compares its transcript with the expected one.
#   run_scenario.sh [--qt SCREENSHOT_DIR] PROGRAM SCENARIO_DIR WORK_DIR PROGRAM_FOLDER
# The scenario folder is copied to WORK_DIR first (after the assembled program folder when the
# scenario holds a file "uses-program-folder"); every NAME.sql in it becomes the SQLite file NAME.
# The session sees one drive, C: = WORK_DIR, besides those its script maps: never this machine's
# media. After the transcript, every desktop entry the session wrote must pass
# desktop-file-validate, and a scenario's own check.sh (if any) checks what it left on disk; it
# runs in WORK_DIR, with TOOLS naming this folder.
# A %XX in a fixture's name stands for the byte XX, for names that do not travel well in a
# repository: C%3AVICTIME.mdb is C:VICTIME.mdb, CR%C8ME.mdb a Latin-1 name.
# With --qt the script plays on the real Qt windows (an X server needed: see with_xvfb.sh) and
# each `show` leaves a picture SCENARIO-N-FORM.png in SCREENSHOT_DIR.
# UPDATE_TRANSCRIPTS=1 writes the transcript of a headless run into the scenario instead of
# comparing; a Qt run always compares.
set -euo pipefail
desktop=()
if [[ "${1:-}" == --qt ]]; then
    desktop=(--desktop qt --screenshots "$2")
    shift 2
fi
program=$1
scenario=$2
work=$3
folder=$4
name=$(basename "$scenario")

rm -rf "$work"
mkdir -p "$work"
if [[ -e "$scenario/uses-program-folder" ]]; then
    cp -r "$folder"/. "$work"/
fi
cp -r "$scenario"/. "$work"/
find "$work" -depth -name '*%[0-9A-Fa-f][0-9A-Fa-f]*' -print0 | while IFS= read -r -d '' file; do
    encoded=$(basename "$file")
    mv "$file" "$(dirname "$file")/$(printf '%b' "${encoded//%/\\x}")"
done
find "$work" -name '*.sql' -print0 | while IFS= read -r -d '' sql; do
    sqlite3 "${sql%.sql}" <"$sql"
    rm "$sql"
done

status=0
(cd "$work" && RECETTE_LECTEURS="C=$work" "$program" --script "$work/$name.script" "${desktop[@]}") \
    >"$work/actual.transcript" || status=$?
if [[ "${UPDATE_TRANSCRIPTS:-}" == 1 && ${#desktop[@]} -eq 0 ]]; then
    cp "$work/actual.transcript" "$scenario/$name.transcript"
    exit 0
fi
if ! diff -u "$scenario/$name.transcript" "$work/actual.transcript"; then
    echo "scenario $name: transcript differs (exit code $status)"
    exit 1
fi
while IFS= read -r -d '' entry; do
    desktop-file-validate "$entry" || { echo "scenario $name: invalid desktop entry $entry"; exit 1; }
done < <(find "$work" -name '*.desktop' -print0)
if [[ -e "$work/check.sh" ]]; then
    (cd "$work" && TOOLS=$(dirname "$(readlink -f "$0")") bash ./check.sh) || { echo "scenario $name: check.sh failed"; exit 1; }
fi
