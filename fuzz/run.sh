#!/usr/bin/env bash
# Fuzzes the pack reader and its checks for a while (60 s unless told), starting from real
# packs: the built-in one, the example and the spreadsheet copies. The inputs it makes go to a
# folder of its own that is thrown away; a crash is written beside it and fails the run.
#
#   fuzz/run.sh BUILD_DIR [SECONDS]
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-60}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp "$source_dir/game/bank/domande.tsv" "$work/corpus/builtin.tsv"
cp "$source_dir/data/examples/domande.tsv" "$work/corpus/example.tsv"
cp "$source_dir"/tests/packs/*.csv "$source_dir"/tests/packs/*.txt "$source_dir"/tests/packs/*.tsv "$work/corpus/"
cd "$work"
# Fontconfig keeps a little of its own at exit, as under the sanitizer build's tests. Inputs stay
# under 4 KB, a dozen questions or so, where every check still has something to bite on.
export LSAN_OPTIONS=suppressions=$source_dir/tests/lsan.supp
"$build/pack_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$source_dir/build/fuzz-" corpus 2>&1 | grep -E "^#[0-9]+.*(INITED|DONE)|^stat::|ERROR|SUMMARY|crash|Test unit"
exit "${PIPESTATUS[0]}"
