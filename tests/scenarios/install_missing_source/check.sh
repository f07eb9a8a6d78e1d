# The files present were copied; no shortcut was made.
set -euo pipefail
diff <(cd cle && find . | sort) - <<'END'
.
./Orvale
./Orvale/Recette
./Orvale/Recette/Base.kov
./Orvale/Recette/Images
./Orvale/Recette/Images/PAS.jpg
./Orvale/Recette/Lire.pie
./Orvale/Recette/Tamrok.dll
END
cmp Base.kov cle/Orvale/Recette/Base.kov
cmp PAS.jpg cle/Orvale/Recette/Images/PAS.jpg
[[ -z "$(find .local -name '*.desktop' 2>/dev/null)" ]]
