#!/usr/bin/env bash
# Fuzzes the readers of what a player brings (60 s each unless told): the pack reader and its
# checks, starting from real packs (the built-in one, the example and the spreadsheet copies),
# and the recording reader, starting from recorded shows. The inputs they make go to a folder of
# their own that is thrown away; a crash is written beside it and fails the run.
#
#   fuzz/run.sh BUILD_DIR [SECONDS]
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-60}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/pack" "$work/recording"
cp "$source_dir/game/bank/domande.tsv" "$work/pack/builtin.tsv"
cp "$source_dir/data/examples/domande.tsv" "$work/pack/example.tsv"
cp "$source_dir"/tests/packs/*.csv "$source_dir"/tests/packs/*.txt "$source_dir"/tests/packs/*.tsv "$work/pack/"
cp "$source_dir"/fuzz/seeds/*.txt "$work/recording/"

cd "$work"
# Fontconfig keeps a little of its own at exit, as under the sanitizer build's tests. Inputs stay
# under 4 KB, a dozen questions or a few dozen clicks, where every check still has something to
# bite on.
export LSAN_OPTIONS=suppressions=$source_dir/tests/lsan.supp
status=0
for target in pack recording; do
    echo "== $target reader"
    "$build/${target}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$source_dir/build/fuzz-$target-" "$target" >"$target.log" 2>&1 ||
        status=1
    grep -E "^#[0-9]+.*(INITED|DONE)|^stat::|ERROR|SUMMARY|crash|Test unit" "$target.log" || true
done
exit $status
