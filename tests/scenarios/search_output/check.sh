# The text file holds the card twice, byte for byte; the title that names no file wrote nothing.
set -e
cmp "POMMES AU FOUR.txt" "attendu/POMMES AU FOUR.txt"
test ! -e "SAUCE 1"
test -z "$(find . -name '*SEL*')"
