# The user's two recipes are still in CUISINE.mdb; the template and the new base are those of
# the installation.
set -euo pipefail
[[ "$(sqlite3 cle/Orvale/Recette/CUISINE.mdb 'SELECT group_concat(Titre) FROM Cuisine')" == \
   "GATEAU DE MAMIE,CLAFOUTIS" ]]
cmp Base.kov cle/Orvale/Recette/Base.kov
cmp FAMILLE.mdb cle/Orvale/Recette/FAMILLE.mdb
