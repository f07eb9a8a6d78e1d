#!/usr/bin/env bash
# Assembles the distribution folder, what the installer runs from: Install, its manifest Lire.pie
# and Tamrok.dll (Windows-1252 with CR LF), and every source file the manifest lists, flat
# beside the installer under its source name. Each source is the file of the demo folder that
# its destination names (below Orvale\Recette\), or the program itself; one the demo folder
# lacks stops the build.
#   assemble_distribution.sh DATA_DIR DEMO_DIR RECETTE INSTALL OUT_DIR [STRIP]
set -euo pipefail
export LC_ALL=C.UTF-8  # the columns of the manifest count characters, not bytes
data=$1
demo=$2
recette=$3
install=$4
out=$5
strip=${6:-}

rm -rf "$out"
mkdir -p "$out"
for program in "$install" "$recette"; do
    cp "$program" "$out/"
    # What users install needs no debugging symbols.
    [[ -z "$strip" ]] || "$strip" --strip-debug "$out/$(basename "$program")"
done
for text in Lire.pie Tamrok.dll; do
    iconv -f UTF-8 -t CP1252 "$data/install/$text" | sed 's/\r*$/\r/' >"$out/$text"
done

trim() {
    local text=$1
    text=${text#"${text%%[! ]*}"}
    printf '%s' "${text%"${text##*[! ]}"}"
}

while IFS= read -r entry; do
    [[ "$entry" == "[ICONE]" ]] && break
    [[ "$entry" == Mkdir* || -z "$entry" ]] && continue
    source=$(trim "${entry:0:20}")
    destination=$(trim "${entry: -40}")
    relative=${destination#'Orvale\Recette\'}
    relative=${relative//\\//}
    if [[ "$relative" == Recette ]]; then
        continue  # the program, already there
    fi
    if [[ ! -f "$demo/$relative" ]]; then
        echo "Lire.pie lists $destination, which $demo does not hold" >&2
        exit 1
    fi
    cp "$demo/$relative" "$out/$source"
done <"$data/install/Lire.pie"
