# Nothing was written on the drive.
set -euo pipefail
[[ -z "$(ls -A cle)" ]]
