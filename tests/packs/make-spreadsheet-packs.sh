#!/usr/bin/env bash
# Makes the spreadsheet-saved copies of the built-in question pack that the pack reader's tests
# load: the bank opened in LibreOffice Calc and saved again as a player's spreadsheet would save
# it, with semicolons (Italian settings), with commas, and as tab-separated text.
#
#   tests/packs/make-spreadsheet-packs.sh
#
# Run it again after game/bank/domande.tsv changes, and commit the three files it writes here.
# Needs soffice with Calc (Debian: libreoffice-calc-nogui); the tests themselves only read the files.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bank="$here/../../game/bank/domande.tsv"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Opening the bank: tab-separated, double quote as text delimiter, UTF-8 (76), from the first line,
# all six columns as Text (format 2) so that answers like 1948, 11 or 3,14 stay the words they
# are instead of becoming numbers or dates; Italian language (1040), quoted fields not forced to
# text and no special-number detection (neither matters once every column is Text).
import='Text - txt - csv (StarCalc):9,34,76,1,1/2/2/2/3/2/4/2/5/2/6/2,1040,false,false'

# Saving: the given separator, double quote, UTF-8, text quoted only where it must be, cells
# written as shown.
save() { # separator-code extension output-name
    soffice -env:UserInstallation="file://$work/profile" --headless \
        --infilter="$import" \
        --convert-to "$2:Text - txt - csv (StarCalc):$1,34,76,1,,1040,false,true,true" \
        --outdir "$work/out" "$work/domande.tsv" 2>&1 >/dev/null |
        { grep -v 'failed to launch javaldx' >&2 || true; } # Calc needs no Java here
    mv "$work/out/domande.$2" "$here/$3"
}

cp "$bank" "$work/domande.tsv"
save 59 csv calc-punto-e-virgola.csv
save 44 csv calc-virgole.csv
save 9 txt calc-tabulazioni.txt
