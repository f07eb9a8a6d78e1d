# What the installation left: D:\Orvale\Recette with the program, the manifest and a Tamrok.dll
# ending with the line D:, and the shortcut Recette in the group folder Orvale\Recette, which
# starts the program copied.
set -euo pipefail
diff <(cd cle && find . | sort) - <<'END'
.
./Orvale
./Orvale/Recette
./Orvale/Recette/Lire.pie
./Orvale/Recette/Recette.exe
./Orvale/Recette/Tamrok.dll
END
cmp Lire.pie cle/Orvale/Recette/Lire.pie
printf 'Recette\r\nD:\r\n' | cmp - cle/Orvale/Recette/Tamrok.dll
printf 'Recette\r\n' | cmp - Tamrok.dll
diff <(cd .local/share/applications && find . | sort) - <<'END'
.
./Orvale
./Orvale/Recette
./Orvale/Recette/Recette.desktop
END
started=$("$TOOLS/start_desktop_entry.sh" .local/share/applications/Orvale/Recette/Recette.desktop bonjour)
[[ "$started" == "Recette bonjour" ]]
