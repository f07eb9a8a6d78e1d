# Nothing was written outside D:\Orvale: no Evasion anywhere, nothing at the root of the file
# system, no shortcut.
set -euo pipefail
diff <(cd cle && find . | sort) - <<'END'
.
./Orvale
./Orvale/Recette
./Orvale/Recette/Lire.pie
./Orvale/Recette/Recette.exe
./Orvale/Recette/Tamrok.dll
END
[[ -z "$(find .. -maxdepth 4 -name '*Evasion*')" ]]
[[ ! -e /tmp/Recette-Evasion.exe ]]
[[ -z "$(find . -name '*.desktop')" ]]
