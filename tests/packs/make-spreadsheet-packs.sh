#!/usr/bin/env bash
# Makes the spreadsheet-saved copies of the built-in question pack that the pack reader's tests
# load: the bank opened in LibreOffice Calc and saved again as players save it. As CSV or text:
# with semicolons (Italian settings), with commas, with tabs, with every text cell in quotes, in
# Windows-1252 (what Italian Windows writes) and in UTF-16 ("Testo Unicode"). In the
# spreadsheets' own formats: .xlsx and .ods, each with the level column once as numbers and once
# as text. Last, spreadsheets written here by hand with the cells programs write but Calc did not
# above (inline and rich text, booleans, numbers, formulas, comments, repeated cells), and two
# broken ones for the bad packs' test: an .xlsx that unpacks to more than the game unpacks, and
# an .ods without a sheet.
#
#   tests/packs/make-spreadsheet-packs.sh
#
# Run it again after game/bank/domande.tsv changes, and commit the files it writes here.
# Needs soffice with Calc (Debian: libreoffice-calc-nogui) and python3; the tests only read the
# files.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bank="$here/../../game/bank/domande.tsv"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Opening the bank: tab-separated, double quote as text delimiter, UTF-8 (76), from the first line,
# the columns as Text (format 2) so that answers like 1948, 11 or 3,14 stay the words they are
# instead of becoming numbers or dates, or the level alone as a number (Standard, format 1);
# Italian language (1040), quoted fields not forced to text and no special-number detection.
levels_as_text='Text - txt - csv (StarCalc):9,34,76,1,1/2/2/2/3/2/4/2/5/2/6/2,1040,false,false'
levels_as_numbers='Text - txt - csv (StarCalc):9,34,76,1,1/1/2/2/3/2/4/2/5/2/6/2,1040,false,false'

save() { # import-filter export-filter extension output-name
    soffice -env:UserInstallation="file://$work/profile" --headless --infilter="$1" \
        --convert-to "$3:$2" --outdir "$work/out" "$work/domande.tsv" 2>&1 >/dev/null |
        { grep -v 'failed to launch javaldx' >&2 || true; } # Calc needs no Java here
    mv "$work/out/domande.$3" "$here/$4"
}

# Text: the separator's code, double quote, the character set (76 UTF-8, 1 Windows-1252, 65535
# UTF-16 with its BOM), Italian, text cells quoted only where they must be or always, cells
# written as shown.
text() { # separator charset quote-all extension output-name
    save "$levels_as_text" "Text - txt - csv (StarCalc):$1,34,$2,1,,1040,$3,true,true" "$4" "$5"
}

cp "$bank" "$work/domande.tsv"
text 59 76 false csv calc-punto-e-virgola.csv
text 44 76 false csv calc-virgole.csv
text 9 76 false txt calc-tabulazioni.txt
text 59 76 true csv calc-virgolette.csv
text 59 1 false csv calc-windows-1252.csv
text 9 65535 false txt calc-testo-unicode.txt
save "$levels_as_numbers" "Calc MS Excel 2007 XML" xlsx calc-livelli-numeri.xlsx
save "$levels_as_text" "Calc MS Excel 2007 XML" xlsx calc-livelli-testo.xlsx
save "$levels_as_numbers" "calc8" ods calc-livelli-numeri.ods
save "$levels_as_text" "calc8" ods calc-livelli-testo.ods

python3 - "$here" <<'EOF'
import sys
import zipfile

here = sys.argv[1]


def write(name, parts):
    with zipfile.ZipFile(f"{here}/{name}", "w") as z:
        for part, data in parts:
            info = zipfile.ZipInfo(part, date_time=(2024, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_STORED if part == "mimetype" else zipfile.ZIP_DEFLATED
            z.writestr(info, data, compresslevel=9)


main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
office = "urn:oasis:names:tc:opendocument:xmlns:office:1.0"
rels = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
package_rels = (f'<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
                f'<Relationship Id="rId1" Type="{rels}/officeDocument" Target="xl/workbook.xml"/></Relationships>')
workbook = (f'<workbook xmlns="{main}" xmlns:r="{rels}"><sheets>'
            '<sheet name="domande" sheetId="1" r:id="rId7"/></sheets></workbook>')
workbook_rels = ('<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
                 f'<Relationship Id="rId7" Type="{rels}/worksheet" Target="/xl/worksheets/foglio.xml"/>'
                 f'<Relationship Id="rId8" Type="{rels}/sharedStrings" Target="testi.xml"/></Relationships>')


def inline(ref, text):
    return f'<c r="{ref}" t="inlineStr"><is><t xml:space="preserve">{text}</t></is></c>'


# One question a level; the first two hold the cells of interest, the third has cells without
# their names, and row 20 follows rows that are not there.
rows = [
    '<row r="1">' + "".join(inline(f"{c}1", h) for c, h in zip("ABCDEF", ["level", "question", "correct",
                                                                         "wrong 1", "wrong 2", "wrong 3"]))
    + "</row>",
    '<row r="2"><c r="A2"><v>1</v></c>' + inline("B2", "In che anno entra in vigore la Costituzione?")
    + '<c r="C2" t="n"><v>1948</v></c><c r="D2"><f>C2-2</f><v>1946</v></c>'
    '<c r="E2" t="s"><v>0</v></c><c r="F2" t="s"><v>1</v></c></row>',
    '<row r="3"><c r="A3" t="n"><v>2</v></c>' + inline("B3", "Quale non è un numero intero?")
    + '<c r="C3"><v>3.5</v></c><c r="D3" t="b"><v>1</v></c><c r="E3" t="b"><v>0</v></c>'
    '<c r="F3" t="str"><f>"P"&amp;"i"</f><v>Pi</v></c></row>',
    '<row><c><v>3</v></c><c t="inlineStr"><is><r><t>Domanda </t></r><r><rPr><b/></rPr><t>3</t></r>'
    '<r><t>?</t></r></is></c><c t="inlineStr"><is><t>Uno</t></is></c><c t="inlineStr"><is><t>Due</t></is></c>'
    '<c t="inlineStr"><is><t>Tre</t></is></c><c t="inlineStr"><is><t>Quattro</t></is></c></row>',
] + [
    f'<row r="{r}"><c r="A{r}"><v>{level}</v></c>' + "".join(
        inline(f"{c}{r}", t) for c, t in zip("BCDEF", [f"Domanda {level}?", "Uno", "Due", "Tre", "Quattro"]))
    + "</row>" for level, r in zip(range(4, 16), [5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 20])
]
write("celle-varie.xlsx", [
    ("_rels/.rels", package_rels),
    ("xl/workbook.xml", workbook),
    ("xl/_rels/workbook.xml.rels", workbook_rels),
    ("xl/testi.xml", f'<sst xmlns="{main}"><si><r><t>19</t></r><r><rPr><i/></rPr><t>47</t></r></si>'
     '<si><t>1950</t><rPh sb="0" eb="4"><t>ichikyugoju</t></rPh></si></sst>'),
    ("xl/worksheets/foglio.xml", f'<worksheet xmlns="{main}"><sheetData>' + "".join(rows)
     + "</sheetData></worksheet>"),
])

# The same questions as LibreOffice lays out an .ods: what a cell shows in <text:p>, a number's
# value in office:value, empty cells and rows repeated, comments inside cells.
table = "urn:oasis:names:tc:opendocument:xmlns:table:1.0"
text = "urn:oasis:names:tc:opendocument:xmlns:text:1.0"


def cell(shown, kind="string", value=None, extra=""):
    attributes = f' office:value-type="{kind}"' + (f' office:{value[0]}="{value[1]}"' if value else "")
    return f"<table:table-cell{attributes}{extra}><text:p>{shown}</text:p></table:table-cell>"


def texts(*shown):
    return "".join(cell(s) for s in shown)


empty_rows = ('<table:table-row table:number-rows-repeated="4">'
              '<table:table-cell table:number-columns-repeated="1024"/></table:table-row>')
ods_rows = [
    texts("livello", "domanda", "giusta", "sbagliata 1", "sbagliata 2", "sbagliata 3"),
    cell("1", "float", ("value", "1")) + texts("In che anno entra in vigore la Costituzione?")
    + cell("1.948", "float", ("value", "1948")) + cell("1946", "float", ("value", "1946"))
    + "<table:table-cell office:value-type=\"string\"><text:p>19<text:span>47</text:span></text:p>"
    "</table:table-cell>"
    + "<table:table-cell office:value-type=\"string\"><office:annotation><text:p>una nota</text:p>"
    "</office:annotation><text:p>1950</text:p></table:table-cell>",
    cell("2", "float", ("value", "2")) + texts("Quale non è un numero intero?")
    + cell("3,50", "float", ("value", "3.5")) + cell("VERO", "boolean", ("boolean-value", "true"))
    + cell("FALSO", "boolean", ("boolean-value", "false")) + texts("Pi"),
    cell("3", "float", ("value", "3"))
    + f"<table:table-cell office:value-type=\"string\"><text:p>Domanda<text:s/>3?</text:p></table:table-cell>"
    + texts("Uno", "Due", "Tre", "Quattro") + '<table:table-cell table:number-columns-repeated="16378"/>',
] + [
    cell(str(level), "float", ("value", str(level))) + texts(f"Domanda {level}?", "Uno", "Due", "Tre", "Quattro")
    for level in range(4, 15)
]
body = "".join(f"<table:table-row>{r}</table:table-row>" for r in ods_rows) + empty_rows + (
    "<table:table-row>" + cell("15", "float", ("value", "15"))
    + texts("Domanda 15?", "Uno", "Due", "Tre", "Quattro") + "</table:table-row>")
write("celle-varie.ods", [
    ("mimetype", "application/vnd.oasis.opendocument.spreadsheet"),
    ("content.xml", f'<office:document-content xmlns:office="{office}" xmlns:table="{table}" '
     f'xmlns:text="{text}" office:version="1.3"><office:body><office:spreadsheet>'
     f'<table:table table:name="domande">{body}</table:table>'
     '<table:table table:name="altro"><table:table-row>' + texts("x") + "</table:table-row></table:table>"
     "</office:spreadsheet></office:body></office:document-content>"),
])

# A well-formed workbook whose one sheet unpacks to 40 MB of empty rows.
write("bomba.xlsx", [
    ("_rels/.rels", f'<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
     f'<Relationship Id="rId1" Type="{rels}/officeDocument" Target="xl/workbook.xml"/></Relationships>'),
    ("xl/workbook.xml", f'<workbook xmlns="{main}" xmlns:r="{rels}"><sheets>'
     '<sheet name="domande" sheetId="1" r:id="rId1"/></sheets></workbook>'),
    ("xl/_rels/workbook.xml.rels", '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/'
     f'relationships"><Relationship Id="rId1" Type="{rels}/worksheet" Target="worksheets/sheet1.xml"/>'
     '</Relationships>'),
    ("xl/worksheets/sheet1.xml", f'<worksheet xmlns="{main}"><sheetData>' + "<row/>" * ((40 << 20) // 6)
     + "</sheetData></worksheet>"),
])
# A spreadsheet document with its body and no table in it.
write("senza-fogli.ods", [
    ("mimetype", "application/vnd.oasis.opendocument.spreadsheet"),
    ("content.xml", f'<office:document-content xmlns:office="{office}" office:version="1.3"><office:body>'
     "<office:spreadsheet/></office:body></office:document-content>"),
])
EOF
