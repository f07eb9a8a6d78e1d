# The text file holds the card twice, with the drink box's text; nothing else was written.
set -e
cmp NAVARIN.txt attendu/NAVARIN.txt
test ! -e GIGOT.txt
test ! -e Images/GIGOT.JPG
