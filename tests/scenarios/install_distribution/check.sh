# The recipe book on D:\Orvale\Recette as the manifest lists it, Tamrok.dll ending with D:, the
# two shortcuts of the group Orvale\Recette; the recipe book, started by its shortcut as a menu
# would start it, plays recette.script on its installed folder.
set -euo pipefail
diff <(cd cle && find . | LC_ALL=C sort) - <<'END'
.
./Orvale
./Orvale/Recette
./Orvale/Recette/AGNEAU.txt
./Orvale/Recette/ASTUCE.txt
./Orvale/Recette/BEURRE.txt
./Orvale/Recette/BOEUF.txt
./Orvale/Recette/Base.kov
./Orvale/Recette/CANARD.txt
./Orvale/Recette/COMPOSE.txt
./Orvale/Recette/COQ.txt
./Orvale/Recette/CRUSTACE.txt
./Orvale/Recette/CUISINE.mdb
./Orvale/Recette/DESSERT.txt
./Orvale/Recette/ENTREE CHAUDE.txt
./Orvale/Recette/ENTREE FROIDE.txt
./Orvale/Recette/FOIS GRAS.txt
./Orvale/Recette/FOND DE SAUCE.txt
./Orvale/Recette/FROMAGE.txt
./Orvale/Recette/GIBIER.txt
./Orvale/Recette/HORS D'OEUVRE.txt
./Orvale/Recette/Images
./Orvale/Recette/Images/COQ AU VIN.jpg
./Orvale/Recette/Images/CRÈME BRÛLÉE.jpg
./Orvale/Recette/Images/PAS.jpg
./Orvale/Recette/Images/RATATOUILLE.jpg
./Orvale/Recette/Images/TARTE TATIN.jpg
./Orvale/Recette/LAPIN.txt
./Orvale/Recette/LEGUME.txt
./Orvale/Recette/Lire.pie
./Orvale/Recette/Lisez-Moi.chm
./Orvale/Recette/Lisez-Moi.html
./Orvale/Recette/NOUGAT.txt
./Orvale/Recette/PAIN.txt
./Orvale/Recette/PLAT COMPLET.txt
./Orvale/Recette/POISSON.txt
./Orvale/Recette/PORC.txt
./Orvale/Recette/POULET.txt
./Orvale/Recette/Recette
./Orvale/Recette/SAUCE.txt
./Orvale/Recette/TERRINE DE VIANDE.txt
./Orvale/Recette/Tamrok.dll
./Orvale/Recette/VEAU.txt
./Orvale/Recette/VERRINE.txt
END
cmp TERRINE.txt "cle/Orvale/Recette/TERRINE DE VIANDE.txt"
printf 'Recette\r\nD:\r\n' | cmp - cle/Orvale/Recette/Tamrok.dll
menu=.local/share/applications/Orvale/Recette
diff <(cd "$menu" && ls) - <<'END'
Lisez-Moi.desktop
Recette.desktop
END
[[ "$(sed -n 's/^Exec=//p' "$menu/Lisez-Moi.desktop")" == \
   "xdg-open \"$PWD/cle/Orvale/Recette/Lisez-Moi.html\"" ]]
"$TOOLS/start_desktop_entry.sh" "$menu/Recette.desktop" --script "$PWD/recette.script" \
    >recette.actual
diff -u recette.transcript recette.actual
