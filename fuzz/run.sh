#!/usr/bin/env bash
# Fuzzes the readers of what a player brings for a while each (60 s unless told): the pack
# readers and their checks, starting from real packs (the text reader from the built-in pack, the
# example and the spreadsheet-saved copies; the .xlsx and .ods readers from the spreadsheets in
# tests/packs, as they are and as their XML parts cut down to their first rows, see
# spreadsheet_fuzz.h), and the recording reader, starting from recorded shows. The inputs they
# make go to a folder of their own that is thrown away; a crash is written beside it and fails
# the run.
#
#   fuzz/run.sh BUILD_DIR [SECONDS]
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-60}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
packs=$source_dir/tests/packs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/pack" "$work/xlsx" "$work/ods" "$work/recording"
cp "$source_dir/game/bank/domande.tsv" "$work/pack/builtin.tsv"
cp "$source_dir/data/examples/domande.tsv" "$work/pack/example.tsv"
cp "$packs"/*.csv "$packs"/*.txt "$packs"/*.tsv "$work/pack/"
cp "$packs"/*.xlsx "$work/xlsx/"
cp "$packs"/*.ods "$work/ods/"
cp "$source_dir"/fuzz/seeds/*.txt "$work/recording/"

# Each spreadsheet's parts that the reader walks, its sheet cut after twenty rows and its
# shared texts after a hundred and twenty, in the form spreadsheet_fuzz.h unpacks.
python3 - "$work" "$packs"/*.xlsx "$packs"/*.ods <<'EOF'
import os
import sys
import zipfile

work = sys.argv[1]


def cut(text, close, keep, tail):
    at = 0
    for _ in range(keep):
        found = text.find(close, at)
        if found < 0:
            return text
        at = found + len(close)
    return text[:at] + tail


for path in sys.argv[2:]:
    kind = path.rsplit(".", 1)[1]
    parts = []
    with zipfile.ZipFile(path) as z:
        for name in z.namelist():
            if name.endswith("/") or not (name.endswith(".xml") or name.endswith(".rels") or name == "mimetype"):
                continue
            if z.getinfo(name).file_size > 1 << 20:
                continue  # the zip bomb's sheet: the archive itself is a seed already
            text = z.read(name).decode("utf-8")
            if name.startswith("xl/worksheets/") or name == "content.xml":
                end = "</sheetData></worksheet>" if kind == "xlsx" else (
                    "</table:table></office:spreadsheet></office:body></office:document-content>")
                text = cut(text, "</row>" if kind == "xlsx" else "</table:table-row>", 20, end)
            elif name.endswith("sharedStrings.xml") or name == "xl/testi.xml":
                text = cut(text, "</si>", 120, "</sst>")
            parts.append(f"==> {name} <==\n{text}")
    with open(os.path.join(work, kind, os.path.basename(path) + ".parts"), "w") as out:
        out.write("\n".join(parts))
EOF

cd "$work"
# Fontconfig keeps a little of its own at exit, as under the sanitizer build's tests. Text packs
# and recordings stay under 4 KB, a dozen questions or a few dozen clicks, where every check
# still has something to bite on; spreadsheets under 64 KB, where Calc's own files fit whole.
export LSAN_OPTIONS=suppressions=$source_dir/tests/lsan.supp
status=0
for target in pack xlsx ods recording; do
    max_len=65536
    [ "$target" = pack ] || [ "$target" = recording ] && max_len=4096
    echo "== $target reader"
    "$build/${target}_fuzz" -max_total_time="$seconds" -max_len=$max_len -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$source_dir/build/fuzz-$target-" "$target" >"$target.log" 2>&1 ||
        status=1
    grep -E "^#[0-9]+.*(INITED|DONE)|^stat::|ERROR|SUMMARY|crash|Test unit" "$target.log" || true
done
exit $status
