#!/usr/bin/env bash
# Plays one scenario and compares its transcript with the expected one.
#   run_scenario.sh PROGRAM SCENARIO_DIR WORK_DIR PROGRAM_FOLDER
# The scenario folder is copied to WORK_DIR first (after the assembled program folder when the
# scenario holds a file "uses-program-folder"); every NAME.sql in it becomes the SQLite file NAME.
# The session sees one drive, C: = WORK_DIR, besides those its script maps: never this machine's
# media. After the transcript, every desktop entry the session wrote must pass
# desktop-file-validate, and a scenario's own check.sh (if any) checks what it left on disk; it
# runs in WORK_DIR, with TOOLS naming this folder.
# UPDATE_TRANSCRIPTS=1 writes the transcript played into the scenario instead of comparing.
set -euo pipefail
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
find "$work" -name '*.sql' -print0 | while IFS= read -r -d '' sql; do
    sqlite3 "${sql%.sql}" <"$sql"
    rm "$sql"
done

status=0
(cd "$work" && RECETTE_LECTEURS="C=$work" "$program" --script "$work/$name.script") \
    >"$work/actual.transcript" || status=$?
if [[ "${UPDATE_TRANSCRIPTS:-}" == 1 ]]; then
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
