# The PDF read back with poppler: the card's text, its picture; its first page rendered.
set -e
pdf=Impression-1.pdf
text=$(pdftotext "$pdf" -)
for expected in "TARTE TATIN" "Temps de Préparation" "Temps de Cuisson" "Niveau de Difficulté" \
                "Boisson Conseiller" "Cidre doux" "Ingrediant" "8 pommes golden ou reinettes" \
                "Preparation" "Préchauffez le four à 200 °C." "Bon Appétit"; do
    grep -qF "$expected" <<<"$text" || { echo "missing: $expected"; exit 1; }
done
test "$(pdfimages -list "$pdf" | tail -n +3 | wc -l)" -eq 1
pdftoppm -png -r 60 -singlefile "$pdf" fiche
