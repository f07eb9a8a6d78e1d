# One shortcut, in the group "Mkdir Lisez-Moi", opening the page with the desktop's application;
# no folder was made for "Mkdir Lisez-Moi" on the drive.
set -euo pipefail
diff <(cd .local/share/applications && find . | sort) - <<'END'
.
./Orvale
./Orvale/Mkdir Lisez-Moi
./Orvale/Mkdir Lisez-Moi/Mkdir Lisez-Moi.desktop
END
entry=".local/share/applications/Orvale/Mkdir Lisez-Moi/Mkdir Lisez-Moi.desktop"
[[ "$(sed -n 's/^Exec=//p' "$entry")" == "xdg-open \"$PWD/cle/Orvale/Recette/Lisez-Moi.html\"" ]]
[[ "$(sed -n 's/^Name=//p' "$entry")" == "Mkdir Lisez-Moi" ]]
[[ ! -e "cle/Mkdir Lisez-Moi" && ! -e "cle/Orvale/Mkdir Lisez-Moi" ]]
